// Plain pixel containers and the BMP / ICO writers of the art generator.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline Rgb rgb(uint32_t hex) {
  return Rgb{uint8_t(hex >> 16), uint8_t(hex >> 8), uint8_t(hex)};
}

constexpr Rgb kKeyBlue{0, 0, 255};

// 32-bit straight (not premultiplied) RGBA picture.
struct RgbaImage {
  int w = 0, h = 0;
  std::vector<uint8_t> px;  // r, g, b, a per pixel
  RgbaImage() = default;
  RgbaImage(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * h_ * 4, 0) {}
  uint8_t* at(int x, int y) { return &px[(size_t(y) * w + x) * 4]; }
  const uint8_t* at(int x, int y) const { return &px[(size_t(y) * w + x) * 4]; }
};

// Palette picture (1 to 8 bits per pixel).
struct IndexedImage {
  int w = 0, h = 0;
  std::vector<uint8_t> idx;
  std::vector<Rgb> pal;
  IndexedImage() = default;
  IndexedImage(int w_, int h_) : w(w_), h(h_), idx(size_t(w_) * h_, 0) {}
  uint8_t& at(int x, int y) { return idx[size_t(y) * w + x]; }
  uint8_t at(int x, int y) const { return idx[size_t(y) * w + x]; }
};

// Windows BMP files (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows).
std::vector<uint8_t> EncodeBmpIndexed(const IndexedImage& img, int bits);
std::vector<uint8_t> EncodeBmp24(const RgbaImage& img);

// .ico with 32-bit images (colour + alpha, plus the AND mask).
std::vector<uint8_t> EncodeIco(const std::vector<RgbaImage>& images);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace art
