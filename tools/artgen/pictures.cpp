// Background sheet, preview picture, dialog marks and the icon.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/artgen/art.h"
#include "tools/artgen/fish.h"
#include "tools/artgen/quant.h"
#include "tools/artgen/text.h"

namespace art {

const uint32_t kWaterLower[32] = {
    0x000000, 0x353535, 0xB7B7B7, 0xD7D7D7, 0xD7D798, 0xD7D700, 0xD7C600, 0xD7A800,
    0xD78000, 0xD75C00, 0xD7556E, 0xD70000, 0xC30000, 0xD70073, 0xD757BF, 0xD700D7,
    0xB757D7, 0x9757D7, 0x5757D7, 0x0000D7, 0x198DD7, 0x57A0D7, 0x57BFD7, 0x57D7D7,
    0x00D7D7, 0x00D769, 0x00B43C, 0x009F2C, 0x00B400, 0x69D700, 0xAAD700, 0xBED700};
const uint32_t kWaterUpper[32] = {
    0x000000, 0x535353, 0xDFDDDD, 0xFFFFFF, 0xFFFFC0, 0xFFFF00, 0xFFEE00, 0xFFD000,
    0xFFA800, 0xFF8400, 0xFF7D96, 0xFF0000, 0xEB0000, 0xFF0091, 0xFF7FE7, 0xFF00FF,
    0xDF7FFF, 0xBF7FFF, 0x7F7FFF, 0x0000FF, 0x41B5FF, 0x7FC8FF, 0x7FE7FF, 0x7FFFFF,
    0x00FFFF, 0x00FF91, 0x03DC64, 0x07C754, 0x00DC00, 0x91FF00, 0xD2FF01, 0xE6FF00};

namespace {

const char kTitleLatin[] = "PondelHarbor";
const char kTitleKana[] = "\xE3\x83\x9D\xE3\x83\xB3\xE3\x83\x87\xE3\x83\xAB\xE3\x83\x8F\xE3\x83\xBC"
                          "\xE3\x83\x90\xE3\x83\xBC";  // katakana: po n de ru ha - ba -
const char kCredit[] = "\xC2\xA9 PondelHarbor Project";

struct Canvas {
  cairo_surface_t* s;
  cairo_t* cr;
  Canvas(int w, int h) {
    s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(s);
  }
  ~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(s);
  }
  RgbaImage image() { return FromCairo(s); }
};

void setRgb(cairo_t* cr, Rgb c, double a = 1) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, a);
}

bool nearKey(Rgb c) { return c.r < 24 && c.g < 24 && c.b > 200; }

// Title lettering: goldfish-coloured letters with a dark rim and a line of
// water under them.
void drawTitle(cairo_t* cr, bool kana, double x, double y, double w, double h, bool wave) {
  const double textH = wave ? h - 7 : h - 2;
  TextPathFitted(cr, kana ? Font::kKana : Font::kLatinBold, kana ? kTitleKana : kTitleLatin,
                 x + 2, y + 1.5, w - 4, textH - 1.5, 100, kana ? 0.86 : 0.8);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setRgb(cr, Rgb{48, 20, 8});
  cairo_set_line_width(cr, 2.6);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 1, 0, y + textH);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.93, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 1.0, 0.62, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.86, 0.22, 0.04);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_path_destroy(path);
  if (wave) {
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
      const double px = x + 3 + (w - 6) * i / 40.0;
      const double py = y + h - 3.5 + 1.3 * std::sin(i * 0.75);
      if (i == 0)
        cairo_move_to(cr, px, py);
      else
        cairo_line_to(cr, px, py);
    }
    cairo_set_line_width(cr, 2.2);
    setRgb(cr, Rgb{110, 210, 250});
    cairo_stroke(cr);
  }
}

// Fills the current path with a solid colour inside a round-joined rim of
// width rimW (no rim when rimW is 0); the path is consumed.
void rimAndFill(cairo_t* cr, Rgb rim, double rimW, Rgb fill) {
  cairo_path_t* path = cairo_copy_path(cr);
  if (rimW > 0) {
    setRgb(cr, rim);
    cairo_set_line_width(cr, rimW);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
  cairo_append_path(cr, path);
  setRgb(cr, fill);
  cairo_fill(cr);
  cairo_path_destroy(path);
}

void drawCredit(cairo_t* cr, double x, double y, double w, double h, double size, Rgb fill,
                Rgb rim, double rimW) {
  TextPathFitted(cr, Font::kLatin, kCredit, x, y, w, h, size);
  rimAndFill(cr, rim, rimW, fill);
}

RgbaImage overBlack(const RgbaImage& src) {
  RgbaImage out = src;
  for (size_t i = 0; i < out.px.size(); i += 4) {
    const unsigned a = out.px[i + 3];
    for (int c = 0; c < 3; ++c) out.px[i + size_t(c)] = uint8_t((out.px[i + size_t(c)] * a + 127) / 255);
    out.px[i + 3] = 255;
  }
  return out;
}

// Copies `img` into `dst` at (x, y); transparent pixels (alpha < 128) get
// `bg`, the others the nearest palette entry that is not keyed out.
void place(IndexedImage& dst, const RgbaImage& img, int x, int y, uint8_t bg,
           const std::vector<bool>& usable) {
  for (int j = 0; j < img.h; ++j)
    for (int i = 0; i < img.w; ++i) {
      const uint8_t* p = img.at(i, j);
      uint8_t v = bg;
      if (p[3] >= 128) {
        int best = 0;
        double bd = 1e18;
        for (size_t k = 0; k < dst.pal.size(); ++k) {
          if (!usable[k]) continue;
          const double dr = p[0] - dst.pal[k].r, dg = p[1] - dst.pal[k].g, db = p[2] - dst.pal[k].b;
          const double d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
          if (d < bd) {
            bd = d;
            best = int(k);
          }
        }
        v = uint8_t(best);
      }
      dst.at(x + i, y + j) = v;
    }
}

IndexedImage quantiseOpaque(const RgbaImage& img, int colours, double dither) {
  ColourHistogram h;
  h.addImage(img, 1.0);
  std::vector<Rgb> pal = h.palette(colours);
  for (Rgb& c : pal)
    if (nearKey(c)) c.r = c.g = 24;
  const int n = int(pal.size());
  while (int(pal.size()) < (1 << (colours > 16 ? 8 : 4))) pal.push_back(Rgb{});
  IndexedImage out = Quantise(img, pal, 0, n, dither, 0);
  out.pal = pal;
  return out;
}

Picture indexedPicture(const std::string& name, int bits, IndexedImage img) {
  Picture p;
  p.name = name;
  p.bits = bits;
  p.indexed = std::move(img);
  return p;
}

Picture rgbPicture(const std::string& name, RgbaImage img) {
  Picture p;
  p.name = name;
  p.bits = 24;
  p.rgb = std::move(img);
  return p;
}

std::string two(int n) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", n);
  return b;
}

// Mark frame: a light panel with a thin rim.
void markPanel(cairo_t* cr, int w, int h, Rgb top, Rgb bottom, Rgb rim) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  setRgb(cr, rim);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

RgbaImage fishMarkRgb(int kind) {
  Canvas c(70, 57);
  markPanel(c.cr, 70, 57, Rgb{222, 240, 252}, Rgb{150, 200, 236}, Rgb{70, 100, 130});
  DrawFishFitted(c.cr, kind, 3, 11, 64, 43, 180, 0);
  TextPathFitted(c.cr, Font::kLatinBold, two(kind), 3, 2, 40, 8, 8);
  rimAndFill(c.cr, Rgb{255, 255, 255}, 2.2, Rgb{20, 40, 80});
  return c.image();
}

RgbaImage greyMarkRgb(int kind) {
  RgbaImage img = fishMarkRgb(kind);
  for (size_t i = 0; i < img.px.size(); i += 4) {
    const double l = 0.3 * img.px[i] + 0.59 * img.px[i + 1] + 0.11 * img.px[i + 2];
    const uint8_t v = uint8_t(std::clamp(190 + (l - 150) * 0.3, 0.0, 255.0));
    img.px[i] = img.px[i + 1] = img.px[i + 2] = v;
  }
  Canvas c(70, 57);
  cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 70, 57);
  {
    cairo_surface_flush(src);
    unsigned char* d = cairo_image_surface_get_data(src);
    const int stride = cairo_image_surface_get_stride(src);
    for (int y = 0; y < 57; ++y)
      for (int x = 0; x < 70; ++x) {
        const uint8_t* p = img.at(x, y);
        const uint32_t v = 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        std::memcpy(d + y * stride + x * 4, &v, 4);
      }
    cairo_surface_mark_dirty(src);
  }
  cairo_set_source_surface(c.cr, src, 0, 0);
  cairo_paint(c.cr);
  cairo_surface_destroy(src);
  TextPathFitted(c.cr, Font::kLatinBold, "?", 20, 8, 30, 42, 42);
  rimAndFill(c.cr, Rgb{250, 250, 250}, 3, Rgb{96, 96, 100});
  return c.image();
}

RgbaImage offMarkRgb() {
  Canvas c(70, 57);
  markPanel(c.cr, 70, 57, Rgb{236, 236, 236}, Rgb{196, 196, 200}, Rgb{110, 110, 116});
  TextPathFitted(c.cr, Font::kLatinBold, "OFF", 10, 16, 50, 25, 25);
  setRgb(c.cr, Rgb{80, 80, 88});
  cairo_fill(c.cr);
  return c.image();
}

RgbaImage errorMarkRgb(int w, int h) {
  Canvas c(w, h);
  markPanel(c.cr, w, h, Rgb{246, 246, 246}, Rgb{214, 214, 214}, Rgb{110, 110, 116});
  const double r = std::min(w, h) * 0.36;
  cairo_arc(c.cr, w / 2.0, h / 2.0, r, 0, 2 * 3.14159265358979);
  setRgb(c.cr, Rgb{210, 30, 30});
  cairo_fill(c.cr);
  const double a = r * 0.5;
  cairo_move_to(c.cr, w / 2.0 - a, h / 2.0 - a);
  cairo_line_to(c.cr, w / 2.0 + a, h / 2.0 + a);
  cairo_move_to(c.cr, w / 2.0 + a, h / 2.0 - a);
  cairo_line_to(c.cr, w / 2.0 - a, h / 2.0 + a);
  setRgb(c.cr, Rgb{255, 255, 255});
  cairo_set_line_width(c.cr, std::max(2.0, r * 0.32));
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(c.cr);
  return c.image();
}

// Crisp black triangle on a button face, `depth` pixels from apex to base:
// `dir` 0 right, 1 left, 2 up, 3 down.
IndexedImage triangle(int w, int h, int dir, int depth) {
  IndexedImage img(w, h);
  img.pal = {Rgb{192, 192, 192}, Rgb{0, 0, 0}};
  img.pal.resize(16, Rgb{192, 192, 192});
  const bool horizontal = dir < 2;
  const int across = horizontal ? h : w;
  const int along = horizontal ? w : h;
  const int apex = across % 2 ? 1 : 2;
  const int start = (along - depth) / 2;
  for (int i = 0; i < depth; ++i) {  // i: distance from the apex
    const int len = apex + 2 * i;
    const int lo = (across - len) / 2;
    const int pos = (dir == 0 || dir == 3) ? start + depth - 1 - i : start + i;
    for (int k = lo; k < lo + len; ++k) {
      if (horizontal)
        img.at(pos, k) = 1;
      else
        img.at(k, pos) = 1;
    }
  }
  return img;
}

}  // namespace

Picture BuildBack() {
  // Fixed colours: the swatches (which include black and blue) and white.
  std::vector<Rgb> pal;
  auto addUnique = [&pal](Rgb c) {
    if (std::find(pal.begin(), pal.end(), c) == pal.end()) pal.push_back(c);
  };
  for (uint32_t c : kWaterLower) addUnique(rgb(c));
  for (uint32_t c : kWaterUpper) addUnique(rgb(c));
  addUnique(kKeyBlue);
  addUnique(Rgb{255, 255, 255});

  // Lettering: caption 169 x 19 and the two logos, 143 x 32 and 165 x 32.
  RgbaImage caption, kana, latin;
  {
    Canvas c(169, 20);
    drawCredit(c.cr, 3, 3, 163, 13, 12, Rgb{236, 236, 240}, Rgb{24, 24, 36}, 2.2);
    caption = c.image();
  }
  {
    Canvas c(143, 32);
    drawTitle(c.cr, true, 0, 0, 143, 32, true);
    kana = c.image();
  }
  {
    Canvas c(165, 32);
    drawTitle(c.cr, false, 0, 0, 165, 32, true);
    latin = c.image();
  }
  ColourHistogram hist;
  for (const RgbaImage* img : {&caption, &kana, &latin}) {
    hist.addImage(overBlack(*img), 1.0);
    hist.addImage(*img, 1.0);
  }
  const size_t fixed = pal.size();
  for (Rgb c : hist.palette(int(256 - fixed))) {
    if (nearKey(c)) c.r = c.g = 24;
    pal.push_back(c);
  }
  while (pal.size() < 256) pal.push_back(Rgb{});

  IndexedImage img(640, 100);
  img.pal = pal;
  auto index = [&pal](Rgb c) {
    return uint8_t(std::find(pal.begin(), pal.end(), c) - pal.begin());
  };
  const uint8_t black = index(Rgb{0, 0, 0}), blue = index(kKeyBlue);
  std::fill(img.idx.begin(), img.idx.end(), black);
  for (int n = 0; n < 32; ++n)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        img.at(10 * n + x, y) = index(rgb(kWaterUpper[n]));
        img.at(10 * n + x, 10 + y) = index(rgb(kWaterLower[n]));
      }
  std::vector<bool> usable(256, true);
  for (size_t k = 0; k < 256; ++k) usable[k] = !nearKey(pal[k]);
  // On black: caption rows 43..62, logos from rows 28 and 29.
  place(img, overBlack(caption), 1, 43, black, usable);
  place(img, overBlack(kana), 247, 28, black, usable);
  place(img, overBlack(latin), 416, 29, black, usable);
  // On blue: caption rows 71..89 (19 rows), logos from rows 63 and 64.
  RgbaImage caption19(169, 19);
  std::copy(caption.px.begin(), caption.px.begin() + 169 * 19 * 4, caption19.px.begin());
  place(img, caption19, 1, 71, blue, usable);
  place(img, kana, 247, 63, blue, usable);
  place(img, latin, 416, 64, blue, usable);
  return indexedPicture("BACK01", 8, std::move(img));
}

Picture BuildPreview() {
  Canvas c(152, 224);
  cairo_t* cr = c.cr;
  for (int panel = 0; panel < 2; ++panel) {
    const double y0 = panel * 112;
    cairo_save(cr);
    cairo_rectangle(cr, 0, y0, 152, 112);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y0 + 112);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.74, 0.9, 0.98);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.46, 0.74, 0.92);
    cairo_rectangle(cr, 0, y0, 152, 112);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Light shafts.
    for (int i = 0; i < 3; ++i) {
      const double x = 20 + 45 * i;
      cairo_move_to(cr, x, y0);
      cairo_line_to(cr, x + 14, y0);
      cairo_line_to(cr, x + 40, y0 + 112);
      cairo_line_to(cr, x + 22, y0 + 112);
      cairo_close_path(cr);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
      cairo_fill(cr);
    }
    // Sand and weed.
    cairo_move_to(cr, 0, y0 + 104);
    for (int i = 0; i <= 16; ++i) cairo_line_to(cr, i * 9.5, y0 + 103 + 2 * std::sin(i * 1.1));
    cairo_line_to(cr, 152, y0 + 112);
    cairo_line_to(cr, 0, y0 + 112);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.9, 0.82, 0.62);
    cairo_fill(cr);
    for (int w = 0; w < 5; ++w) {
      const double bx = (w < 3 ? 6 + 6 * w : 128 + 7 * (w - 3));
      cairo_move_to(cr, bx, y0 + 106);
      cairo_curve_to(cr, bx - 6, y0 + 88, bx + 8, y0 + 78, bx + 1 + (w % 2) * 3, y0 + 56 + 6 * w % 14);
      cairo_set_line_width(cr, 3.2 - 0.3 * w);
      cairo_set_source_rgb(cr, 0.16 + 0.05 * w, 0.56, 0.24);
      cairo_stroke(cr);
    }
    // Fish.
    DrawFish(cr, 1, 100, y0 + 60, 30, 188, 0);
    DrawFish(cr, 7, 46, y0 + 78, 26, 350, 1);
    DrawFish(cr, 8, 118, y0 + 88, 18, 168, -1);
    DrawFish(cr, 2, 44, y0 + 46, 22, 12, 0);
    // Bubbles.
    for (int i = 0; i < 5; ++i) {
      cairo_arc(cr, 70 + 3 * (i % 2), y0 + 52 - 7 * i, 1.2 + 0.35 * i, 0, 6.2832);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
    drawTitle(cr, panel == 0, 6, y0 + 4, 140, 24, false);
    drawCredit(cr, 14, y0 + 96, 124, 8, 8, Rgb{255, 255, 255}, Rgb{40, 70, 100}, 1.6);
    cairo_restore(cr);
  }
  RgbaImage img = c.image();
  for (size_t i = 0; i < img.px.size(); i += 4) img.px[i + 3] = 255;
  return rgbPicture("DSP01", std::move(img));
}

std::vector<Picture> BuildMarks(const Picture& back) {
  std::vector<Picture> out;
  for (int k = 1; k <= kKinds; ++k) {
    RgbaImage img = fishMarkRgb(k);
    if (k == 23 || k == 34)
      out.push_back(rgbPicture("FM" + two(k), std::move(img)));
    else
      out.push_back(indexedPicture("FM" + two(k), 4, quantiseOpaque(img, 16, 10)));
  }
  for (int k = 1; k <= kKinds; ++k)
    out.push_back(indexedPicture("FM" + two(k) + "N", 4, quantiseOpaque(greyMarkRgb(k), 16, 6)));
  out.push_back(indexedPicture("FM00N", 4, quantiseOpaque(offMarkRgb(), 16, 0)));
  out.push_back(indexedPicture("FMERR", 4, quantiseOpaque(errorMarkRgb(70, 57), 16, 0)));
  const std::vector<Rgb>& pal = back.indexed.pal;
  for (int pass = 0; pass < 2; ++pass)
    for (int n = 0; n < 32; ++n) {
      const Rgb want = rgb(pass == 0 ? kWaterUpper[n] : kWaterLower[n]);
      IndexedImage img(20, 24);
      img.pal = pal;
      const uint8_t v = uint8_t(std::find(pal.begin(), pal.end(), want) - pal.begin());
      std::fill(img.idx.begin(), img.idx.end(), v);
      out.push_back(indexedPicture("WC" + two(n + 1) + (pass ? "B" : ""), 8, std::move(img)));
    }
  out.push_back(indexedPicture("WCER", 4, quantiseOpaque(errorMarkRgb(32, 32), 16, 0)));
  out.push_back(indexedPicture("B01", 4, triangle(33, 13, 0, 5)));
  out.push_back(indexedPicture("B02", 4, triangle(33, 13, 1, 5)));
  out.push_back(indexedPicture("B03", 4, triangle(12, 14, 2, 5)));
  out.push_back(indexedPicture("B04", 4, triangle(12, 14, 3, 5)));
  out.push_back(indexedPicture("B05", 4, triangle(33, 20, 1, 6)));
  out.push_back(indexedPicture("B06", 4, triangle(33, 20, 0, 6)));
  return out;
}

Picture BuildSetupSide() {
  const int W = 164, H = 314;
  Canvas c(W, H);
  cairo_t* cr = c.cr;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.92, 0.99);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.42, 0.71, 0.91);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.47, 0.74);
  cairo_rectangle(cr, 0, 0, W, H);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Light shafts from the surface.
  for (int i = 0; i < 4; ++i) {
    const double x = -10 + 46 * i;
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + 18, 0);
    cairo_line_to(cr, x + 70, H);
    cairo_line_to(cr, x + 40, H);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.13);
    cairo_fill(cr);
  }
  // Sand, pebbles and weed.
  cairo_move_to(cr, 0, 286);
  for (int i = 0; i <= 20; ++i) cairo_line_to(cr, i * 8.2, 284 + 3 * std::sin(i * 0.9));
  cairo_line_to(cr, W, H);
  cairo_line_to(cr, 0, H);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.9, 0.82, 0.62);
  cairo_fill(cr);
  for (int i = 0; i < 9; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 9 + 18.5 * i, 297 + 6 * ((i * 5) % 3));
    cairo_scale(cr, 1, 0.6);
    cairo_arc(cr, 0, 0, 2.2 + (i * 7) % 4, 0, 2 * 3.14159265358979);
    cairo_restore(cr);
    const double v = 0.55 + 0.08 * ((i * 3) % 4);
    cairo_set_source_rgb(cr, v, v * 0.92, v * 0.8);
    cairo_fill(cr);
  }
  for (int w = 0; w < 7; ++w) {
    const double bx = w < 4 ? 8 + 7 * w : 132 + 8 * (w - 4);
    const double top = 170 + 23 * ((w * 5) % 4);
    cairo_move_to(cr, bx, 292);
    cairo_curve_to(cr, bx - 9, 252, bx + 11, 222, bx + 2 + (w % 2) * 5, top);
    cairo_set_line_width(cr, 4.2 - 0.35 * (w % 4));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 0.14 + 0.05 * (w % 3), 0.52 + 0.04 * (w % 2), 0.22);
    cairo_stroke(cr);
  }
  // A few goldfish and their bubbles.
  DrawFish(cr, 1, 98, 118, 54, 190, 0);
  DrawFish(cr, 7, 56, 176, 40, 345, 1);
  DrawFish(cr, 8, 112, 226, 34, 170, -1);
  DrawFish(cr, 2, 46, 250, 28, 15, 0);
  DrawFish(cr, 4, 128, 170, 22, 200, 1);
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, 70 + 3 * (i % 2), 110 - 10 * i, 1.5 + 0.45 * i, 0, 6.2832);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
  drawTitle(cr, false, 6, 18, 152, 38, true);
  RgbaImage img = c.image();
  for (size_t i = 0; i < img.px.size(); i += 4) img.px[i + 3] = 255;
  return rgbPicture("SetupSide", std::move(img));
}

Picture BuildSetupHeader(const std::vector<RgbaImage>& icon) {
  const int W = 150, H = 57;
  RgbaImage img(W, H);
  std::fill(img.px.begin(), img.px.end(), uint8_t(255));
  const RgbaImage& ic = icon.back();
  const int x0 = W - ic.w - 6, y0 = (H - ic.h) / 2;
  for (int y = 0; y < ic.h; ++y)
    for (int x = 0; x < ic.w; ++x) {
      const uint8_t* s = ic.at(x, y);
      uint8_t* d = img.at(x0 + x, y0 + y);
      for (int k = 0; k < 3; ++k) d[k] = uint8_t((s[k] * s[3] + 255 * (255 - s[3]) + 127) / 255);
    }
  return rgbPicture("SetupHeader", std::move(img));
}

std::vector<RgbaImage> BuildIcon() {
  std::vector<RgbaImage> out;
  for (int size : {16, 32, 48}) {
    Canvas c(size, size);
    const double r = size / 2.0 - 0.5;
    cairo_arc(c.cr, size / 2.0, size / 2.0, r, 0, 6.2832);
    cairo_pattern_t* g = cairo_pattern_create_radial(size * 0.4, size * 0.35, 0, size / 2.0,
                                                     size / 2.0, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.92, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.52, 0.82);
    cairo_set_source(c.cr, g);
    cairo_fill(c.cr);
    cairo_pattern_destroy(g);
    const double m = size * 0.06;
    DrawFishFitted(c.cr, 1, m, m, size - 2 * m, size - 2 * m, 200, 0);
    out.push_back(c.image());
  }
  return out;
}

}  // namespace art
