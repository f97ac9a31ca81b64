#include "tools/artgen/image.h"

#include <algorithm>
#include <cstdio>

namespace art {
namespace {

void put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

// BITMAPINFOHEADER; height may be doubled for icon images.
// "BM", file size, reserved, offset of the pixels.
void putFileHeader(std::vector<uint8_t>& v, uint32_t offset, uint32_t imageSize) {
  v.push_back('B');
  v.push_back('M');
  put32(v, offset + imageSize);
  put32(v, 0);
  put32(v, offset);
}

void putInfoHeader(std::vector<uint8_t>& v, int w, int h, int bits, uint32_t imageSize,
                   uint32_t colours) {
  put32(v, 40);
  put32(v, uint32_t(w));
  put32(v, uint32_t(h));
  put16(v, 1);
  put16(v, uint32_t(bits));
  put32(v, 0);  // BI_RGB
  put32(v, imageSize);
  put32(v, 2835);  // 72 dpi
  put32(v, 2835);
  put32(v, colours);
  put32(v, 0);
}

int rowBytes(int w, int bits) { return ((w * bits + 31) / 32) * 4; }

}  // namespace

std::vector<uint8_t> EncodeBmpIndexed(const IndexedImage& img, int bits) {
  const int colours = 1 << bits;
  const int stride = rowBytes(img.w, bits);
  const uint32_t imageSize = uint32_t(stride) * uint32_t(img.h);
  const uint32_t offset = 14 + 40 + 4 * uint32_t(colours);
  std::vector<uint8_t> v;
  v.reserve(offset + imageSize);
  putFileHeader(v, offset, imageSize);
  putInfoHeader(v, img.w, img.h, bits, imageSize, 0);
  for (int i = 0; i < colours; ++i) {
    Rgb c = i < int(img.pal.size()) ? img.pal[size_t(i)] : Rgb{};
    v.push_back(c.b);
    v.push_back(c.g);
    v.push_back(c.r);
    v.push_back(0);
  }
  std::vector<uint8_t> row(size_t(stride), 0);
  for (int y = img.h - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < img.w; ++x) {
      const unsigned val = img.at(x, y) & (colours - 1);
      const int bit = x * bits;
      row[size_t(bit / 8)] |= uint8_t(val << (8 - bits - bit % 8));
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

std::vector<uint8_t> EncodeBmp24(const RgbaImage& img) {
  const int stride = rowBytes(img.w, 24);
  const uint32_t imageSize = uint32_t(stride) * uint32_t(img.h);
  const uint32_t offset = 14 + 40;
  std::vector<uint8_t> v;
  v.reserve(offset + imageSize);
  putFileHeader(v, offset, imageSize);
  putInfoHeader(v, img.w, img.h, 24, imageSize, 0);
  for (int y = img.h - 1; y >= 0; --y) {
    size_t start = v.size();
    for (int x = 0; x < img.w; ++x) {
      const uint8_t* p = img.at(x, y);
      v.push_back(p[2]);
      v.push_back(p[1]);
      v.push_back(p[0]);
    }
    while (v.size() - start < size_t(stride)) v.push_back(0);
  }
  return v;
}

std::vector<uint8_t> EncodeIco(const std::vector<RgbaImage>& images) {
  std::vector<std::vector<uint8_t>> blobs;
  for (const RgbaImage& img : images) {
    std::vector<uint8_t> b;
    const int maskStride = rowBytes(img.w, 1);
    const uint32_t size = uint32_t(img.w * img.h * 4 + maskStride * img.h);
    putInfoHeader(b, img.w, img.h * 2, 32, size, 0);
    for (int y = img.h - 1; y >= 0; --y)
      for (int x = 0; x < img.w; ++x) {
        const uint8_t* p = img.at(x, y);
        b.push_back(p[2]);
        b.push_back(p[1]);
        b.push_back(p[0]);
        b.push_back(p[3]);
      }
    for (int y = img.h - 1; y >= 0; --y) {
      std::vector<uint8_t> row(size_t(maskStride), 0);
      for (int x = 0; x < img.w; ++x)
        if (img.at(x, y)[3] < 128) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      b.insert(b.end(), row.begin(), row.end());
    }
    blobs.push_back(std::move(b));
  }
  std::vector<uint8_t> v;
  put16(v, 0);
  put16(v, 1);
  put16(v, uint32_t(images.size()));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    v.push_back(uint8_t(images[i].w >= 256 ? 0 : images[i].w));
    v.push_back(uint8_t(images[i].h >= 256 ? 0 : images[i].h));
    v.push_back(0);
    v.push_back(0);
    put16(v, 1);
    put16(v, 32);
    put32(v, uint32_t(blobs[i].size()));
    put32(v, offset);
    offset += uint32_t(blobs[i].size());
  }
  for (const auto& b : blobs) v.insert(v.end(), b.begin(), b.end());
  return v;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace art
