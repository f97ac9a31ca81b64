// Rendering of the fish with cairo: the shapes of fishgeom.h mapped from fish
// space onto a sprite cell or any cairo surface.
#include "tools/artgen/fish.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "tools/artgen/fishgeom.h"

namespace art {
namespace {

using fishpart::BuildDrawing;
using fishpart::Drawing;
using fishpart::kPi;
using fishpart::Op;
using fishpart::P;
using fishpart::Paint;
using fishpart::Poly;
using fishpart::Stop;

struct Xf {
  double a, b, c, d, e, f;  // x' = a x + c y + e, y' = b x + d y + f
  P apply(P p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  double scale() const { return std::sqrt(std::fabs(a * d - b * c)); }
};

// Fish space to screen: nose towards `angleDeg`, body length `s` pixels,
// body centre at (tx, ty). The fish keeps its back up when it swims left or
// right: a nose in the left half of the circle uses the mirrored drawing.
Xf makeXf(double angleDeg, bool faceRight, double s, double tx, double ty) {
  const double rot = (faceRight ? angleDeg : angleDeg - 180) * kPi / 180;
  const double cs = std::cos(rot), sn = std::sin(rot);
  const double mx = faceRight ? 1 : -1;
  // q = (mx x, -y); screen = R q * s + t
  return Xf{cs * mx * s, sn * mx * s, sn * s, -cs * s, tx, ty};
}

struct Box {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  void add(P p, double m) {
    x0 = std::min(x0, p.x - m);
    y0 = std::min(y0, p.y - m);
    x1 = std::max(x1, p.x + m);
    y1 = std::max(y1, p.y + m);
  }
};

void measure(const Drawing& dr, const Xf& m, Box& box) {
  int clips = 0;  // shapes inside a clip cannot reach further than the clip
  for (const Op& op : dr.ops) {
    if (op.kind == Op::kClip) ++clips;
    if (op.kind == Op::kUnclip) --clips;
    if (op.kind == Op::kClip || op.kind == Op::kUnclip || clips > 0) continue;
    const double margin = op.kind == Op::kStroke ? op.width * m.scale() * 0.5 : 0;
    for (P p : op.poly) box.add(m.apply(p), margin);
  }
}

void setPath(cairo_t* cr, const Poly& poly, const Xf& m, bool closed) {
  cairo_new_path(cr);
  for (size_t i = 0; i < poly.size(); ++i) {
    const P q = m.apply(poly[i]);
    if (i == 0)
      cairo_move_to(cr, q.x, q.y);
    else
      cairo_line_to(cr, q.x, q.y);
  }
  if (closed) cairo_close_path(cr);
}

cairo_pattern_t* makePattern(const Paint& p, const Xf& m) {
  cairo_pattern_t* pat = nullptr;
  if (p.type == Paint::kSolid) {
    const Stop& s = p.stops[0];
    return cairo_pattern_create_rgba(s.c.r / 255.0, s.c.g / 255.0, s.c.b / 255.0, s.a);
  }
  const P a = m.apply(p.p0), b = m.apply(p.p1);
  if (p.type == Paint::kLinear)
    pat = cairo_pattern_create_linear(a.x, a.y, b.x, b.y);
  else
    pat = cairo_pattern_create_radial(a.x, a.y, p.r0 * m.scale(), b.x, b.y, p.r1 * m.scale());
  for (const Stop& s : p.stops)
    cairo_pattern_add_color_stop_rgba(pat, s.at, s.c.r / 255.0, s.c.g / 255.0, s.c.b / 255.0, s.a);
  return pat;
}

void paint(cairo_t* cr, cairo_t* eye, const Drawing& dr, const Xf& m) {
  int clips = 0;
  for (const Op& op : dr.ops) {
    switch (op.kind) {
      case Op::kClip:
        cairo_save(cr);
        setPath(cr, op.poly, m, true);
        cairo_clip(cr);
        ++clips;
        break;
      case Op::kUnclip:
        if (clips > 0) {
          cairo_restore(cr);
          --clips;
        }
        break;
      case Op::kFill:
      case Op::kPupil: {
        setPath(cr, op.poly, m, true);
        cairo_pattern_t* pat = makePattern(op.paint, m);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        if (op.kind == Op::kPupil && eye) {
          setPath(eye, op.poly, m, true);
          cairo_set_source_rgba(eye, 0, 0, 0, 1);
          cairo_fill(eye);
        }
        break;
      }
      case Op::kStroke: {
        setPath(cr, op.poly, m, op.closed);
        cairo_pattern_t* pat = makePattern(op.paint, m);
        cairo_set_source(cr, pat);
        cairo_set_line_width(cr, op.width * m.scale());
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_pattern_destroy(pat);
        break;
      }
    }
  }
  while (clips-- > 0) cairo_restore(cr);
}

}  // namespace

double HeadingAngle(int heading) {
  // Step directions of the 24 headings; the fish points exactly along them.
  static const int fsx[24] = {0, -4, -7, -11, -13, -15, -16, -15, -14, -11, -8, -4,
                              0, 4,  7,  11,  13,  15,  16,  15,  14,  11,  8,  4};
  static const int fsy[24] = {13, 12, 11, 9, 6, 4, 0, -3, -6, -9, -11, -12,
                              -13, -12, -11, -9, -6, -4, 0, 3, 6, 9, 11, 12};
  const int i = (heading - 1) % 24;
  return std::atan2(double(fsy[i]), double(fsx[i])) * 180 / kPi;
}

RgbaImage FromCairo(cairo_surface_t* s) {
  cairo_surface_flush(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  RgbaImage img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t v;
      std::memcpy(&v, data + size_t(y) * size_t(stride) + size_t(x) * 4, 4);
      const unsigned a = v >> 24;
      uint8_t* p = img.at(x, y);
      p[3] = uint8_t(a);
      if (a == 0) continue;
      auto un = [a](unsigned c) { return uint8_t(std::min(255u, (c * 255 + a / 2) / a)); };
      p[0] = un((v >> 16) & 255);
      p[1] = un((v >> 8) & 255);
      p[2] = un(v & 255);
    }
  return img;
}

RgbaImage RenderCell(int kind, int heading, int frame, std::vector<uint8_t>* eye) {
  static const int beats[3] = {0, 1, -1};
  const double angle = HeadingAngle(heading);
  const bool faceRight = heading >= 13;
  // One scale and centre for the three frames, fitted to the cell.
  Box box;
  const Xf unit = makeXf(angle, faceRight, 1, 0, 0);
  for (int b : beats) measure(BuildDrawing(kind, b), unit, box);
  const double margin = 1.6;
  const double s = std::min((kCellW - 2 * margin) / (box.x1 - box.x0),
                            (kCellH - 2 * margin) / (box.y1 - box.y0));
  const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  const Xf m = makeXf(angle, faceRight, s, kCellW / 2.0 - cx * s, kCellH / 2.0 - cy * s);

  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCellW, kCellH);
  cairo_t* cr = cairo_create(surf);
  cairo_surface_t* eyeSurf = nullptr;
  cairo_t* ecr = nullptr;
  if (eye) {
    eyeSurf = cairo_image_surface_create(CAIRO_FORMAT_A8, kCellW, kCellH);
    ecr = cairo_create(eyeSurf);
  }
  paint(cr, ecr, BuildDrawing(kind, beats[frame - 1]), m);
  cairo_destroy(cr);
  RgbaImage img = FromCairo(surf);
  cairo_surface_destroy(surf);
  if (eye) {
    cairo_destroy(ecr);
    cairo_surface_flush(eyeSurf);
    const int stride = cairo_image_surface_get_stride(eyeSurf);
    const unsigned char* data = cairo_image_surface_get_data(eyeSurf);
    eye->assign(size_t(kCellW) * kCellH, 0);
    for (int y = 0; y < kCellH; ++y)
      for (int x = 0; x < kCellW; ++x) (*eye)[size_t(y) * kCellW + x] = data[y * stride + x];
    cairo_surface_destroy(eyeSurf);
  }
  return img;
}

void DrawFish(cairo_t* cr, int kind, double cx, double cy, double lengthPx, double angleDeg,
              int beat) {
  double a = std::fmod(angleDeg, 360.0);
  if (a < 0) a += 360;
  const bool faceRight = !(a > 90 && a <= 270);
  paint(cr, nullptr, BuildDrawing(kind, beat), makeXf(a, faceRight, lengthPx, cx, cy));
}

void DrawFishFitted(cairo_t* cr, int kind, double x, double y, double w, double h,
                    double angleDeg, int beat) {
  double a = std::fmod(angleDeg, 360.0);
  if (a < 0) a += 360;
  const bool faceRight = !(a > 90 && a <= 270);
  const Drawing d = BuildDrawing(kind, beat);
  Box box;
  measure(d, makeXf(a, faceRight, 1, 0, 0), box);
  const double s = std::min(w / (box.x1 - box.x0), h / (box.y1 - box.y0));
  const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  paint(cr, nullptr, d, makeXf(a, faceRight, s, x + w / 2 - cx * s, y + h / 2 - cy * s));
}

}  // namespace art
