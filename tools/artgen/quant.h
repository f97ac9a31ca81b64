// Colour reduction: a weighted colour histogram, k-means palette choice and
// ordered-dither mapping onto a palette.
#pragma once
#include <vector>

#include "tools/artgen/image.h"

namespace art {

class ColourHistogram {
 public:
  void add(Rgb c, double weight);
  // Adds every pixel of `img` with alpha >= 128, the whole set weighted `total`.
  void addImage(const RgbaImage& img, double total);
  // Up to n colours for the collected pixels (deterministic).
  std::vector<Rgb> palette(int n) const;
  bool empty() const { return !any_; }

 private:
  struct Bin {
    double r = 0, g = 0, b = 0, w = 0;
  };
  std::vector<Bin> bins_ = std::vector<Bin>(32768);
  bool any_ = false;
};

// Index of the palette entry nearest to c among entries [first, last).
int NearestIndex(const std::vector<Rgb>& pal, int first, int last, double r, double g, double b);

// 4 x 4 ordered-dither offset for pixel (x, y), in [-0.5, 0.5).
double BayerOffset(int x, int y);

// Maps a straight RGBA picture onto pal: pixels with alpha < 128 get
// `background`, the others the nearest entry of [first, last) after an
// ordered dither of strength `dither` (0 = none).
IndexedImage Quantise(const RgbaImage& img, const std::vector<Rgb>& pal, int first, int last,
                      double dither, uint8_t background);

}  // namespace art
