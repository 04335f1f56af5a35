#include "glyph_tessellate.h"

#include <GL/glu.h>

#include <memory>

namespace {

struct TessState {
  std::vector<int> indices;  // every three form one triangle
  bool failed = false;
};

struct TessDeleter {
  void operator()(GLUtesselator* tess) const { gluDeleteTess(tess); }
};

TessState& state_of(void* data) {
  return *static_cast<TessState*>(data);
}

// With an edge-flag callback installed the tessellator emits independent
// triangles only (GL_TRIANGLES), never fans or strips.
void on_begin(GLenum type, void* data) {
  if (type != GL_TRIANGLES) state_of(data).failed = true;
}

void on_edge_flag(GLboolean, void*) {}

void on_vertex(void* vertex, void* data) {
  state_of(data).indices.push_back(*static_cast<const int*>(vertex));
}

// Called where edges cross or points coincide: the triangle would need a
// point the glyph does not have, so this triangulation is refused.
void on_combine(GLdouble*, void* neighbours[4], GLfloat*, void** out, void* data) {
  state_of(data).failed = true;
  *out = neighbours[0];
}

void on_error(GLenum, void* data) {
  state_of(data).failed = true;
}

template <typename F>
_GLUfuncptr as_callback(F* function) {
  return reinterpret_cast<_GLUfuncptr>(function);
}

}  // namespace

std::optional<std::vector<Triangle>> tessellate(const std::vector<Contour>& contours) {
  const std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
  if (!tess) return std::nullopt;
  gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, as_callback(on_begin));
  gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, as_callback(on_edge_flag));
  gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, as_callback(on_vertex));
  gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, as_callback(on_combine));
  gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, as_callback(on_error));
  gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessNormal(tess.get(), 0.0, 0.0, 1.0);

  // The tessellator keeps pointers to the coordinates and indices until the
  // polygon ends, so both live in arrays sized before the first call.
  const int total = [&] {
    int n = 0;
    for (const Contour& c : contours) n += static_cast<int>(c.size());
    return n;
  }();
  std::vector<std::array<GLdouble, 3>> coords(static_cast<std::size_t>(total));
  std::vector<int> ids(static_cast<std::size_t>(total));
  TessState state;
  gluTessBeginPolygon(tess.get(), &state);
  std::size_t next = 0;
  for (const Contour& contour : contours) {
    gluTessBeginContour(tess.get());
    for (const Point2& p : contour) {
      coords[next] = {p.x, p.y, 0.0};
      ids[next] = static_cast<int>(next);
      gluTessVertex(tess.get(), coords[next].data(), &ids[next]);
      ++next;
    }
    gluTessEndContour(tess.get());
  }
  gluTessEndPolygon(tess.get());
  if (state.failed || state.indices.size() % 3 != 0) return std::nullopt;

  // The tessellator may join three collinear points (serifs on one baseline,
  // say) into a triangle of no area; such a triangle fills nothing.
  std::vector<Triangle> triangles;
  for (std::size_t i = 0; i < state.indices.size(); i += 3) {
    const Triangle t = {state.indices[i], state.indices[i + 1], state.indices[i + 2]};
    const auto at = [&](int k) {
      return Point2{coords[static_cast<std::size_t>(k)][0], coords[static_cast<std::size_t>(k)][1]};
    };
    if (cross(at(t[0]), at(t[1]), at(t[2])) != 0.0) triangles.push_back(t);
  }
  return triangles;
}
