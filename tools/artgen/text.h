// Text drawing with fixed font files and no hinting, so that the same text
// gives the same pixels on every run.
#pragma once
#include <cairo.h>

#include <string>

namespace art {

enum class Font { kLatinBold, kLatin, kKana };

// Loads the fonts once; false (with a message on stderr) when a file is missing.
bool LoadFonts();

// Selects the font and size on cr, with hinting off and grey antialiasing.
void UseFont(cairo_t* cr, Font f, double size);

// Ink extents of `utf8` at the current font: x bearing, y bearing, width, height.
void InkExtents(cairo_t* cr, const std::string& utf8, double* xb, double* yb, double* w, double* h);

// Appends the outline of `utf8` to the current path so that its ink fits
// centred into the box (x, y, w, h), at most `maxSize` pixels high; the
// glyphs are narrowed to `condense` of their width.
void TextPathFitted(cairo_t* cr, Font f, const std::string& utf8, double x, double y, double w,
                    double h, double maxSize, double condense = 1.0);

}  // namespace art
