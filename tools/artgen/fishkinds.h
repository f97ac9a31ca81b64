// The catalogue of the 35 goldfish kinds (private to the art generator's fish
// drawing): each kind's body, fins, tail, head and colours as plain
// parameters. fishgeom.cpp turns a kind into shapes; fish.cpp renders them.
#pragma once
#include <array>
#include <cstdint>

#include "tools/artgen/fish.h"
#include "tools/artgen/image.h"

namespace art::fishpart {

enum Eye { kEyeNormal, kEyeTelescope, kEyeCelestial, kEyeBubble };
enum Wen { kWenNone, kWenOranda, kWenLion, kWenRanchu, kWenCap };
enum Pattern { kSolid, kPatches, kCalico, kTiger, kPanda, kSpeckle, kTwoTone };

struct Tail {
  double len = 0.4;     // length behind the peduncle (body length = 1)
  double upLen = 1.0;   // relative length of the upper lobe
  double dnLen = 1.0;   // and of the lower lobe
  double su = 0.22;     // spread of the upper lobe tip above the axis
  double sd = 0.2;      // and of the lower one below it
  double fork = 0.45;   // depth of the fork, 0..1 of the length
  double round = 0.0;   // bulge of the trailing edges (negative: hollow)
  double flare = 0.5;   // how early the lobes spread
  double ruffle = 0.0;  // wave on the trailing edge
  double droop = 0.0;   // degrees, negative turns the tail downwards
  bool dbl = false;     // double tail (two halves seen from the side)
};

struct Colours {
  Rgb back, body, belly;  // body shading from the back down
  Rgb finBase, finEdge;   // fins from their base to the rim
  Rgb ray;                // fin rays
  Rgb pat1, pat2;         // pattern colours
  Rgb wen;                // head growth
  Rgb iris;
  Rgb extra;              // eye sacs, pompoms
  Pattern pattern = kSolid;
  int patches = 4;
  bool finPattern = false;  // the pattern also marks the fins
  bool pearl = false;
  bool sheen = true;
};

struct Kind {
  const char* name;
  double ht = 0.2, hb = 0.19;        // half heights above / below the axis
  double peakT = 0.55, peakB = 0.5;  // where back and belly are deepest
  double ped = 0.32;                 // peduncle height relative to the deepest point
  double q = 0.75;                   // bluntness (lower is blunter)
  double noseY = 0.0;
  double hump = 0.0;                 // rise of the back behind the head
  Tail tail;
  int dorsal = 1;                    // 0 none, 1 normal, 2 tall
  double dorsalH = 0.16;
  double finLen = 1.0;
  bool doubleAnal = false;
  Eye eye = kEyeNormal;
  Wen wen = kWenNone;
  double wenSize = 1.0;
  bool pompom = false;
  Colours col;
  uint32_t seed = 1;
};

// Kind k (1..35) is kinds()[k - 1].
const std::array<Kind, kKinds>& kinds();

}  // namespace art::fishpart
