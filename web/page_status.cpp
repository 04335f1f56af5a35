#include "web/page_status.h"

// The native session replay of the browser tests prints the same text.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE
#endif

#include <string>

#include "app/app_state.h"
#include "font/font_registry.h"
#include "io/json_writer.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* curvix_web_status() {
  static std::string text;
  curvix::JsonWriter json;
  json.begin_object();
  json.key("basis").string(curvix::basis_info(app.basis).name);
  json.key("r").number(app.r).key("C").number(app.c).key("pd").integer(app.pd);
  json.key("w").number(app.w).key("scheme").string(curvix::scheme_info(app.scheme).label);
  json.key("stationary").boolean(app.stationary).key("tracing").boolean(app.trace_on);
  json.key("points").integer(app.points.count);
  json.key("curve").string(curvix::curve_info(app.curve_mode).label);
  json.key("width").integer(app.window_width).key("height").integer(app.window_height);
  json.key("font").integer(curvix::font_registry().current);
  json.end_object();
  text = json.text();
  return text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* curvix_web_points() {
  static std::string text;
  curvix::JsonWriter json;
  json.begin_array();
  for (int i = 0; i < app.points.count; ++i) {
    const Point& p = app.points.items[static_cast<std::size_t>(i)];
    json.begin_array().number(p.x).number(p.y).end_array();
  }
  json.end_array();
  text = json.text();
  return text.c_str();
}

}  // extern "C"
