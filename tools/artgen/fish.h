// Goldfish drawings: the 35 kinds, drawn from a parametric side view into a
// sprite cell or anywhere on a cairo surface.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <vector>

#include "tools/artgen/image.h"

namespace art {

constexpr int kKinds = 35;
constexpr int kCellW = 106;
constexpr int kCellH = 86;

// Heading 1..24 as a screen angle in degrees (x right, y down), the direction
// of its step: heading 1 points down, 7 left, 13 up, 19 right, clockwise in
// steps of about 15 degrees.
double HeadingAngle(int heading);

// One sprite cell of kind 1..35, heading 1..24, frame 1..3, as straight RGBA
// (antialiased; the caller thresholds alpha). `eye`, when given, receives a
// 0..255 coverage mask of the pupils.
RgbaImage RenderCell(int kind, int heading, int frame, std::vector<uint8_t>* eye);

// Draws kind 1..35 with its body centre at (cx, cy), body length `lengthPx`,
// nose towards screen angle `angleDeg`, in beat -1, 0 or 1.
void DrawFish(cairo_t* cr, int kind, double cx, double cy, double lengthPx, double angleDeg,
              int beat);

// Draws kind 1..35 as large as fits the box (x, y, w, h), nose towards
// `angleDeg`.
void DrawFishFitted(cairo_t* cr, int kind, double x, double y, double w, double h,
                    double angleDeg, int beat);

// Short description of a kind, for the review sheets.
const char* KindName(int kind);

// Converts a cairo ARGB32 surface (premultiplied) to straight RGBA.
RgbaImage FromCairo(cairo_surface_t* s);

}  // namespace art
