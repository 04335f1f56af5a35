#include "web/page_status.h"

// The native session replay of the browser tests prints the same text.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE
#endif

#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "app/commands.h"
#include "font/font_registry.h"

namespace {

constexpr int NUMBER_TEXT_SIZE = 32;  // "%.17g" of any double fits with room to spare

std::string number(double value) {
  char text[NUMBER_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

const char* basis_name(BasisKind basis) {
  switch (basis) {
    case BASIS_MQ1: return "mq1";
    case BASIS_MQ3: return "mq3";
    case BASIS_GS: return "gs";
  }
  return "?";
}

// The scheme names of the help text.
const char* scheme_name(SchemeKind scheme) {
  switch (scheme) {
    case SCHEME_RBF4: return "RBF4";
    case SCHEME_RBF6: return "RBF6";
    case SCHEME_NR4: return "NR4";
    case SCHEME_DD: return "D-D";
  }
  return "?";
}

// The label of the menu entry that shows the curve.
const char* curve_name(CurveMode mode) {
  MenuId entry = MENU_RBF;
  switch (mode) {
    case CURVE_NONE: return "none";
    case CURVE_LAGRANGE: entry = MENU_LAGRANGE; break;
    case CURVE_BEZIER: entry = MENU_BEZIER; break;
    case CURVE_RBF: entry = MENU_RBF; break;
  }
  for (const MenuEntry& item : MENU_ENTRIES)
    if (item.id == entry) return item.label;
  return "?";
}

std::string field(const char* name, const std::string& json_value) {
  return std::string("\"") + name + "\":" + json_value;
}

std::string quoted(const char* text) {
  return std::string("\"") + text + "\"";
}

const char* boolean(bool value) {
  return value ? "true" : "false";
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* curvix_web_status() {
  static std::string text;
  text = "{" + field("basis", quoted(basis_name(app.basis))) + "," + field("r", number(app.r)) +
         "," + field("C", number(app.c)) + "," + field("pd", std::to_string(app.pd)) + "," +
         field("w", number(app.w)) + "," + field("scheme", quoted(scheme_name(app.scheme))) + "," +
         field("stationary", boolean(app.stationary)) + "," +
         field("tracing", boolean(app.trace_on)) + "," +
         field("points", std::to_string(app.points.count)) + "," +
         field("curve", quoted(curve_name(app.curve_mode))) + "," +
         field("width", std::to_string(app.window_width)) + "," +
         field("height", std::to_string(app.window_height)) + "," +
         field("font", std::to_string(font_registry().current)) + "}";
  return text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* curvix_web_points() {
  static std::string text;
  text = "[";
  for (int i = 0; i < app.points.count; ++i) {
    const Point& p = app.points.items[static_cast<std::size_t>(i)];
    if (i > 0) text += ",";
    text += "[" + number(p.x) + "," + number(p.y) + "]";
  }
  text += "]";
  return text.c_str();
}

}  // extern "C"
