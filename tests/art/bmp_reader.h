// Minimal reader of uncompressed Windows BMP files for the art tests.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

struct Bmp {
  bool ok = false;
  int width = 0, height = 0, bits = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  std::vector<uint32_t> pixels;   // index (bits <= 8) or 0x00RRGGBB, top row first
  uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  uint32_t colour(int x, int y) const { return bits <= 8 ? palette[at(x, y)] : at(x, y); }
};

inline uint32_t rd32(const std::vector<uint8_t>& b, size_t o) {
  return uint32_t(b[o]) | uint32_t(b[o + 1]) << 8 | uint32_t(b[o + 2]) << 16 | uint32_t(b[o + 3]) << 24;
}
inline uint32_t rd16(const std::vector<uint8_t>& b, size_t o) { return uint32_t(b[o]) | uint32_t(b[o + 1]) << 8; }

inline Bmp ReadBmp(const std::vector<uint8_t>& b) {
  Bmp m;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || rd32(b, 14) != 40 || rd32(b, 30) != 0) return m;
  const size_t offset = rd32(b, 10);
  m.width = int(rd32(b, 18));
  m.height = int(rd32(b, 22));
  m.bits = int(rd16(b, 28));
  if (m.width <= 0 || m.height <= 0) return m;
  if (m.bits <= 8) {
    const uint32_t n = rd32(b, 46) ? rd32(b, 46) : (1u << m.bits);
    for (uint32_t i = 0; i < n; ++i) {
      const size_t o = 54 + 4 * i;
      m.palette.push_back(uint32_t(b[o + 2]) << 16 | uint32_t(b[o + 1]) << 8 | b[o]);
    }
  }
  const size_t stride = size_t((m.width * m.bits + 31) / 32) * 4;
  if (offset + stride * size_t(m.height) > b.size()) return m;
  m.pixels.resize(size_t(m.width) * size_t(m.height));
  for (int y = 0; y < m.height; ++y) {
    const uint8_t* row = b.data() + offset + stride * size_t(m.height - 1 - y);
    for (int x = 0; x < m.width; ++x) {
      uint32_t v;
      if (m.bits == 24)
        v = uint32_t(row[3 * x + 2]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x];
      else {
        const int bit = x * m.bits;
        v = (row[bit / 8] >> (8 - m.bits - bit % 8)) & ((1u << m.bits) - 1);
      }
      m.pixels[size_t(y) * size_t(m.width) + size_t(x)] = v;
    }
  }
  m.ok = true;
  return m;
}
