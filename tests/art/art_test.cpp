// Checks the generated pictures: catalogue, sprite-sheet geometry and
// heading, swatch colours, marks and repeatability.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "tests/art/bmp_reader.h"
#include "tests/art/catalogue_list.h"
#include "tools/artgen/art.h"
#include "tools/artgen/text.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kBlue = 0x0000FF;

// Step direction of each heading (x right, y down).
const int kFsx[24] = {0, -4, -7, -11, -13, -15, -16, -15, -14, -11, -8, -4,
                      0, 4,  7,  11,  13,  15,  16,  15,  14,  11,  8,  4};
const int kFsy[24] = {13, 12, 11, 9, 6, 4, 0, -3, -6, -9, -11, -12,
                      -13, -12, -11, -9, -6, -4, 0, 3, 6, 9, 11, 12};

const uint32_t kLower[32] = {0x000000, 0x353535, 0xB7B7B7, 0xD7D7D7, 0xD7D798, 0xD7D700, 0xD7C600,
                             0xD7A800, 0xD78000, 0xD75C00, 0xD7556E, 0xD70000, 0xC30000, 0xD70073,
                             0xD757BF, 0xD700D7, 0xB757D7, 0x9757D7, 0x5757D7, 0x0000D7, 0x198DD7,
                             0x57A0D7, 0x57BFD7, 0x57D7D7, 0x00D7D7, 0x00D769, 0x00B43C, 0x009F2C,
                             0x00B400, 0x69D700, 0xAAD700, 0xBED700};
const uint32_t kUpper[32] = {0x000000, 0x535353, 0xDFDDDD, 0xFFFFFF, 0xFFFFC0, 0xFFFF00, 0xFFEE00,
                             0xFFD000, 0xFFA800, 0xFF8400, 0xFF7D96, 0xFF0000, 0xEB0000, 0xFF0091,
                             0xFF7FE7, 0xFF00FF, 0xDF7FFF, 0xBF7FFF, 0x7F7FFF, 0x0000FF, 0x41B5FF,
                             0x7FC8FF, 0x7FE7FF, 0x7FFFFF, 0x00FFFF, 0x00FF91, 0x03DC64, 0x07C754,
                             0x00DC00, 0x91FF00, 0xD2FF01, 0xE6FF00};

// A 16-bit 5-6-5 screen turns these colours into the blue key.
bool keyedAt16Bits(uint32_t c) {
  return ((c >> 16) & 255) < 8 && ((c >> 8) & 255) < 4 && (c & 255) >= 248;
}

class Art : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(art::LoadFonts());
    set_ = new art::ArtSet(art::BuildAll());
    files_ = new std::map<std::string, std::vector<uint8_t>>;
    for (const art::Picture& p : set_->pictures) (*files_)[p.name] = art::Encode(p);
  }
  static void TearDownTestSuite() {
    delete set_;
    delete files_;
  }
  static Bmp bmp(const std::string& name) {
    auto it = files_->find(name);
    return it == files_->end() ? Bmp{} : ReadBmp(it->second);
  }
  static art::ArtSet* set_;
  static std::map<std::string, std::vector<uint8_t>>* files_;
};
art::ArtSet* Art::set_ = nullptr;
std::map<std::string, std::vector<uint8_t>>* Art::files_ = nullptr;

TEST_F(Art, EveryCatalogueNameHasItsSizeAndDepth) {
  const std::vector<ArtEntry> want = ExpectedArt();
  EXPECT_EQ(files_->size(), want.size());
  for (const ArtEntry& e : want) {
    const Bmp m = bmp(e.name);
    ASSERT_TRUE(m.ok) << e.name;
    EXPECT_EQ(m.width, e.width) << e.name;
    EXPECT_EQ(m.height, e.height) << e.name;
    EXPECT_EQ(m.bits, e.bits) << e.name;
    if (e.bits <= 8) {
      EXPECT_EQ(m.palette.size(), size_t(1) << e.bits) << e.name;
    }
  }
  ASSERT_EQ(set_->icon.size(), 3u);
  EXPECT_EQ(set_->icon[0].w, 16);
  EXPECT_EQ(set_->icon[1].w, 32);
  EXPECT_EQ(set_->icon[2].w, 48);
  // The installer's pictures, at the sizes its pages show unstretched.
  const ArtEntry setup[] = {{"SetupSide", 164, 314, 24}, {"SetupHeader", 150, 57, 24}};
  ASSERT_EQ(set_->setup.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const Bmp m = ReadBmp(art::Encode(set_->setup[i]));
    EXPECT_EQ(set_->setup[i].name, setup[i].name);
    EXPECT_TRUE(m.ok && m.width == setup[i].width && m.height == setup[i].height && m.bits == 24)
        << setup[i].name;
  }
}

struct Cell {
  int x, y;
};
Cell cellOf(int block, int heading, int frame) {
  return {(heading <= 12 ? 0 : 318) + (frame - 1) * 106, (block - 1) * 1032 + ((heading - 1) % 12) * 86};
}

// Finds the nose of the fish in cell c swimming towards `heading` (degrees,
// x right, y down): the fish pixel furthest forward. Gives the direction
// from the fish's centroid to the nose, the distance from the nose to the
// eye (the only pure black pixels of a sheet) relative to the fish's length,
// the share of the cell the fish covers, and how much of the free width or
// height of the cell it spans.
bool findNose(const Bmp& m, Cell c, double heading, double* angle, double* eyeDist, double* fill,
              double* span) {
  int x0 = 106, x1 = -1, y0 = 86, y1 = -1;
  double sx = 0, sy = 0, ex = 0, ey = 0;
  int n = 0, ne = 0;
  const double hx = std::cos(heading * kPi / 180), hy = std::sin(heading * kPi / 180);
  double front = -1e9, back = 1e9, nx = 0, ny = 0;
  for (int y = 0; y < 86; ++y)
    for (int x = 0; x < 106; ++x) {
      const uint32_t col = m.colour(c.x + x, c.y + y);
      if (col == kBlue) continue;
      sx += x;
      sy += y;
      ++n;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
      if (col == 0) {
        ex += x;
        ey += y;
        ++ne;
      }
      const double d = x * hx + y * hy;
      back = std::min(back, d);
      if (d > front) {
        front = d;
        nx = x;
        ny = y;
      }
    }
  *fill = n / (106.0 * 86.0);
  *span = std::max((x1 - x0 + 1) / 104.0, (y1 - y0 + 1) / 84.0);
  if (n == 0 || ne == 0) return false;
  *angle = std::atan2(ny - sy / n, nx - sx / n) * 180 / kPi;
  *eyeDist = std::hypot(nx - ex / ne, ny - ey / ne) / (front - back);
  return true;
}

double angleDiff(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

TEST_F(Art, SpriteSheetsHoldEveryPoseInsideItsCell) {
  for (int s = 1; s <= 5; ++s) {
    const std::string name = "KG0" + std::to_string(s);
    const Bmp m = bmp(name);
    ASSERT_TRUE(m.ok) << name;
    // Only exact blue is transparent: no other colour may turn into the key.
    int blues = 0;
    for (uint32_t c : m.palette) {
      if (c == kBlue)
        ++blues;
      else
        EXPECT_FALSE(keyedAt16Bits(c)) << name << std::hex << " colour " << c;
    }
    EXPECT_EQ(blues, 1) << name;
    for (int y = 0; y < m.height; ++y)
      for (int x = 636; x < 640; ++x) ASSERT_EQ(m.colour(x, y), kBlue) << name << " x " << x << " y " << y;
    for (int b = 1; b <= 7; ++b)
      for (int d = 1; d <= 24; ++d)
        for (int f = 1; f <= 3; ++f) {
          const Cell c = cellOf(b, d, f);
          const int kind = (s - 1) * 7 + b;
          // The border of every cell is water: no fish is cut.
          for (int x = 0; x < 106; ++x) {
            ASSERT_EQ(m.colour(c.x + x, c.y), kBlue) << "kind " << kind << " heading " << d;
            ASSERT_EQ(m.colour(c.x + x, c.y + 85), kBlue) << "kind " << kind << " heading " << d;
          }
          for (int y = 0; y < 86; ++y) {
            ASSERT_EQ(m.colour(c.x, c.y + y), kBlue) << "kind " << kind << " heading " << d;
            ASSERT_EQ(m.colour(c.x + 105, c.y + y), kBlue) << "kind " << kind << " heading " << d;
          }
          // The nose leads: it lies in the heading's direction from the
          // fish's centre, next to the eye (a fish the wrong way round would
          // lead with its tail).
          const double want = std::atan2(kFsy[d - 1], kFsx[d - 1]) * 180 / kPi;
          double angle = 0, eyeDist = 0, fill = 0, span = 0;
          ASSERT_TRUE(findNose(m, c, want, &angle, &eyeDist, &fill, &span))
              << "kind " << kind << " heading " << d << " frame " << f;
          EXPECT_GT(fill, 0.08) << "kind " << kind << " heading " << d << " frame " << f;
          EXPECT_GT(span, 0.75) << "kind " << kind << " heading " << d << " frame " << f;
          EXPECT_LE(angleDiff(angle, want), 15.0)
              << "kind " << kind << " heading " << d << " frame " << f << " nose at " << angle;
          EXPECT_LT(eyeDist, 0.3) << "kind " << kind << " heading " << d << " frame " << f << " eye";
        }
  }
}

TEST_F(Art, BackgroundSheetRegions) {
  const Bmp m = bmp("BACK01");
  ASSERT_TRUE(m.ok);
  // Swatch cells: upper row y 0..9, lower row y 10..19, cell n at x 10n.
  for (int n = 0; n < 32; ++n)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        ASSERT_EQ(m.colour(10 * n + x, y), kUpper[n]) << "upper swatch " << n;
        ASSERT_EQ(m.colour(10 * n + x, 10 + y), kLower[n]) << "lower swatch " << n;
      }
  for (int y = 20; y < 30; ++y)
    for (int x = 1; x < 10; ++x) ASSERT_EQ(m.colour(x, y), 0u) << "black region";
  struct Region {
    const char* what;
    int l, r, onBlack, onBlue, rowsBlack, rowsBlue;
  };
  const Region regions[] = {{"caption", 1, 170, 43, 71, 20, 19},
                            {"kana title", 247, 390, 28, 63, 32, 32},
                            {"latin title", 416, 581, 29, 64, 32, 32}};
  for (const Region& g : regions) {
    int lettersBlack = 0, lettersBlue = 0, blueBg = 0;
    for (int x = g.l; x < g.r; ++x) {
      for (int y = g.onBlack; y < g.onBlack + g.rowsBlack; ++y) {
        const uint32_t c = m.colour(x, y);
        EXPECT_NE(c, kBlue) << g.what << " on black at " << x << "," << y;
        if (c != 0) ++lettersBlack;
      }
      for (int y = g.onBlue; y < g.onBlue + g.rowsBlue; ++y) {
        const uint32_t c = m.colour(x, y);
        EXPECT_FALSE(c != kBlue && keyedAt16Bits(c)) << g.what;
        if (c == kBlue)
          ++blueBg;
        else
          ++lettersBlue;
      }
    }
    const int area = (g.r - g.l) * g.rowsBlue;
    EXPECT_GT(lettersBlack, area / 10) << g.what;
    EXPECT_GT(lettersBlue, area / 10) << g.what;
    EXPECT_GT(blueBg, area / 3) << g.what;
  }
}

TEST_F(Art, ColourMarksAreSolidWaterColours) {
  char name[16];
  for (int n = 1; n <= 32; ++n) {
    for (int dark = 0; dark < 2; ++dark) {
      std::snprintf(name, sizeof name, dark ? "WC%02dB" : "WC%02d", n);
      const Bmp m = bmp(name);
      ASSERT_TRUE(m.ok) << name;
      const uint32_t want = dark ? kLower[n - 1] : kUpper[n - 1];
      for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) ASSERT_EQ(m.colour(x, y), want) << name;
    }
  }
}

// Black pixels of a button mark, summed per column (or row) along the
// pointing axis: an arrow's tip is its narrowest part.
TEST_F(Art, ButtonArrowsPointTheirWay) {
  struct Want {
    const char* name;
    int dx, dy;
  };
  const Want wants[] = {{"B01", 1, 0}, {"B02", -1, 0}, {"B03", 0, -1},
                        {"B04", 0, 1}, {"B05", -1, 0}, {"B06", 1, 0}};
  for (const Want& w : wants) {
    const Bmp m = bmp(w.name);
    ASSERT_TRUE(m.ok) << w.name;
    std::vector<int> along(size_t(w.dx ? m.width : m.height), 0);
    int total = 0;
    for (int y = 0; y < m.height; ++y)
      for (int x = 0; x < m.width; ++x)
        if (m.colour(x, y) == 0) {
          ++along[size_t(w.dx ? x : y)];
          ++total;
        }
    ASSERT_GT(total, 8) << w.name;
    int first = -1, last = -1;
    for (size_t i = 0; i < along.size(); ++i)
      if (along[i]) {
        if (first < 0) first = int(i);
        last = int(i);
      }
    const bool forward = w.dx + w.dy > 0;
    const int tip = forward ? last : first, base = forward ? first : last;
    EXPECT_LT(along[size_t(tip)], along[size_t(base)]) << w.name;
  }
}

// FNV-1a over every picture and the icon, in catalogue order.
uint64_t digest(const art::ArtSet& set) {
  uint64_t h = 1469598103934665603ull;
  auto mixIn = [&h](const std::vector<uint8_t>& bytes) {
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
  };
  for (const art::Picture& p : set.pictures) mixIn(art::Encode(p));
  mixIn(art::EncodeIco(set.icon));
  return h;
}

TEST_F(Art, OutputIsRepeatable) {
  // A second drawing of a sheet gives the same bytes...
  EXPECT_TRUE(art::Encode(art::BuildSheet(2)) == files_->at("KG03"));
  // ...and the whole set matches the recorded digest. Update it after
  // changing a picture on purpose (the failure prints the new value).
  EXPECT_EQ(digest(*set_), 0xc1b91e6c46919ec1ull) << std::hex << "digest 0x" << digest(*set_);
}

}  // namespace
