#include "tools/artgen/quant.h"

#include <cmath>
#include <limits>

namespace art {
namespace {

double dist2(double r1, double g1, double b1, double r2, double g2, double b2) {
  const double dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

void ColourHistogram::add(Rgb c, double weight) {
  const unsigned key = unsigned(c.r >> 3) << 10 | unsigned(c.g >> 3) << 5 | unsigned(c.b >> 3);
  Bin& b = bins_[key];
  any_ = true;
  b.r += c.r * weight;
  b.g += c.g * weight;
  b.b += c.b * weight;
  b.w += weight;
}

void ColourHistogram::addImage(const RgbaImage& img, double total) {
  size_t n = 0;
  for (size_t i = 0; i < img.px.size(); i += 4)
    if (img.px[i + 3] >= 128) ++n;
  if (n == 0) return;
  const double w = total / double(n);
  for (size_t i = 0; i < img.px.size(); i += 4)
    if (img.px[i + 3] >= 128) add(Rgb{img.px[i], img.px[i + 1], img.px[i + 2]}, w);
}

std::vector<Rgb> ColourHistogram::palette(int n) const {
  struct P {
    double r, g, b, w;
  };
  std::vector<P> pts;
  for (const Bin& b : bins_)
    if (b.w > 0) pts.push_back({b.r / b.w, b.g / b.w, b.b / b.w, b.w});
  if (pts.empty()) return {};
  std::vector<P> cent;
  // Seed with the heaviest bin, then repeatedly the bin with the largest
  // weighted distance to the chosen seeds.
  size_t best = 0;
  for (size_t i = 1; i < pts.size(); ++i)
    if (pts[i].w > pts[best].w) best = i;
  cent.push_back(pts[best]);
  std::vector<double> near(pts.size(), std::numeric_limits<double>::max());
  while (int(cent.size()) < n && cent.size() < pts.size()) {
    double bestScore = -1;
    for (size_t i = 0; i < pts.size(); ++i) {
      const P& c = cent.back();
      near[i] = std::min(near[i], dist2(pts[i].r, pts[i].g, pts[i].b, c.r, c.g, c.b));
      const double score = near[i] * std::sqrt(pts[i].w);
      if (score > bestScore) {
        bestScore = score;
        best = i;
      }
    }
    if (bestScore <= 0) break;
    cent.push_back(pts[best]);
  }
  std::vector<size_t> assign(pts.size(), 0);
  for (int iter = 0; iter < 40; ++iter) {
    std::vector<P> sum(cent.size(), P{0, 0, 0, 0});
    for (size_t i = 0; i < pts.size(); ++i) {
      double bd = std::numeric_limits<double>::max();
      for (size_t k = 0; k < cent.size(); ++k) {
        const double d = dist2(pts[i].r, pts[i].g, pts[i].b, cent[k].r, cent[k].g, cent[k].b);
        if (d < bd) {
          bd = d;
          assign[i] = k;
        }
      }
      P& s = sum[assign[i]];
      s.r += pts[i].r * pts[i].w;
      s.g += pts[i].g * pts[i].w;
      s.b += pts[i].b * pts[i].w;
      s.w += pts[i].w;
    }
    for (size_t k = 0; k < cent.size(); ++k)
      if (sum[k].w > 0) cent[k] = {sum[k].r / sum[k].w, sum[k].g / sum[k].w, sum[k].b / sum[k].w, 1};
  }
  std::vector<Rgb> out;
  for (const P& c : cent)
    out.push_back(Rgb{uint8_t(std::lround(c.r)), uint8_t(std::lround(c.g)), uint8_t(std::lround(c.b))});
  return out;
}

int NearestIndex(const std::vector<Rgb>& pal, int first, int last, double r, double g, double b) {
  int best = first;
  double bd = std::numeric_limits<double>::max();
  for (int i = first; i < last; ++i) {
    const Rgb& c = pal[size_t(i)];
    const double d = dist2(r, g, b, c.r, c.g, c.b);
    if (d < bd) {
      bd = d;
      best = i;
    }
  }
  return best;
}

double BayerOffset(int x, int y) {
  static const int m[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
  return (m[(y & 3) * 4 + (x & 3)] + 0.5) / 16.0 - 0.5;
}

IndexedImage Quantise(const RgbaImage& img, const std::vector<Rgb>& pal, int first, int last,
                      double dither, uint8_t background) {
  IndexedImage out(img.w, img.h);
  out.pal = pal;
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x) {
      const uint8_t* p = img.at(x, y);
      if (p[3] < 128) {
        out.at(x, y) = background;
        continue;
      }
      const double o = BayerOffset(x, y) * dither;
      out.at(x, y) = uint8_t(NearestIndex(pal, first, last, p[0] + o, p[1] + o, p[2] + o));
    }
  return out;
}

}  // namespace art
