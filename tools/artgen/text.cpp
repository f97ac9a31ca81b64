#include "tools/artgen/text.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

namespace art {
namespace {

struct Face {
  const char* path;
  int index;
  FT_Face ft = nullptr;
  cairo_font_face_t* cf = nullptr;
};

FT_Library g_lib = nullptr;
Face g_faces[3] = {{"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0},
                   {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
                   {"/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 0}};

}  // namespace

bool LoadFonts() {
  if (g_lib) return true;
  if (FT_Init_FreeType(&g_lib) != 0) {
    std::fprintf(stderr, "artgen: FreeType failed to start\n");
    return false;
  }
  for (Face& f : g_faces) {
    if (FT_New_Face(g_lib, f.path, f.index, &f.ft) != 0) {
      std::fprintf(stderr, "artgen: cannot open font %s\n", f.path);
      return false;
    }
    f.cf = cairo_ft_font_face_create_for_ft_face(f.ft, FT_LOAD_NO_HINTING);
  }
  return true;
}

void UseFont(cairo_t* cr, Font f, double size) {
  cairo_set_font_face(cr, g_faces[int(f)].cf);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

void InkExtents(cairo_t* cr, const std::string& utf8, double* xb, double* yb, double* w, double* h) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  *xb = e.x_bearing;
  *yb = e.y_bearing;
  *w = e.width;
  *h = e.height;
}

void TextPathFitted(cairo_t* cr, Font f, const std::string& utf8, double x, double y, double w,
                    double h, double maxSize, double condense) {
  UseFont(cr, f, 100);
  double xb, yb, tw, th;
  InkExtents(cr, utf8, &xb, &yb, &tw, &th);
  const double s = std::min({w / (tw * condense), h / th, maxSize / std::max(th, 1.0)});
  UseFont(cr, f, 100 * s);
  InkExtents(cr, utf8, &xb, &yb, &tw, &th);
  cairo_save(cr);
  cairo_translate(cr, x + (w - tw * condense) / 2, y + (h - th) / 2);
  cairo_scale(cr, condense, 1);
  cairo_move_to(cr, -xb, -yb);
  cairo_text_path(cr, utf8.c_str());
  cairo_restore(cr);
}

}  // namespace art
