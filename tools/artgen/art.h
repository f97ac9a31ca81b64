// The art generator: every bitmap of the program's resources and icon 100.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/image.h"

namespace art {

// One bitmap resource: palette pictures keep their indices, 24-bit ones RGB.
struct Picture {
  std::string name;
  int bits = 0;         // 4, 8 or 24
  IndexedImage indexed;  // bits 4 and 8
  RgbaImage rgb;         // bits 24
  int width() const { return bits == 24 ? rgb.w : indexed.w; }
  int height() const { return bits == 24 ? rgb.h : indexed.h; }
};

// The 32 water colours, lower (default) and upper (lighter) swatch rows.
extern const uint32_t kWaterLower[32];
extern const uint32_t kWaterUpper[32];

// Sprite sheet KG01..KG05 (index 0..4).
Picture BuildSheet(int sheet);
Picture BuildBack();
Picture BuildPreview();
// Marks of the dialog: FM.., WC.., B01..B06, WCER (back gives WC's palette).
std::vector<Picture> BuildMarks(const Picture& back);
std::vector<RgbaImage> BuildIcon();
// The installer's pages: the welcome and finish side picture (164 x 314) and
// the header picture with the icon (150 x 57).
Picture BuildSetupSide();
Picture BuildSetupHeader(const std::vector<RgbaImage>& icon);

// Everything, in resource order.
struct ArtSet {
  std::vector<Picture> pictures;
  std::vector<RgbaImage> icon;
  std::vector<Picture> setup;  // the installer's, not resources
};
ArtSet BuildAll();

std::vector<uint8_t> Encode(const Picture& p);

// Resource script naming every picture file in `dir` plus icon 100.
std::string ResourceScript(const ArtSet& set, const std::string& dir);

// Review sheets (PNG): all kinds at headings 7, 13, 19, frames 1..3, on
// water colour 20; and every other picture.
bool WriteKindsSheet(const ArtSet& set, const std::string& path);
bool WriteMarksSheet(const ArtSet& set, const std::string& path);

}  // namespace art
