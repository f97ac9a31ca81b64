// The geometry of one fish: fins, tail, body, head and colour patterns of a
// kind, as shapes in fish space.
#include "tools/artgen/fishgeom.h"

#include <algorithm>

#include "tools/artgen/fishkinds.h"

namespace art::fishpart {

Paint solid(Rgb c, double a) {
  Paint p;
  p.stops = {{0, c, a}};
  return p;
}

namespace {

Rgb mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
  return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}
Rgb shade(Rgb a, double f) {
  auto m = [f](uint8_t x) { return uint8_t(std::clamp(std::lround(x * f), 0L, 255L)); };
  return Rgb{m(a.r), m(a.g), m(a.b)};
}

// Deterministic pseudo-random numbers for the colour patterns.
struct Rand {
  uint32_t s;
  double next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return (s & 0xFFFFFF) / double(0x1000000);
  }
  double in(double a, double b) { return a + (b - a) * next(); }
};

Paint linear(P p0, P p1, std::vector<Stop> stops) {
  Paint p;
  p.type = Paint::kLinear;
  p.p0 = p0;
  p.p1 = p1;
  p.stops = std::move(stops);
  return p;
}
Paint radial(P c, double r, std::vector<Stop> stops) {
  Paint p;
  p.type = Paint::kRadial;
  p.p0 = p.p1 = c;
  p.r0 = 0;
  p.r1 = r;
  p.stops = std::move(stops);
  return p;
}

Poly circle(P c, double rx, double ry = -1, double rotDeg = 0, int n = 28) {
  if (ry < 0) ry = rx;
  Poly p;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    p.push_back(rotAbout({c.x + rx * std::cos(a), c.y + ry * std::sin(a)}, c, rotDeg));
  }
  return p;
}

// Irregular blob for colour patches.
Poly blob(P c, double rx, double ry, double rotDeg, Rand& rnd) {
  const double p1 = rnd.in(0, 2 * kPi), p2 = rnd.in(0, 2 * kPi);
  const double a1 = rnd.in(0.1, 0.22), a2 = rnd.in(0.05, 0.15);
  Poly p;
  const int n = 36;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    const double f = 1 + a1 * std::sin(3 * a + p1) + a2 * std::sin(5 * a + p2);
    p.push_back(rotAbout({c.x + rx * f * std::cos(a), c.y + ry * f * std::sin(a)}, c, rotDeg));
  }
  return p;
}

void quad(Poly& out, P a, P c, P b, int n, bool skipFirst = true) {
  for (int i = skipFirst ? 1 : 0; i <= n; ++i) {
    const double t = double(i) / n;
    out.push_back(a * ((1 - t) * (1 - t)) + c * (2 * (1 - t) * t) + b * (t * t));
  }
}

// ------------------------------------------------------------ the model

class FishModel {
 public:
  FishModel(const Kind& k) : k_(k) {}

  double top(double t) const { return centre(t) + k_.ht * env(t, k_.peakT) + hump(t); }
  double bot(double t) const { return centre(t) - k_.hb * env(t, k_.peakB); }
  static double X(double t) { return -0.5 + t; }

  void draw(Drawing& d) const {
    const Colours& c = k_.col;
    const double b = d.beat();
    // Far-side fins, partly hidden by the body.
    drawPectoral(d, 0.72, -0.2, 206 + 8 * b, 0.85, 0.8);
    drawPelvic(d, 0.5, 232 - 4 * b, 0.8);
    drawTail(d);
    if (k_.dorsal) drawDorsal(d);
    drawAnal(d);
    drawBody(d);
    drawHead(d);
    drawPelvic(d, 0.47, 240 + 5 * b, 1.0);
    drawPectoral(d, 0.7, -0.3, 218 - 10 * b, 1.0, 1.0);
    (void)c;
  }

  Poly bodyOutline() const {
    Poly p;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
      const double t = double(i) / n;
      p.push_back({X(t), top(t)});
    }
    for (int i = n; i >= 0; --i) {
      const double t = double(i) / n;
      p.push_back({X(t), bot(t)});
    }
    // A short extension into the tail root keeps the joint closed.
    p.push_back({X(0) - 0.04, bot(0) * 0.7});
    p.push_back({X(0) - 0.04, top(0) * 0.7});
    return p;
  }

 private:
  double env(double t, double peak) const {
    const double q = k_.q;
    const double u0 = std::asin(std::pow(k_.ped, 1 / q)) / kPi;
    const double pexp = std::log((0.5 - u0) / (1 - u0)) / std::log(peak);
    const double u = u0 + (1 - u0) * std::pow(std::clamp(t, 0.0, 1.0), pexp);
    return std::pow(std::max(0.0, std::sin(kPi * u)), q);
  }
  double centre(double t) const { return k_.noseY * t * t * t; }
  double hump(double t) const {
    if (k_.hump <= 0) return 0;
    const double x = (t - 0.58) / 0.22;
    return k_.hump * std::exp(-x * x) * (t < 0.95 ? 1 : 0.5);
  }
  double bodyScale() const { return (k_.ht + k_.hb) / 0.39; }

  Paint finPaint(P base, P tip, double shadeF) const {
    const Colours& c = k_.col;
    return linear(base, tip, {{0, shade(c.finBase, shadeF), 1},
                              {0.55, shade(mix(c.finBase, c.finEdge, 0.45), shadeF), 1},
                              {1, shade(c.finEdge, shadeF), 1}});
  }

  // Leaf-shaped fin from `base`, pointing at `deg` (fish space), length L,
  // width W.
  Poly leaf(P base, double deg, double L, double W) const {
    Poly p;
    const int n = 14;
    const double r = deg * kPi / 180;
    const P dir{std::cos(r), std::sin(r)}, nrm{-dir.y, dir.x};
    for (int i = 0; i <= n; ++i) {
      const double s = double(i) / n;
      const double w = W * std::pow(std::sin(kPi * std::pow(s, 0.55)), 0.8) + W * 0.25 * (1 - s);
      p.push_back(base + dir * (L * s) + nrm * w);
    }
    for (int i = n; i >= 0; --i) {
      const double s = double(i) / n;
      const double w = W * 0.6 * std::pow(std::sin(kPi * std::pow(s, 0.7)), 0.8) + W * 0.25 * (1 - s);
      p.push_back(base + dir * (L * s) - nrm * w);
    }
    return p;
  }

  void finRays(Drawing& d, P root, const Poly& edge, double shadeF, int every = 3) const {
    for (size_t i = 0; i < edge.size(); i += size_t(every)) {
      Poly ray{root, lerp(root, edge[i], 0.92)};
      d.stroke(ray, 0.008, solid(shade(k_.col.ray, shadeF), 0.55));
    }
  }

  void drawPectoral(Drawing& d, double t, double yRel, double deg, double shadeF, double size) const {
    const double L = 0.2 * k_.finLen * size * std::sqrt(bodyScale());
    const P base{X(t), centre(t) + yRel * k_.hb};
    Poly f = leaf(base, deg, L, L * 0.34);
    const double r = deg * kPi / 180;
    const P tip = base + P{std::cos(r), std::sin(r)} * L;
    d.fill(f, finPaint(base, tip, shadeF));
    d.clip(f);
    Poly rays;
    for (int i = 0; i <= 6; ++i) rays.push_back(rotAbout(tip, base, -20 + 40.0 * i / 6));
    finRays(d, base, rays, shadeF, 1);
    d.unclip();
  }

  void drawPelvic(Drawing& d, double t, double deg, double shadeF) const {
    const double L = 0.16 * k_.finLen * std::sqrt(bodyScale());
    const P base{X(t), bot(t) + 0.03};
    Poly f = leaf(base, deg, L, L * 0.3);
    const double r = deg * kPi / 180;
    d.fill(f, finPaint(base, base + P{std::cos(r), std::sin(r)} * L, shadeF));
  }

  void drawAnal(Drawing& d) const {
    const double L = 0.14 * k_.finLen * std::sqrt(bodyScale());
    const double t = 0.17;
    const P base{X(t), bot(t) + 0.02};
    const int n = k_.doubleAnal ? 2 : 1;
    for (int i = n - 1; i >= 0; --i) {
      const double deg = -140 - 12 * i + 6 * d.beat();
      Poly f = leaf(base + P{0.02 * i, 0}, deg, L, L * 0.34);
      const double r = deg * kPi / 180;
      d.fill(f, finPaint(base, base + P{std::cos(r), std::sin(r)} * L, i ? 0.85 : 1.0));
    }
  }

  void drawDorsal(Drawing& d) const {
    const double tb = k_.dorsal == 2 ? 0.68 : 0.64;  // front base
    const double ta = k_.dorsal == 2 ? 0.2 : 0.3;    // rear base
    const double H = k_.dorsalH;
    Poly f;
    const P front{X(tb), top(tb) - 0.03};
    const P tip{X(tb) - 0.1 - 0.15 * H, top(tb) + H};
    const P rear{X(ta) - 0.05 - 0.2 * H, top(ta) + 0.03 + 0.15 * H};
    f.push_back(front);
    quad(f, front, {X(tb) - 0.02, top(tb) + H * 0.75}, tip, 10);
    // Trailing edge, a little hollow, with a soft wave on tall fins.
    Poly edge;
    edge.push_back(tip);
    quad(edge, tip, lerp(tip, rear, 0.5) + P{-0.02 - 0.05 * H, 0.02 + 0.1 * H}, rear, 14);
    if (k_.dorsal == 2)
      for (size_t i = 1; i + 1 < edge.size(); ++i) edge[i].y += 0.012 * std::sin(i * 1.3);
    for (size_t i = 1; i < edge.size(); ++i) f.push_back(edge[i]);
    // Base along the back, from the rear forwards.
    for (int i = 0; i <= 12; ++i) {
      const double t = ta - 0.02 + (tb - ta + 0.02) * i / 12.0;
      f.push_back({X(t), top(t) - 0.03});
    }
    const P mid{X((ta + tb) / 2), top((ta + tb) / 2)};
    d.fill(f, finPaint(mid, mid + P{-0.05, H}, 1.0));
    d.clip(f);
    for (size_t i = 0; i < edge.size(); i += 2) {
      const double s = double(i) / double(edge.size() - 1);
      const double t = tb - (tb - ta) * s;
      d.stroke({{X(t), top(t)}, lerp({X(t), top(t)}, edge[i], 0.95)}, 0.008,
               solid(k_.col.ray, 0.5));
    }
    if (k_.col.finPattern && k_.col.pattern == kCalico) spots(d, mid, 0.25, H + 0.1, 3, 0.022);
    d.unclip();
  }

  // One tail half; `spin` turns it about the joint (degrees).
  Poly tailPoly(double spin, Poly* edgeOut) const {
    const Tail& T = k_.tail;
    const double x0 = X(0) + 0.02;
    const double jh = std::max(0.03, top(0) * 0.9);
    const double jl = std::min(-0.03, bot(0) * 0.9);
    const double L = T.len;
    const double beat = std::fabs(beatNow_);
    const double fs = 1 - 0.07 * beat;  // foreshortening while beating
    const P J1{x0 + 0.04, jh}, J2{x0 + 0.04, jl};
    const P U{x0 - L * T.upLen * fs, T.su};
    const P D{x0 - L * T.dnLen * fs, -T.sd};
    const P N{x0 - L * (1 - T.fork) * fs, 0.0};
    Poly p;
    p.push_back(J1);
    quad(p, J1, {x0 - L * T.upLen * 0.45 * fs, jh + (T.su - jh) * T.flare}, U, 12);
    Poly edge;
    auto trailing = [&](P a, P b, int sign) {
      const P mid = lerp(a, b, 0.5);
      const P dd = b - a;
      P nrm{dd.y, -dd.x};  // points away from the body for sign = 1
      const double len = std::sqrt(nrm.x * nrm.x + nrm.y * nrm.y);
      nrm = nrm * (1 / std::max(1e-9, len));
      if (nrm.x > 0) nrm = nrm * -1;
      (void)sign;
      const P ctl = mid + nrm * (T.round * len * 0.5);
      const int n = 16;
      for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        P q = a * ((1 - t) * (1 - t)) + ctl * (2 * (1 - t) * t) + b * (t * t);
        if (T.ruffle > 0) q = q + nrm * (T.ruffle * std::sin(t * kPi * 4));
        edge.push_back(q);
      }
    };
    edge.push_back(U);
    trailing(U, N, 1);
    trailing(N, D, -1);
    for (size_t i = 1; i < edge.size(); ++i) p.push_back(edge[i]);
    quad(p, D, {x0 - L * T.dnLen * 0.45 * fs, jl - (T.sd + jl) * T.flare}, J2, 12);
    const P pivot{x0, 0};
    const double rot = T.droop + spin + 10 * beatNow_;
    for (P& q : p) q = rotAbout(q, pivot, rot);
    if (edgeOut) {
      *edgeOut = edge;
      for (P& q : *edgeOut) q = rotAbout(q, pivot, rot);
    }
    return p;
  }

  void drawTailHalf(Drawing& d, double spin, double shadeF) const {
    Poly edge;
    Poly p = tailPoly(spin, &edge);
    const P root{X(0), 0};
    const P far = edge[edge.size() / 2];
    d.fill(p, finPaint(root, far, shadeF));
    d.clip(p);
    finRays(d, root, edge, shadeF, 2);
    if (k_.col.finPattern) {
      if (k_.col.pattern == kCalico) spots(d, lerp(root, far, 0.5), 0.3, 0.3, 6, 0.03);
      if (k_.col.pattern == kTiger) stripes(d, lerp(root, far, 0.4), 0.3, 3);
    }
    d.unclip();
  }

  void drawTail(Drawing& d) const {
    beatNow_ = d.beat();
    if (k_.tail.dbl) drawTailHalf(d, 9 - 6 * d.beat(), 0.8);
    drawTailHalf(d, 0, 1.0);
  }

  void spots(Drawing& d, P c, double rx, double ry, int n, double size) const {
    Rand rnd{k_.seed * 7919u + 17};
    for (int i = 0; i < n; ++i) {
      const P p{c.x + rnd.in(-rx, rx), c.y + rnd.in(-ry, ry)};
      d.fill(blob(p, size * rnd.in(0.6, 1.4), size * rnd.in(0.6, 1.2), rnd.in(0, 180), rnd),
             solid(k_.col.pat2));
    }
  }

  void stripes(Drawing& d, P c, double spanX, int n) const {
    Rand rnd{k_.seed * 104729u + 3};
    for (int i = 0; i < n; ++i) {
      const double x = c.x - spanX + 2 * spanX * (i + 0.5) / n + rnd.in(-0.03, 0.03);
      Poly s;
      const double w = rnd.in(0.013, 0.024);
      for (int j = 0; j <= 10; ++j) {
        const double y = -0.5 + j * 0.1;
        s.push_back({x + w + 0.03 * std::sin(j * 1.7 + i), y});
      }
      for (int j = 10; j >= 0; --j) {
        const double y = -0.5 + j * 0.1;
        s.push_back({x - w + 0.025 * std::sin(j * 1.3 + i * 2), y});
      }
      d.fill(s, solid(k_.col.pat1));
    }
  }

  void drawBody(Drawing& d) const {
    const Colours& c = k_.col;
    const Poly outline = bodyOutline();
    const double T = k_.ht + hump(0.6), B = k_.hb;
    d.fill(outline, linear({0, T}, {0, -B}, {{0, c.back, 1}, {0.4, c.body, 1}, {1, c.belly, 1}}));
    d.clip(outline);
    Rand rnd{k_.seed * 2654435761u + 1};
    switch (c.pattern) {
      case kPatches:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.45, 0.35), rnd.in(-0.15, 0.3)};
          d.fill(blob(p, rnd.in(0.12, 0.22), rnd.in(0.1, 0.2), rnd.in(0, 180), rnd),
                 linear({0, T}, {0, -B}, {{0, shade(c.pat1, 0.78), 1}, {0.6, c.pat1, 1},
                                          {1, mix(c.pat1, kWhite, 0.3), 1}}));
        }
        break;
      case kCalico:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.45, 0.3), rnd.in(-0.15, 0.3)};
          d.fill(blob(p, rnd.in(0.07, 0.14), rnd.in(0.06, 0.12), rnd.in(0, 180), rnd),
                 solid(i % 2 ? mix(c.pat1, kWhite, 0.2) : c.pat1));
        }
        spots(d, {0, 0.02}, 0.45, 0.25, 14, 0.03);
        break;
      case kTiger:
        stripes(d, {-0.05, 0}, 0.42, 7);
        break;
      case kPanda:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.4, 0.35), rnd.in(0.0, 0.35)};
          d.fill(blob(p, rnd.in(0.12, 0.2), rnd.in(0.12, 0.18), rnd.in(0, 180), rnd),
                 solid(c.pat1));
        }
        break;
      case kSpeckle:
        for (int i = 0; i < 26; ++i) {
          const P p{rnd.in(-0.48, 0.4), rnd.in(-0.25, 0.35)};
          d.fill(circle(p, rnd.in(0.012, 0.024), -1, 0, 10), solid(c.pat1));
        }
        break;
      case kTwoTone: {
        Poly backPart;
        for (int i = 0; i <= 24; ++i) {
          const double t = i / 24.0;
          backPart.push_back({X(t), top(t) + 0.05});
        }
        for (int i = 24; i >= 0; --i) {
          const double t = i / 24.0;
          backPart.push_back({X(t), centre(t) + k_.ht * 0.25 + 0.04 * std::sin(t * 14)});
        }
        d.fill(backPart, solid(c.pat1));
        break;
      }
      case kSolid:
        break;
    }
    if (c.pearl) {
      // Domed scales in rows, each with a light crown.
      for (double y = -k_.hb + 0.04; y < k_.ht; y += 0.07)
        for (double x = -0.46 + std::fmod(y * 5 + 10, 1.0) * 0.035; x < 0.22; x += 0.07) {
          d.fill(circle({x, y}, 0.028, -1, 0, 12), radial({x + 0.008, y + 0.01}, 0.032,
                                                          {{0, kWhite, 0.9}, {1, kWhite, 0.0}}));
          d.stroke(circle({x, y}, 0.03, -1, 0, 12), 0.006, solid(shade(c.back, 0.9), 0.35), true);
        }
    }
    // Light from above and a soft shadow under the belly.
    if (c.sheen)
      d.fill(circle({0.05, T * 0.45}, 0.32, T * 0.35, -4, 32),
             radial({0.05, T * 0.45}, 0.32, {{0, kWhite, 0.22}, {1, kWhite, 0}}));
    d.fill(outline, linear({0, -B * 0.45}, {0, -B}, {{0, kBlack, 0}, {1, kBlack, 0.12}}));
    // Lateral line of scales, faint.
    Poly lat;
    for (int i = 2; i <= 36; ++i) {
      const double t = i / 48.0;
      lat.push_back({X(t), centre(t) + 0.1 * k_.ht * std::sin(t * kPi)});
    }
    d.stroke(lat, 0.01, solid(shade(c.back, 0.9), 0.22));
    d.unclip();
  }

  void drawEye(Drawing& d, P e, double r, Eye type) const {
    const Colours& c = k_.col;
    if (type == kEyeTelescope || type == kEyeCelestial) {
      // Protruding eye on a short stalk of body colour.
      d.fill(circle(e, r * 1.2), radial(e + P{0.01, 0.01}, r * 1.25,
                                        {{0, c.body, 1}, {0.7, c.body, 1}, {1, shade(c.back, 0.9), 1}}));
    }
    d.fill(circle(e, r), radial(e, r, {{0, c.iris, 1}, {0.8, c.iris, 1}, {1, shade(c.iris, 0.6), 1}}));
    P pc = e;
    double pr = r * 0.62;
    if (type == kEyeCelestial || type == kEyeBubble) {
      pc = e + P{0.1 * r, 0.42 * r};
      pr = r * 0.55;
    }
    if (type == kEyeTelescope) pr = r * 0.66;
    d.pupil(circle(pc, pr, -1, 0, 20));
    d.fill(circle(pc + P{pr * 0.35, pr * 0.35}, pr * 0.32, -1, 0, 12), solid(kWhite, 0.95));
  }

  void drawWen(Drawing& d) const {
    const Colours& c = k_.col;
    const double s = k_.wenSize * (k_.wen == kWenOranda ? 1.2 : 1.0);
    Rand rnd{k_.seed * 40503u + 5};
    double t0 = 0.74, t1 = 1.0, yDown = 0.35;
    int rows = 2;
    if (k_.wen == kWenLion) {
      t0 = 0.68;
      yDown = -0.35;
      rows = 4;
    } else if (k_.wen == kWenRanchu) {
      t0 = 0.72;
      t1 = 0.97;
      yDown = 0.05;
      rows = 3;
    } else if (k_.wen == kWenCap) {
      t0 = 0.68;
      t1 = 0.9;
      rows = 2;
    }
    const double r0 = 0.056 * s;
    // Base cap, then bumps over it.
    Poly cap;
    for (int i = 0; i <= 20; ++i) {
      const double t = t0 + (t1 - t0) * i / 20.0;
      cap.push_back({X(t), top(t) + r0 * 0.9 * std::sin(kPi * i / 20.0) + 0.01});
    }
    for (int i = 20; i >= 0; --i) {
      const double t = t0 + (t1 - t0) * i / 20.0;
      const double lo = centre(t) + yDown * k_.ht;
      cap.push_back({X(t) + 0.02 * (i == 20), std::min(lo, top(t) - 0.02)});
    }
    const Rgb lit = mix(c.wen, kWhite, 0.5), dark = shade(c.wen, 0.62);
    d.fill(cap, linear({0, top(0.85) + r0}, {0, centre(0.85) + yDown * k_.ht},
                       {{0, lit, 1}, {0.5, c.wen, 1}, {1, dark, 1}}));
    for (int row = 0; row < rows; ++row)
      for (int i = 0; i < 6; ++i) {
        const double t = t0 + 0.02 + (t1 - t0 - 0.04) * (i + 0.5 * (row & 1)) / 5.5;
        const double yTop = top(std::min(t, 0.99)) + r0 * 0.4;
        const double y = yTop - row * r0 * 1.3 + rnd.in(-0.01, 0.01);
        if (y < centre(t) + yDown * k_.ht) continue;
        const P p{X(t) + rnd.in(-0.01, 0.01), y};
        const double rr = r0 * rnd.in(0.75, 1.05);
        d.fill(circle(p, rr, -1, 0, 14), radial(p + P{0.25 * rr, 0.3 * rr}, rr * 1.2,
                                                {{0, lit, 1}, {0.6, c.wen, 1}, {1, dark, 1}}));
      }
  }

  void drawHead(Drawing& d) const {
    const Colours& c = k_.col;
    // Gill cover.
    Poly gill;
    const double tg = 0.72;
    quad(gill, {X(tg) + 0.01, centre(tg) + k_.ht * 0.55}, {X(tg) + 0.09, centre(tg) - 0.02},
         {X(tg) + 0.0, centre(tg) - k_.hb * 0.6}, 12, false);
    d.stroke(gill, 0.014, solid(shade(c.back, 0.85), 0.5));
    // Mouth.
    const P nose{X(1), centre(1)};
    d.stroke({nose + P{-0.035, -0.005}, nose + P{-0.005, 0.0}}, 0.012,
             solid(shade(c.back, 0.6), 0.8));
    if (k_.pompom) {
      for (int i = 0; i < 3; ++i) {
        const P p = nose + P{-0.01 - 0.035 * i, -0.045 - 0.01 * i};
        const double r = 0.045 - 0.006 * i;
        Poly fluff;
        for (int j = 0; j < 24; ++j) {
          const double a = 2 * kPi * j / 24;
          const double rr = r * (j % 2 ? 0.8 : 1.05);
          fluff.push_back({p.x + rr * std::cos(a), p.y + rr * std::sin(a)});
        }
        d.fill(fluff, radial(p + P{0.01, 0.012}, r * 1.1, {{0, kWhite, 1}, {0.45, c.extra, 1},
                                                           {1, shade(c.extra, 0.8), 1}}));
      }
    }
    if (k_.wen != kWenNone) drawWen(d);
    const double te = k_.wen == kWenLion ? 0.87 : 0.85;
    switch (k_.eye) {
      case kEyeNormal:
        drawEye(d, {X(te), centre(te) + k_.ht * 0.25}, 0.045, kEyeNormal);
        break;
      case kEyeTelescope:
        drawEye(d, {X(0.84), centre(0.84) + k_.ht * 0.28}, 0.072, kEyeTelescope);
        break;
      case kEyeCelestial:
        drawEye(d, {X(0.82), top(0.82) - 0.01}, 0.062, kEyeCelestial);
        break;
      case kEyeBubble: {
        const P sc{X(0.86), centre(0.86) - 0.05};
        d.fill(circle(sc, 0.14, 0.12, 10, 32),
               radial(sc + P{0.03, 0.03}, 0.16, {{0, kWhite, 1}, {0.35, c.extra, 1},
                                                 {1, shade(c.extra, 0.82), 1}}));
        d.stroke(circle(sc, 0.14, 0.12, 10, 32), 0.01, solid(shade(c.extra, 0.7), 0.8), true);
        d.fill(circle(sc + P{0.04, 0.05}, 0.025, 0.018, 30, 12), solid(kWhite, 0.9));
        drawEye(d, {X(0.84), centre(0.84) + k_.ht * 0.42}, 0.04, kEyeBubble);
        break;
      }
    }
    if (c.pattern == kCalico || c.pattern == kSpeckle) {
      // Keep a spot or two on the head for the mottled look.
      Rand rnd{k_.seed * 31u + 7};
      d.fill(blob({X(0.78), centre(0.78) + k_.ht * 0.5}, 0.025, 0.02, rnd.in(0, 90), rnd),
             solid(c.pattern == kCalico ? c.pat2 : c.pat1));
    }
  }

  const Kind& k_;
  mutable double beatNow_ = 0;
};

}  // namespace

Drawing BuildDrawing(int kind, int beat) {
  Drawing d(beat);
  FishModel(kinds()[size_t(kind - 1)]).draw(d);
  return d;
}

}  // namespace art::fishpart
