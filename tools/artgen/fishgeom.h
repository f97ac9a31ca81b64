// The geometry of one fish (private to the art generator's fish drawing): a
// kind of fishkinds.h drawn in fish space as a list of filled, stroked and
// clipping shapes with their paints, which fish.cpp renders with cairo.
// Fish space: body from the peduncle at x = -0.5 to the nose at x = 0.5, y up.
#pragma once
#include <cmath>
#include <vector>

#include "tools/artgen/image.h"

namespace art::fishpart {

constexpr double kPi = 3.14159265358979323846;

struct P {
  double x, y;
};
using Poly = std::vector<P>;

inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
inline P operator*(P a, double s) { return {a.x * s, a.y * s}; }
inline P lerp(P a, P b, double t) { return a + (b - a) * t; }
inline P rotAbout(P p, P c, double deg) {
  const double r = deg * kPi / 180, cs = std::cos(r), sn = std::sin(r);
  const P d = p - c;
  return {c.x + d.x * cs - d.y * sn, c.y + d.x * sn + d.y * cs};
}

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

struct Stop {
  double at;
  Rgb c;
  double a;
};

struct Paint {
  enum Type { kSolid, kLinear, kRadial } type = kSolid;
  std::vector<Stop> stops;
  P p0{0, 0}, p1{0, 0};
  double r0 = 0, r1 = 0;
};

Paint solid(Rgb c, double a = 1);

struct Op {
  enum Kind { kFill, kStroke, kClip, kUnclip, kPupil } kind;
  Poly poly;
  Paint paint;
  double width = 0;
  bool closed = true;
};

// Every shape is warped by the tail beat before it is stored.
class Drawing {
 public:
  explicit Drawing(double beat) : beat_(beat) {}
  P warp(P p) const {
    const double xb = 0.1;
    if (p.x < xb) {
      const double d = xb - p.x;
      p.y += beat_ * 0.11 * d * d;
    }
    return p;
  }
  Poly warp(const Poly& in) const {
    Poly out;
    out.reserve(in.size());
    for (P p : in) out.push_back(warp(p));
    return out;
  }
  Paint warp(Paint p) const {
    p.p0 = warp(p.p0);
    p.p1 = warp(p.p1);
    return p;
  }
  void fill(const Poly& poly, const Paint& paint) { ops.push_back({Op::kFill, warp(poly), warp(paint), 0, true}); }
  void stroke(const Poly& poly, double width, const Paint& paint, bool closed = false) {
    ops.push_back({Op::kStroke, warp(poly), warp(paint), width, closed});
  }
  void clip(const Poly& poly) { ops.push_back({Op::kClip, warp(poly), Paint{}, 0, true}); }
  void unclip() { ops.push_back({Op::kUnclip, {}, Paint{}, 0, true}); }
  void pupil(const Poly& poly) { ops.push_back({Op::kPupil, warp(poly), solid(kBlack), 0, true}); }
  double beat() const { return beat_; }
  std::vector<Op> ops;

 private:
  double beat_;
};

// The shapes of kind 1..35 in beat -1, 0 or 1.
Drawing BuildDrawing(int kind, int beat);

}  // namespace art::fishpart
