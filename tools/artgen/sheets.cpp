// Sprite sheets: seven kinds per sheet, 12 headings x 3 frames in each half.
#include <algorithm>

#include "tools/artgen/art.h"
#include "tools/artgen/fish.h"
#include "tools/artgen/quant.h"

namespace art {
namespace {

constexpr int kSheetW = 640, kSheetH = 7224;
constexpr int kBlue = 0, kPupil = 1;

// Cell origin of kind block b (1..7), heading d (1..24), frame f (1..3).
void cellOrigin(int b, int d, int f, int* x, int* y) {
  *x = (d <= 12 ? 0 : 318) + (f - 1) * kCellW;
  *y = (b - 1) * 12 * kCellH + ((d - 1) % 12) * kCellH;
}

// Colours whose 16-bit form would match the blue key are moved away from it.
Rgb awayFromKey(Rgb c) {
  if (c.r < 24 && c.g < 24 && c.b > 200) c.r = c.g = 24;
  return c;
}

}  // namespace

Picture BuildSheet(int sheet) {
  RgbaImage rgba(kSheetW, kSheetH);
  std::vector<uint8_t> pupil(size_t(kSheetW) * kSheetH, 0);
  ColourHistogram hist;
  std::vector<uint8_t> eye;
  for (int b = 1; b <= 7; ++b) {
    const int kind = sheet * 7 + b;
    RgbaImage kindPixels(kCellW, kCellH * 72);
    int n = 0;
    for (int d = 1; d <= 24; ++d)
      for (int f = 1; f <= 3; ++f, ++n) {
        const RgbaImage cell = RenderCell(kind, d, f, &eye);
        int ox, oy;
        cellOrigin(b, d, f, &ox, &oy);
        for (int y = 0; y < kCellH; ++y)
          for (int x = 0; x < kCellW; ++x) {
            const uint8_t* s = cell.at(x, y);
            std::copy(s, s + 4, rgba.at(ox + x, oy + y));
            std::copy(s, s + 4, kindPixels.at(x, n * kCellH + y));
            if (eye[size_t(y) * kCellW + x] >= 128) pupil[size_t(oy + y) * kSheetW + ox + x] = 1;
          }
      }
    hist.addImage(kindPixels, 1.0);
  }
  std::vector<Rgb> pal{kKeyBlue, Rgb{0, 0, 0}};
  for (Rgb c : hist.palette(14)) pal.push_back(awayFromKey(c));
  while (pal.size() < 16) pal.push_back(Rgb{128, 128, 128});

  Picture p;
  p.name = "KG0" + std::to_string(sheet + 1);
  p.bits = 4;
  p.indexed = IndexedImage(kSheetW, kSheetH);
  p.indexed.pal = pal;
  for (int y = 0; y < kSheetH; ++y)
    for (int x = 0; x < kSheetW; ++x) {
      const uint8_t* s = rgba.at(x, y);
      uint8_t v = kBlue;
      if (s[3] >= 128) {
        if (pupil[size_t(y) * kSheetW + x]) {
          v = kPupil;
        } else {
          // Dither in cell coordinates so that every frame of a fish keeps its pattern.
          const int cx = x < 318 ? x % kCellW : (x - 318) % kCellW, cy = y % kCellH;
          const double o = BayerOffset(cx, cy) * 14.0;
          v = uint8_t(NearestIndex(pal, 2, 16, s[0] + o, s[1] + o, s[2] + o));
        }
      }
      p.indexed.at(x, y) = v;
    }
  return p;
}

}  // namespace art
