#include "tools/artgen/fish.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct P {
  double x, y;
};
using Poly = std::vector<P>;

P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
P operator*(P a, double s) { return {a.x * s, a.y * s}; }
P lerp(P a, P b, double t) { return a + (b - a) * t; }
P rotAbout(P p, P c, double deg) {
  const double r = deg * kPi / 180, cs = std::cos(r), sn = std::sin(r);
  const P d = p - c;
  return {c.x + d.x * cs - d.y * sn, c.y + d.x * sn + d.y * cs};
}

Rgb mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
  return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}
Rgb shade(Rgb a, double f) {
  auto m = [f](uint8_t x) { return uint8_t(std::clamp(std::lround(x * f), 0L, 255L)); };
  return Rgb{m(a.r), m(a.g), m(a.b)};
}
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

// Deterministic pseudo-random numbers for the colour patterns.
struct Rand {
  uint32_t s;
  double next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return (s & 0xFFFFFF) / double(0x1000000);
  }
  double in(double a, double b) { return a + (b - a) * next(); }
};

// ---------------------------------------------------------------- kinds

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

Colours orange() {
  Colours c;
  c.back = {205, 72, 12};
  c.body = {246, 122, 24};
  c.belly = {255, 196, 104};
  c.finBase = {246, 128, 40};
  c.finEdge = {255, 214, 168};
  c.ray = {215, 90, 30};
  c.pat1 = c.pat2 = c.body;
  c.wen = {236, 96, 26};
  c.iris = {212, 168, 52};
  c.extra = {255, 190, 140};
  return c;
}
Colours red() {
  Colours c = orange();
  c.back = {160, 18, 14};
  c.body = {222, 40, 22};
  c.belly = {252, 136, 92};
  c.finBase = {226, 52, 34};
  c.finEdge = {255, 180, 160};
  c.ray = {180, 30, 20};
  c.wen = {204, 30, 20};
  return c;
}
Colours white() {
  Colours c = orange();
  c.back = {208, 204, 200};
  c.body = {246, 242, 234};
  c.belly = {255, 255, 252};
  c.finBase = {240, 236, 230};
  c.finEdge = {255, 255, 255};
  c.ray = {205, 200, 196};
  c.wen = {236, 230, 222};
  c.iris = {150, 150, 160};
  return c;
}
Colours black() {
  Colours c = orange();
  c.back = {18, 16, 20};
  c.body = {40, 36, 42};
  c.belly = {74, 66, 64};
  c.finBase = {34, 30, 36};
  c.finEdge = {92, 84, 88};
  c.ray = {16, 14, 18};
  c.wen = {36, 32, 36};
  c.iris = {110, 96, 70};
  c.sheen = true;
  return c;
}
Colours yellow() {
  Colours c = orange();
  c.back = {222, 164, 26};
  c.body = {250, 212, 58};
  c.belly = {255, 242, 168};
  c.finBase = {250, 218, 90};
  c.finEdge = {255, 246, 200};
  c.ray = {220, 170, 40};
  c.wen = {246, 196, 48};
  return c;
}
Colours redWhite(uint32_t patches) {
  Colours c = white();
  c.pattern = kPatches;
  c.pat1 = {218, 36, 20};
  c.patches = int(patches);
  c.wen = {220, 44, 26};
  return c;
}
Colours calico() {
  Colours c = orange();
  c.back = {120, 138, 170};
  c.body = {196, 210, 222};
  c.belly = {236, 238, 240};
  c.finBase = {180, 196, 212};
  c.finEdge = {236, 240, 246};
  c.ray = {60, 56, 70};
  c.pattern = kCalico;
  c.pat1 = {234, 98, 34};
  c.pat2 = {28, 26, 34};
  c.patches = 4;
  c.finPattern = true;
  c.wen = {228, 120, 60};
  c.iris = {80, 80, 96};
  return c;
}
Colours chocolate() {
  Colours c = orange();
  c.back = {84, 42, 20};
  c.body = {134, 72, 34};
  c.belly = {196, 136, 84};
  c.finBase = {128, 70, 36};
  c.finEdge = {206, 164, 120};
  c.ray = {80, 40, 18};
  c.wen = {150, 84, 40};
  return c;
}
Colours slate() {
  Colours c = orange();
  c.back = {64, 80, 108};
  c.body = {112, 132, 160};
  c.belly = {200, 204, 212};
  c.finBase = {104, 122, 150};
  c.finEdge = {196, 206, 220};
  c.ray = {60, 72, 96};
  c.wen = {126, 140, 164};
  c.iris = {160, 140, 90};
  return c;
}

Tail tailComet() {
  Tail t;
  t.len = 0.78;
  t.su = 0.34;
  t.sd = 0.32;
  t.fork = 0.62;
  t.round = 0.4;
  t.flare = 0.7;
  return t;
}
Tail tailRound(double len) {
  Tail t;
  t.len = len;
  t.su = 0.28;
  t.sd = 0.27;
  t.fork = 0.42;
  t.round = 0.6;
  t.flare = 0.55;
  return t;
}
Tail tailFan(double len) {
  Tail t;
  t.len = len;
  t.su = 0.3;
  t.sd = 0.31;
  t.fork = 0.36;
  t.round = 0.4;
  t.flare = 0.6;
  t.droop = -6;
  t.dbl = true;
  return t;
}
Tail tailVeil() {
  Tail t;
  t.len = 0.95;
  t.upLen = 0.9;
  t.dnLen = 1.0;
  t.su = 0.32;
  t.sd = 0.48;
  t.fork = 0.08;
  t.round = 0.15;
  t.flare = 0.7;
  t.ruffle = 0.022;
  t.droop = -14;
  t.dbl = true;
  return t;
}
Tail tailRanchu() {
  Tail t;
  t.len = 0.34;
  t.su = 0.2;
  t.sd = 0.22;
  t.fork = 0.38;
  t.round = 0.5;
  t.flare = 0.6;
  t.droop = -30;
  t.dbl = true;
  return t;
}
Tail tailButterfly() {
  Tail t;
  t.len = 0.44;
  t.su = 0.48;
  t.sd = 0.48;
  t.fork = 0.3;
  t.round = 0.65;
  t.flare = 0.95;
  t.dbl = true;
  return t;
}
Tail tailTosa() {
  Tail t;
  t.len = 0.5;
  t.upLen = 0.9;
  t.su = 0.52;
  t.sd = 0.4;
  t.fork = 0.16;
  t.round = 0.75;
  t.flare = 0.9;
  t.ruffle = 0.03;
  t.droop = 4;
  t.dbl = true;
  return t;
}
Tail tailPeacock() {
  Tail t;
  t.len = 0.36;
  t.su = 0.4;
  t.sd = 0.4;
  t.fork = 0.62;
  t.round = 0.15;
  t.flare = 1.0;
  t.dbl = true;
  return t;
}

// Body presets.
Kind slim(const char* name) {
  Kind k;
  k.name = name;
  return k;
}
Kind egg(const char* name) {
  Kind k;
  k.name = name;
  k.ht = 0.29;
  k.hb = 0.29;
  k.peakT = 0.55;
  k.peakB = 0.48;
  k.ped = 0.24;
  k.q = 0.62;
  k.tail = tailFan(0.5);
  k.dorsalH = 0.2;
  k.doubleAnal = true;
  return k;
}
Kind round(const char* name) {
  Kind k = egg(name);
  k.ht = 0.33;
  k.hb = 0.35;
  k.peakT = 0.5;
  k.peakB = 0.45;
  k.ped = 0.2;
  k.q = 0.55;
  k.noseY = -0.03;
  k.tail = tailFan(0.42);
  return k;
}
Kind noDorsal(const char* name) {
  Kind k = egg(name);
  k.dorsal = 0;
  k.ht = 0.31;
  k.hb = 0.33;
  k.peakT = 0.45;
  k.q = 0.5;
  k.noseY = -0.03;
  k.tail = tailRanchu();
  return k;
}

std::array<Kind, kKinds> buildKinds() {
  std::array<Kind, kKinds> K;
  int i = 0;
  // 1..7: the everyday kinds.
  {  // common goldfish
    Kind k = slim("common goldfish");
    k.col = orange();
    K[i++] = k;
  }
  {  // comet: slim, long forked tail, long fins
    Kind k = slim("comet");
    k.ht = 0.18;
    k.hb = 0.17;
    k.tail = tailComet();
    k.col = orange();
    k.col.back = {226, 110, 10};
    k.col.body = {252, 160, 30};
    k.col.belly = {255, 222, 120};
    k.col.finBase = {252, 150, 40};
    k.finLen = 1.3;
    k.dorsalH = 0.2;
    K[i++] = k;
  }
  {  // wakin: red and white, short double tail
    Kind k = slim("wakin");
    k.ht = 0.22;
    k.hb = 0.21;
    k.tail = tailFan(0.4);
    k.tail.droop = 0;
    k.col = redWhite(5);
    k.col.finBase = {236, 80, 60};
    k.seed = 3;
    K[i++] = k;
  }
  {  // fantail
    Kind k = egg("fantail");
    k.col = orange();
    K[i++] = k;
  }
  {  // black moor
    Kind k = egg("black moor");
    k.eye = kEyeTelescope;
    k.tail = tailFan(0.58);
    k.col = black();
    K[i++] = k;
  }
  {  // shubunkin: calico, slim, rounded long tail
    Kind k = slim("shubunkin");
    k.tail = tailRound(0.62);
    k.finLen = 1.2;
    k.col = calico();
    k.seed = 6;
    K[i++] = k;
  }
  {  // ryukin: high shoulder hump, long double tail, tall dorsal
    Kind k = egg("ryukin");
    k.ht = 0.36;
    k.peakT = 0.6;
    k.hump = 0.06;
    k.tail = tailFan(0.72);
    k.tail.su = 0.36;
    k.tail.sd = 0.4;
    k.dorsal = 2;
    k.dorsalH = 0.26;
    k.finLen = 1.3;
    k.col = redWhite(3);
    k.col.pat1 = {230, 34, 24};
    k.seed = 7;
    K[i++] = k;
  }
  // 8..14
  {  // oranda
    Kind k = egg("oranda");
    k.wen = kWenOranda;
    k.tail = tailFan(0.66);
    k.finLen = 1.2;
    k.col = orange();
    k.col.back = {200, 50, 12};
    k.col.body = {240, 92, 20};
    K[i++] = k;
  }
  {  // red telescope eye
    Kind k = egg("red telescope");
    k.eye = kEyeTelescope;
    k.col = red();
    k.col.iris = {70, 40, 30};
    K[i++] = k;
  }
  {  // pearlscale: ball body, pearl scales
    Kind k = round("pearlscale");
    k.ht = 0.36;
    k.hb = 0.4;
    k.col = orange();
    k.col.back = {214, 128, 30};
    k.col.body = {244, 176, 64};
    k.col.belly = {255, 230, 176};
    k.col.pearl = true;
    k.tail = tailFan(0.36);
    K[i++] = k;
  }
  {  // ranchu
    Kind k = noDorsal("ranchu");
    k.wen = kWenRanchu;
    k.col = red();
    K[i++] = k;
  }
  {  // calico telescope
    Kind k = egg("calico telescope");
    k.eye = kEyeTelescope;
    k.tail = tailFan(0.56);
    k.col = calico();
    k.seed = 12;
    K[i++] = k;
  }
  {  // sarasa comet: red and white comet
    Kind k = slim("sarasa comet");
    k.ht = 0.18;
    k.hb = 0.17;
    k.tail = tailComet();
    k.tail.len = 0.9;
    k.finLen = 1.4;
    k.col = redWhite(3);
    k.col.finBase = {246, 240, 236};
    k.col.pat1 = {210, 20, 18};
    k.seed = 13;
    K[i++] = k;
  }
  {  // veiltail
    Kind k = egg("veiltail");
    k.tail = tailVeil();
    k.dorsal = 2;
    k.dorsalH = 0.34;
    k.finLen = 1.6;
    k.col = orange();
    k.col.back = {230, 130, 20};
    k.col.body = {252, 172, 44};
    k.col.finBase = {252, 170, 70};
    K[i++] = k;
  }
  // 15..21
  {  // lionhead: big hood, no dorsal
    Kind k = noDorsal("lionhead");
    k.wen = kWenLion;
    k.wenSize = 1.2;
    k.col = redWhite(3);
    k.col.wen = {226, 50, 28};
    k.seed = 15;
    K[i++] = k;
  }
  {  // bubble eye
    Kind k = noDorsal("bubble eye");
    k.eye = kEyeBubble;
    k.tail = tailFan(0.5);
    k.tail.droop = -12;
    k.col = orange();
    k.col.extra = {255, 214, 170};
    K[i++] = k;
  }
  {  // celestial eye
    Kind k = noDorsal("celestial eye");
    k.eye = kEyeCelestial;
    k.ht = 0.22;
    k.hb = 0.25;
    k.tail = tailFan(0.5);
    k.tail.droop = -8;
    k.col = yellow();
    k.col.back = {236, 140, 20};
    k.col.body = {252, 186, 40};
    K[i++] = k;
  }
  {  // red cap oranda: white with a red crown
    Kind k = egg("red cap oranda");
    k.wen = kWenCap;
    k.tail = tailFan(0.68);
    k.finLen = 1.2;
    k.col = white();
    k.col.wen = {226, 26, 22};
    K[i++] = k;
  }
  {  // panda moor
    Kind k = egg("panda moor");
    k.eye = kEyeTelescope;
    k.tail = tailButterfly();
    k.tail.su = 0.38;
    k.tail.sd = 0.38;
    k.col = white();
    k.col.pattern = kPanda;
    k.col.pat1 = {26, 24, 28};
    k.col.finBase = {32, 30, 34};
    k.col.finEdge = {230, 228, 226};
    k.col.ray = {20, 20, 22};
    k.col.patches = 3;
    k.col.iris = {30, 28, 30};
    k.seed = 19;
    K[i++] = k;
  }
  {  // pompom
    Kind k = egg("pompom");
    k.pompom = true;
    k.col = red();
    k.col.back = {180, 40, 30};
    k.col.body = {236, 84, 50};
    k.col.extra = {255, 200, 190};
    k.tail = tailFan(0.48);
    K[i++] = k;
  }
  {  // butterfly tail
    Kind k = egg("butterfly tail");
    k.eye = kEyeTelescope;
    k.tail = tailButterfly();
    k.col = orange();
    k.col.back = {196, 40, 14};
    k.col.body = {236, 72, 24};
    k.col.finBase = {240, 90, 40};
    k.col.finEdge = {40, 32, 34};
    k.col.ray = {120, 30, 20};
    K[i++] = k;
  }
  // 22..28
  {  // chocolate oranda
    Kind k = egg("chocolate oranda");
    k.wen = kWenOranda;
    k.tail = tailFan(0.64);
    k.col = chocolate();
    K[i++] = k;
  }
  {  // calico ryukin
    Kind k = egg("calico ryukin");
    k.ht = 0.36;
    k.peakT = 0.6;
    k.hump = 0.06;
    k.tail = tailFan(0.76);
    k.tail.su = 0.36;
    k.tail.sd = 0.42;
    k.dorsal = 2;
    k.dorsalH = 0.26;
    k.finLen = 1.3;
    k.col = calico();
    k.col.patches = 6;
    k.seed = 23;
    K[i++] = k;
  }
  {  // blue oranda
    Kind k = egg("blue oranda");
    k.wen = kWenOranda;
    k.tail = tailFan(0.66);
    k.col = slate();
    K[i++] = k;
  }
  {  // golden ranchu
    Kind k = noDorsal("golden ranchu");
    k.wen = kWenRanchu;
    k.wenSize = 1.1;
    k.col = yellow();
    K[i++] = k;
  }
  {  // calico oranda with a long tail
    Kind k = egg("calico oranda");
    k.wen = kWenOranda;
    k.tail = tailVeil();
    k.tail.len = 0.8;
    k.col = calico();
    k.col.patches = 5;
    k.col.wen = {236, 110, 50};
    k.dorsalH = 0.24;
    k.seed = 26;
    K[i++] = k;
  }
  {  // tosakin: curled, spread tail
    Kind k = egg("tosakin");
    k.tail = tailTosa();
    k.col = red();
    k.col.back = {190, 30, 20};
    k.col.body = {240, 60, 30};
    K[i++] = k;
  }
  {  // peacock tail: white body, red fins and lips
    Kind k = slim("peacock tail");
    k.ht = 0.23;
    k.hb = 0.22;
    k.tail = tailPeacock();
    k.col = white();
    k.col.finBase = {226, 34, 22};
    k.col.finEdge = {255, 150, 130};
    k.col.ray = {170, 20, 16};
    k.col.wen = {226, 34, 22};
    k.wen = kWenNone;
    k.seed = 28;
    K[i++] = k;
  }
  // 29..35: guests, the most striking kinds.
  {  // tiger oranda
    Kind k = egg("tiger oranda");
    k.wen = kWenOranda;
    k.wenSize = 1.1;
    k.tail = tailFan(0.7);
    k.col = orange();
    k.col.pattern = kTiger;
    k.col.pat1 = {30, 20, 16};
    k.col.finEdge = {60, 40, 30};
    k.col.finPattern = true;
    k.seed = 29;
    K[i++] = k;
  }
  {  // panda butterfly
    Kind k = egg("panda butterfly");
    k.eye = kEyeTelescope;
    k.tail = tailButterfly();
    k.tail.su = 0.56;
    k.tail.sd = 0.56;
    k.tail.len = 0.5;
    k.col = white();
    k.col.pattern = kPanda;
    k.col.pat1 = {20, 20, 24};
    k.col.finBase = {250, 250, 250};
    k.col.finEdge = {16, 16, 20};
    k.col.ray = {60, 60, 64};
    k.col.patches = 4;
    k.col.iris = {20, 20, 24};
    k.col.finPattern = false;
    k.seed = 30;
    K[i++] = k;
  }
  {  // crown pearlscale: pearl ball with a head bubble
    Kind k = round("crown pearlscale");
    k.ht = 0.38;
    k.hb = 0.42;
    k.wen = kWenCap;
    k.wenSize = 1.25;
    k.col = redWhite(3);
    k.col.pearl = true;
    k.col.wen = {240, 120, 60};
    k.tail = tailFan(0.4);
    k.seed = 31;
    K[i++] = k;
  }
  {  // sakura: pink speckled
    Kind k = egg("sakura oranda");
    k.wen = kWenOranda;
    k.tail = tailVeil();
    k.tail.len = 0.85;
    k.col = white();
    k.col.back = {236, 170, 178};
    k.col.body = {252, 206, 210};
    k.col.belly = {255, 240, 240};
    k.col.finBase = {250, 196, 204};
    k.col.finEdge = {255, 246, 248};
    k.col.ray = {232, 150, 164};
    k.col.pattern = kSpeckle;
    k.col.pat1 = {216, 60, 80};
    k.col.wen = {238, 120, 140};
    k.seed = 32;
    K[i++] = k;
  }
  {  // silver veiltail with a gold hood
    Kind k = egg("platinum veiltail");
    k.wen = kWenOranda;
    k.wenSize = 0.9;
    k.tail = tailVeil();
    k.tail.len = 1.05;
    k.tail.sd = 0.55;
    k.dorsal = 2;
    k.dorsalH = 0.36;
    k.finLen = 1.7;
    k.col = white();
    k.col.back = {168, 176, 188};
    k.col.body = {222, 228, 236};
    k.col.wen = {250, 190, 40};
    k.col.ray = {170, 176, 190};
    k.seed = 33;
    K[i++] = k;
  }
  {  // jewel calico lionhead
    Kind k = noDorsal("jewel calico lionhead");
    k.wen = kWenLion;
    k.wenSize = 1.25;
    k.tail = tailTosa();
    k.tail.len = 0.42;
    k.tail.droop = -18;
    k.col = calico();
    k.col.back = {96, 120, 176};
    k.col.pat1 = {250, 70, 40};
    k.col.pat2 = {20, 18, 26};
    k.col.patches = 6;
    k.col.wen = {255, 170, 40};
    k.seed = 34;
    K[i++] = k;
  }
  {  // black and gold dragon: gold body, black back and fins
    Kind k = egg("black and gold dragon");
    k.eye = kEyeTelescope;
    k.tail = tailVeil();
    k.tail.len = 0.9;
    k.dorsal = 2;
    k.dorsalH = 0.32;
    k.finLen = 1.5;
    k.col = yellow();
    k.col.back = {30, 24, 20};
    k.col.body = {252, 190, 30};
    k.col.belly = {255, 236, 140};
    k.col.pattern = kTwoTone;
    k.col.pat1 = {28, 22, 20};
    k.col.finBase = {30, 26, 24};
    k.col.finEdge = {250, 196, 60};
    k.col.ray = {240, 170, 30};
    k.col.iris = {240, 180, 30};
    k.seed = 35;
    K[i++] = k;
  }
  return K;
}

const std::array<Kind, kKinds>& kinds() {
  static const std::array<Kind, kKinds> k = buildKinds();
  return k;
}

// ---------------------------------------------------------------- drawing

struct Stop {
  double at;
  Rgb c;
  double a;
};

struct Paint {
  enum Type { kSolid, kLinear, kRadial } type = kSolid;
  std::vector<Stop> stops;
  P p0{0, 0}, p1{0, 0};
  double r0 = 0, r1 = 0;
};

Paint solid(Rgb c, double a = 1) {
  Paint p;
  p.stops = {{0, c, a}};
  return p;
}
Paint linear(P p0, P p1, std::vector<Stop> stops) {
  Paint p;
  p.type = Paint::kLinear;
  p.p0 = p0;
  p.p1 = p1;
  p.stops = std::move(stops);
  return p;
}
Paint radial(P c, double r, std::vector<Stop> stops) {
  Paint p;
  p.type = Paint::kRadial;
  p.p0 = p.p1 = c;
  p.r0 = 0;
  p.r1 = r;
  p.stops = std::move(stops);
  return p;
}

struct Op {
  enum Kind { kFill, kStroke, kClip, kUnclip, kPupil } kind;
  Poly poly;
  Paint paint;
  double width = 0;
  bool closed = true;
};

// Fish space: body from the peduncle at x = -0.5 to the nose at x = 0.5,
// y up. Every shape is warped by the tail beat before it is stored.
class Drawing {
 public:
  explicit Drawing(double beat) : beat_(beat) {}
  P warp(P p) const {
    const double xb = 0.1;
    if (p.x < xb) {
      const double d = xb - p.x;
      p.y += beat_ * 0.11 * d * d;
    }
    return p;
  }
  Poly warp(const Poly& in) const {
    Poly out;
    out.reserve(in.size());
    for (P p : in) out.push_back(warp(p));
    return out;
  }
  Paint warp(Paint p) const {
    p.p0 = warp(p.p0);
    p.p1 = warp(p.p1);
    return p;
  }
  void fill(const Poly& poly, const Paint& paint) { ops.push_back({Op::kFill, warp(poly), warp(paint), 0, true}); }
  void stroke(const Poly& poly, double width, const Paint& paint, bool closed = false) {
    ops.push_back({Op::kStroke, warp(poly), warp(paint), width, closed});
  }
  void clip(const Poly& poly) { ops.push_back({Op::kClip, warp(poly), Paint{}, 0, true}); }
  void unclip() { ops.push_back({Op::kUnclip, {}, Paint{}, 0, true}); }
  void pupil(const Poly& poly) { ops.push_back({Op::kPupil, warp(poly), solid(kBlack), 0, true}); }
  double beat() const { return beat_; }
  std::vector<Op> ops;

 private:
  double beat_;
};

Poly circle(P c, double rx, double ry = -1, double rotDeg = 0, int n = 28) {
  if (ry < 0) ry = rx;
  Poly p;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    p.push_back(rotAbout({c.x + rx * std::cos(a), c.y + ry * std::sin(a)}, c, rotDeg));
  }
  return p;
}

// Irregular blob for colour patches.
Poly blob(P c, double rx, double ry, double rotDeg, Rand& rnd) {
  const double p1 = rnd.in(0, 2 * kPi), p2 = rnd.in(0, 2 * kPi);
  const double a1 = rnd.in(0.1, 0.22), a2 = rnd.in(0.05, 0.15);
  Poly p;
  const int n = 36;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    const double f = 1 + a1 * std::sin(3 * a + p1) + a2 * std::sin(5 * a + p2);
    p.push_back(rotAbout({c.x + rx * f * std::cos(a), c.y + ry * f * std::sin(a)}, c, rotDeg));
  }
  return p;
}

void quad(Poly& out, P a, P c, P b, int n, bool skipFirst = true) {
  for (int i = skipFirst ? 1 : 0; i <= n; ++i) {
    const double t = double(i) / n;
    out.push_back(a * ((1 - t) * (1 - t)) + c * (2 * (1 - t) * t) + b * (t * t));
  }
}

// ------------------------------------------------------------ the model

class FishModel {
 public:
  FishModel(const Kind& k) : k_(k) {}

  double top(double t) const { return centre(t) + k_.ht * env(t, k_.peakT) + hump(t); }
  double bot(double t) const { return centre(t) - k_.hb * env(t, k_.peakB); }
  static double X(double t) { return -0.5 + t; }

  void draw(Drawing& d) const {
    const Colours& c = k_.col;
    const double b = d.beat();
    // Far-side fins, partly hidden by the body.
    drawPectoral(d, 0.72, -0.2, 206 + 8 * b, 0.85, 0.8);
    drawPelvic(d, 0.5, 232 - 4 * b, 0.8);
    drawTail(d);
    if (k_.dorsal) drawDorsal(d);
    drawAnal(d);
    drawBody(d);
    drawHead(d);
    drawPelvic(d, 0.47, 240 + 5 * b, 1.0);
    drawPectoral(d, 0.7, -0.3, 218 - 10 * b, 1.0, 1.0);
    (void)c;
  }

  Poly bodyOutline() const {
    Poly p;
    const int n = 48;
    for (int i = 0; i <= n; ++i) {
      const double t = double(i) / n;
      p.push_back({X(t), top(t)});
    }
    for (int i = n; i >= 0; --i) {
      const double t = double(i) / n;
      p.push_back({X(t), bot(t)});
    }
    // A short extension into the tail root keeps the joint closed.
    p.push_back({X(0) - 0.04, bot(0) * 0.7});
    p.push_back({X(0) - 0.04, top(0) * 0.7});
    return p;
  }

 private:
  double env(double t, double peak) const {
    const double q = k_.q;
    const double u0 = std::asin(std::pow(k_.ped, 1 / q)) / kPi;
    const double pexp = std::log((0.5 - u0) / (1 - u0)) / std::log(peak);
    const double u = u0 + (1 - u0) * std::pow(std::clamp(t, 0.0, 1.0), pexp);
    return std::pow(std::max(0.0, std::sin(kPi * u)), q);
  }
  double centre(double t) const { return k_.noseY * t * t * t; }
  double hump(double t) const {
    if (k_.hump <= 0) return 0;
    const double x = (t - 0.58) / 0.22;
    return k_.hump * std::exp(-x * x) * (t < 0.95 ? 1 : 0.5);
  }
  double bodyScale() const { return (k_.ht + k_.hb) / 0.39; }

  Paint finPaint(P base, P tip, double shadeF) const {
    const Colours& c = k_.col;
    return linear(base, tip, {{0, shade(c.finBase, shadeF), 1},
                              {0.55, shade(mix(c.finBase, c.finEdge, 0.45), shadeF), 1},
                              {1, shade(c.finEdge, shadeF), 1}});
  }

  // Leaf-shaped fin from `base`, pointing at `deg` (fish space), length L,
  // width W.
  Poly leaf(P base, double deg, double L, double W) const {
    Poly p;
    const int n = 14;
    const double r = deg * kPi / 180;
    const P dir{std::cos(r), std::sin(r)}, nrm{-dir.y, dir.x};
    for (int i = 0; i <= n; ++i) {
      const double s = double(i) / n;
      const double w = W * std::pow(std::sin(kPi * std::pow(s, 0.55)), 0.8) + W * 0.25 * (1 - s);
      p.push_back(base + dir * (L * s) + nrm * w);
    }
    for (int i = n; i >= 0; --i) {
      const double s = double(i) / n;
      const double w = W * 0.6 * std::pow(std::sin(kPi * std::pow(s, 0.7)), 0.8) + W * 0.25 * (1 - s);
      p.push_back(base + dir * (L * s) - nrm * w);
    }
    return p;
  }

  void finRays(Drawing& d, P root, const Poly& edge, double shadeF, int every = 3) const {
    for (size_t i = 0; i < edge.size(); i += size_t(every)) {
      Poly ray{root, lerp(root, edge[i], 0.92)};
      d.stroke(ray, 0.008, solid(shade(k_.col.ray, shadeF), 0.55));
    }
  }

  void drawPectoral(Drawing& d, double t, double yRel, double deg, double shadeF, double size) const {
    const double L = 0.2 * k_.finLen * size * std::sqrt(bodyScale());
    const P base{X(t), centre(t) + yRel * k_.hb};
    Poly f = leaf(base, deg, L, L * 0.34);
    const double r = deg * kPi / 180;
    const P tip = base + P{std::cos(r), std::sin(r)} * L;
    d.fill(f, finPaint(base, tip, shadeF));
    d.clip(f);
    Poly rays;
    for (int i = 0; i <= 6; ++i) rays.push_back(rotAbout(tip, base, -20 + 40.0 * i / 6));
    finRays(d, base, rays, shadeF, 1);
    d.unclip();
  }

  void drawPelvic(Drawing& d, double t, double deg, double shadeF) const {
    const double L = 0.16 * k_.finLen * std::sqrt(bodyScale());
    const P base{X(t), bot(t) + 0.03};
    Poly f = leaf(base, deg, L, L * 0.3);
    const double r = deg * kPi / 180;
    d.fill(f, finPaint(base, base + P{std::cos(r), std::sin(r)} * L, shadeF));
  }

  void drawAnal(Drawing& d) const {
    const double L = 0.14 * k_.finLen * std::sqrt(bodyScale());
    const double t = 0.17;
    const P base{X(t), bot(t) + 0.02};
    const int n = k_.doubleAnal ? 2 : 1;
    for (int i = n - 1; i >= 0; --i) {
      const double deg = -140 - 12 * i + 6 * d.beat();
      Poly f = leaf(base + P{0.02 * i, 0}, deg, L, L * 0.34);
      const double r = deg * kPi / 180;
      d.fill(f, finPaint(base, base + P{std::cos(r), std::sin(r)} * L, i ? 0.85 : 1.0));
    }
  }

  void drawDorsal(Drawing& d) const {
    const double tb = k_.dorsal == 2 ? 0.68 : 0.64;  // front base
    const double ta = k_.dorsal == 2 ? 0.2 : 0.3;    // rear base
    const double H = k_.dorsalH;
    Poly f;
    const P front{X(tb), top(tb) - 0.03};
    const P tip{X(tb) - 0.1 - 0.15 * H, top(tb) + H};
    const P rear{X(ta) - 0.05 - 0.2 * H, top(ta) + 0.03 + 0.15 * H};
    f.push_back(front);
    quad(f, front, {X(tb) - 0.02, top(tb) + H * 0.75}, tip, 10);
    // Trailing edge, a little hollow, with a soft wave on tall fins.
    Poly edge;
    edge.push_back(tip);
    quad(edge, tip, lerp(tip, rear, 0.5) + P{-0.02 - 0.05 * H, 0.02 + 0.1 * H}, rear, 14);
    if (k_.dorsal == 2)
      for (size_t i = 1; i + 1 < edge.size(); ++i) edge[i].y += 0.012 * std::sin(i * 1.3);
    for (size_t i = 1; i < edge.size(); ++i) f.push_back(edge[i]);
    // Base along the back, from the rear forwards.
    for (int i = 0; i <= 12; ++i) {
      const double t = ta - 0.02 + (tb - ta + 0.02) * i / 12.0;
      f.push_back({X(t), top(t) - 0.03});
    }
    const P mid{X((ta + tb) / 2), top((ta + tb) / 2)};
    d.fill(f, finPaint(mid, mid + P{-0.05, H}, 1.0));
    d.clip(f);
    for (size_t i = 0; i < edge.size(); i += 2) {
      const double s = double(i) / double(edge.size() - 1);
      const double t = tb - (tb - ta) * s;
      d.stroke({{X(t), top(t)}, lerp({X(t), top(t)}, edge[i], 0.95)}, 0.008,
               solid(k_.col.ray, 0.5));
    }
    if (k_.col.finPattern && k_.col.pattern == kCalico) spots(d, mid, 0.25, H + 0.1, 3, 0.022);
    d.unclip();
  }

  // One tail half; `spin` turns it about the joint (degrees).
  Poly tailPoly(double spin, Poly* edgeOut) const {
    const Tail& T = k_.tail;
    const double x0 = X(0) + 0.02;
    const double jh = std::max(0.03, top(0) * 0.9);
    const double jl = std::min(-0.03, bot(0) * 0.9);
    const double L = T.len;
    const double beat = std::fabs(beatNow_);
    const double fs = 1 - 0.07 * beat;  // foreshortening while beating
    const P J1{x0 + 0.04, jh}, J2{x0 + 0.04, jl};
    const P U{x0 - L * T.upLen * fs, T.su};
    const P D{x0 - L * T.dnLen * fs, -T.sd};
    const P N{x0 - L * (1 - T.fork) * fs, 0.0};
    Poly p;
    p.push_back(J1);
    quad(p, J1, {x0 - L * T.upLen * 0.45 * fs, jh + (T.su - jh) * T.flare}, U, 12);
    Poly edge;
    auto trailing = [&](P a, P b, int sign) {
      const P mid = lerp(a, b, 0.5);
      const P dd = b - a;
      P nrm{dd.y, -dd.x};  // points away from the body for sign = 1
      const double len = std::sqrt(nrm.x * nrm.x + nrm.y * nrm.y);
      nrm = nrm * (1 / std::max(1e-9, len));
      if (nrm.x > 0) nrm = nrm * -1;
      (void)sign;
      const P ctl = mid + nrm * (T.round * len * 0.5);
      const int n = 16;
      for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        P q = a * ((1 - t) * (1 - t)) + ctl * (2 * (1 - t) * t) + b * (t * t);
        if (T.ruffle > 0) q = q + nrm * (T.ruffle * std::sin(t * kPi * 4));
        edge.push_back(q);
      }
    };
    edge.push_back(U);
    trailing(U, N, 1);
    trailing(N, D, -1);
    for (size_t i = 1; i < edge.size(); ++i) p.push_back(edge[i]);
    quad(p, D, {x0 - L * T.dnLen * 0.45 * fs, jl - (T.sd + jl) * T.flare}, J2, 12);
    const P pivot{x0, 0};
    const double rot = T.droop + spin + 10 * beatNow_;
    for (P& q : p) q = rotAbout(q, pivot, rot);
    if (edgeOut) {
      *edgeOut = edge;
      for (P& q : *edgeOut) q = rotAbout(q, pivot, rot);
    }
    return p;
  }

  void drawTailHalf(Drawing& d, double spin, double shadeF) const {
    Poly edge;
    Poly p = tailPoly(spin, &edge);
    const P root{X(0), 0};
    const P far = edge[edge.size() / 2];
    d.fill(p, finPaint(root, far, shadeF));
    d.clip(p);
    finRays(d, root, edge, shadeF, 2);
    if (k_.col.finPattern) {
      if (k_.col.pattern == kCalico) spots(d, lerp(root, far, 0.5), 0.3, 0.3, 6, 0.03);
      if (k_.col.pattern == kTiger) stripes(d, lerp(root, far, 0.4), 0.3, 3);
    }
    d.unclip();
  }

  void drawTail(Drawing& d) const {
    beatNow_ = d.beat();
    if (k_.tail.dbl) drawTailHalf(d, 9 - 6 * d.beat(), 0.8);
    drawTailHalf(d, 0, 1.0);
  }

  void spots(Drawing& d, P c, double rx, double ry, int n, double size) const {
    Rand rnd{k_.seed * 7919u + 17};
    for (int i = 0; i < n; ++i) {
      const P p{c.x + rnd.in(-rx, rx), c.y + rnd.in(-ry, ry)};
      d.fill(blob(p, size * rnd.in(0.6, 1.4), size * rnd.in(0.6, 1.2), rnd.in(0, 180), rnd),
             solid(k_.col.pat2));
    }
  }

  void stripes(Drawing& d, P c, double spanX, int n) const {
    Rand rnd{k_.seed * 104729u + 3};
    for (int i = 0; i < n; ++i) {
      const double x = c.x - spanX + 2 * spanX * (i + 0.5) / n + rnd.in(-0.03, 0.03);
      Poly s;
      const double w = rnd.in(0.013, 0.024);
      for (int j = 0; j <= 10; ++j) {
        const double y = -0.5 + j * 0.1;
        s.push_back({x + w + 0.03 * std::sin(j * 1.7 + i), y});
      }
      for (int j = 10; j >= 0; --j) {
        const double y = -0.5 + j * 0.1;
        s.push_back({x - w + 0.025 * std::sin(j * 1.3 + i * 2), y});
      }
      d.fill(s, solid(k_.col.pat1));
    }
  }

  void drawBody(Drawing& d) const {
    const Colours& c = k_.col;
    const Poly outline = bodyOutline();
    const double T = k_.ht + hump(0.6), B = k_.hb;
    d.fill(outline, linear({0, T}, {0, -B}, {{0, c.back, 1}, {0.4, c.body, 1}, {1, c.belly, 1}}));
    d.clip(outline);
    Rand rnd{k_.seed * 2654435761u + 1};
    switch (c.pattern) {
      case kPatches:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.45, 0.35), rnd.in(-0.15, 0.3)};
          d.fill(blob(p, rnd.in(0.12, 0.22), rnd.in(0.1, 0.2), rnd.in(0, 180), rnd),
                 linear({0, T}, {0, -B}, {{0, shade(c.pat1, 0.78), 1}, {0.6, c.pat1, 1},
                                          {1, mix(c.pat1, kWhite, 0.3), 1}}));
        }
        break;
      case kCalico:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.45, 0.3), rnd.in(-0.15, 0.3)};
          d.fill(blob(p, rnd.in(0.07, 0.14), rnd.in(0.06, 0.12), rnd.in(0, 180), rnd),
                 solid(i % 2 ? mix(c.pat1, kWhite, 0.2) : c.pat1));
        }
        spots(d, {0, 0.02}, 0.45, 0.25, 14, 0.03);
        break;
      case kTiger:
        stripes(d, {-0.05, 0}, 0.42, 7);
        break;
      case kPanda:
        for (int i = 0; i < c.patches; ++i) {
          const P p{rnd.in(-0.4, 0.35), rnd.in(0.0, 0.35)};
          d.fill(blob(p, rnd.in(0.12, 0.2), rnd.in(0.12, 0.18), rnd.in(0, 180), rnd),
                 solid(c.pat1));
        }
        break;
      case kSpeckle:
        for (int i = 0; i < 26; ++i) {
          const P p{rnd.in(-0.48, 0.4), rnd.in(-0.25, 0.35)};
          d.fill(circle(p, rnd.in(0.012, 0.024), -1, 0, 10), solid(c.pat1));
        }
        break;
      case kTwoTone: {
        Poly backPart;
        for (int i = 0; i <= 24; ++i) {
          const double t = i / 24.0;
          backPart.push_back({X(t), top(t) + 0.05});
        }
        for (int i = 24; i >= 0; --i) {
          const double t = i / 24.0;
          backPart.push_back({X(t), centre(t) + k_.ht * 0.25 + 0.04 * std::sin(t * 14)});
        }
        d.fill(backPart, solid(c.pat1));
        break;
      }
      case kSolid:
        break;
    }
    if (c.pearl) {
      // Domed scales in rows, each with a light crown.
      for (double y = -k_.hb + 0.04; y < k_.ht; y += 0.07)
        for (double x = -0.46 + std::fmod(y * 5 + 10, 1.0) * 0.035; x < 0.22; x += 0.07) {
          d.fill(circle({x, y}, 0.028, -1, 0, 12), radial({x + 0.008, y + 0.01}, 0.032,
                                                          {{0, kWhite, 0.9}, {1, kWhite, 0.0}}));
          d.stroke(circle({x, y}, 0.03, -1, 0, 12), 0.006, solid(shade(c.back, 0.9), 0.35), true);
        }
    }
    // Light from above and a soft shadow under the belly.
    if (c.sheen)
      d.fill(circle({0.05, T * 0.45}, 0.32, T * 0.35, -4, 32),
             radial({0.05, T * 0.45}, 0.32, {{0, kWhite, 0.22}, {1, kWhite, 0}}));
    d.fill(outline, linear({0, -B * 0.45}, {0, -B}, {{0, kBlack, 0}, {1, kBlack, 0.12}}));
    // Lateral line of scales, faint.
    Poly lat;
    for (int i = 2; i <= 36; ++i) {
      const double t = i / 48.0;
      lat.push_back({X(t), centre(t) + 0.1 * k_.ht * std::sin(t * kPi)});
    }
    d.stroke(lat, 0.01, solid(shade(c.back, 0.9), 0.22));
    d.unclip();
  }

  void drawEye(Drawing& d, P e, double r, Eye type) const {
    const Colours& c = k_.col;
    if (type == kEyeTelescope || type == kEyeCelestial) {
      // Protruding eye on a short stalk of body colour.
      d.fill(circle(e, r * 1.2), radial(e + P{0.01, 0.01}, r * 1.25,
                                        {{0, c.body, 1}, {0.7, c.body, 1}, {1, shade(c.back, 0.9), 1}}));
    }
    d.fill(circle(e, r), radial(e, r, {{0, c.iris, 1}, {0.8, c.iris, 1}, {1, shade(c.iris, 0.6), 1}}));
    P pc = e;
    double pr = r * 0.62;
    if (type == kEyeCelestial || type == kEyeBubble) {
      pc = e + P{0.1 * r, 0.42 * r};
      pr = r * 0.55;
    }
    if (type == kEyeTelescope) pr = r * 0.66;
    d.pupil(circle(pc, pr, -1, 0, 20));
    d.fill(circle(pc + P{pr * 0.35, pr * 0.35}, pr * 0.32, -1, 0, 12), solid(kWhite, 0.95));
  }

  void drawWen(Drawing& d) const {
    const Colours& c = k_.col;
    const double s = k_.wenSize * (k_.wen == kWenOranda ? 1.2 : 1.0);
    Rand rnd{k_.seed * 40503u + 5};
    double t0 = 0.74, t1 = 1.0, yDown = 0.35;
    int rows = 2;
    if (k_.wen == kWenLion) {
      t0 = 0.68;
      yDown = -0.35;
      rows = 4;
    } else if (k_.wen == kWenRanchu) {
      t0 = 0.72;
      t1 = 0.97;
      yDown = 0.05;
      rows = 3;
    } else if (k_.wen == kWenCap) {
      t0 = 0.68;
      t1 = 0.9;
      rows = 2;
    }
    const double r0 = 0.056 * s;
    // Base cap, then bumps over it.
    Poly cap;
    for (int i = 0; i <= 20; ++i) {
      const double t = t0 + (t1 - t0) * i / 20.0;
      cap.push_back({X(t), top(t) + r0 * 0.9 * std::sin(kPi * i / 20.0) + 0.01});
    }
    for (int i = 20; i >= 0; --i) {
      const double t = t0 + (t1 - t0) * i / 20.0;
      const double lo = centre(t) + yDown * k_.ht;
      cap.push_back({X(t) + 0.02 * (i == 20), std::min(lo, top(t) - 0.02)});
    }
    const Rgb lit = mix(c.wen, kWhite, 0.5), dark = shade(c.wen, 0.62);
    d.fill(cap, linear({0, top(0.85) + r0}, {0, centre(0.85) + yDown * k_.ht},
                       {{0, lit, 1}, {0.5, c.wen, 1}, {1, dark, 1}}));
    for (int row = 0; row < rows; ++row)
      for (int i = 0; i < 6; ++i) {
        const double t = t0 + 0.02 + (t1 - t0 - 0.04) * (i + 0.5 * (row & 1)) / 5.5;
        const double yTop = top(std::min(t, 0.99)) + r0 * 0.4;
        const double y = yTop - row * r0 * 1.3 + rnd.in(-0.01, 0.01);
        if (y < centre(t) + yDown * k_.ht) continue;
        const P p{X(t) + rnd.in(-0.01, 0.01), y};
        const double rr = r0 * rnd.in(0.75, 1.05);
        d.fill(circle(p, rr, -1, 0, 14), radial(p + P{0.25 * rr, 0.3 * rr}, rr * 1.2,
                                                {{0, lit, 1}, {0.6, c.wen, 1}, {1, dark, 1}}));
      }
  }

  void drawHead(Drawing& d) const {
    const Colours& c = k_.col;
    // Gill cover.
    Poly gill;
    const double tg = 0.72;
    quad(gill, {X(tg) + 0.01, centre(tg) + k_.ht * 0.55}, {X(tg) + 0.09, centre(tg) - 0.02},
         {X(tg) + 0.0, centre(tg) - k_.hb * 0.6}, 12, false);
    d.stroke(gill, 0.014, solid(shade(c.back, 0.85), 0.5));
    // Mouth.
    const P nose{X(1), centre(1)};
    d.stroke({nose + P{-0.035, -0.005}, nose + P{-0.005, 0.0}}, 0.012,
             solid(shade(c.back, 0.6), 0.8));
    if (k_.pompom) {
      for (int i = 0; i < 3; ++i) {
        const P p = nose + P{-0.01 - 0.035 * i, -0.045 - 0.01 * i};
        const double r = 0.045 - 0.006 * i;
        Poly fluff;
        for (int j = 0; j < 24; ++j) {
          const double a = 2 * kPi * j / 24;
          const double rr = r * (j % 2 ? 0.8 : 1.05);
          fluff.push_back({p.x + rr * std::cos(a), p.y + rr * std::sin(a)});
        }
        d.fill(fluff, radial(p + P{0.01, 0.012}, r * 1.1, {{0, kWhite, 1}, {0.45, c.extra, 1},
                                                           {1, shade(c.extra, 0.8), 1}}));
      }
    }
    if (k_.wen != kWenNone) drawWen(d);
    const double te = k_.wen == kWenLion ? 0.87 : 0.85;
    switch (k_.eye) {
      case kEyeNormal:
        drawEye(d, {X(te), centre(te) + k_.ht * 0.25}, 0.045, kEyeNormal);
        break;
      case kEyeTelescope:
        drawEye(d, {X(0.84), centre(0.84) + k_.ht * 0.28}, 0.072, kEyeTelescope);
        break;
      case kEyeCelestial:
        drawEye(d, {X(0.82), top(0.82) - 0.01}, 0.062, kEyeCelestial);
        break;
      case kEyeBubble: {
        const P sc{X(0.86), centre(0.86) - 0.05};
        d.fill(circle(sc, 0.14, 0.12, 10, 32),
               radial(sc + P{0.03, 0.03}, 0.16, {{0, kWhite, 1}, {0.35, c.extra, 1},
                                                 {1, shade(c.extra, 0.82), 1}}));
        d.stroke(circle(sc, 0.14, 0.12, 10, 32), 0.01, solid(shade(c.extra, 0.7), 0.8), true);
        d.fill(circle(sc + P{0.04, 0.05}, 0.025, 0.018, 30, 12), solid(kWhite, 0.9));
        drawEye(d, {X(0.84), centre(0.84) + k_.ht * 0.42}, 0.04, kEyeBubble);
        break;
      }
    }
    if (c.pattern == kCalico || c.pattern == kSpeckle) {
      // Keep a spot or two on the head for the mottled look.
      Rand rnd{k_.seed * 31u + 7};
      d.fill(blob({X(0.78), centre(0.78) + k_.ht * 0.5}, 0.025, 0.02, rnd.in(0, 90), rnd),
             solid(c.pattern == kCalico ? c.pat2 : c.pat1));
    }
  }

  const Kind& k_;
  mutable double beatNow_ = 0;
};

// ------------------------------------------------------------ rendering

struct Xf {
  double a, b, c, d, e, f;  // x' = a x + c y + e, y' = b x + d y + f
  P apply(P p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  double scale() const { return std::sqrt(std::fabs(a * d - b * c)); }
};

// Fish space to screen: nose towards `angleDeg`, body length `s` pixels,
// body centre at (tx, ty). The fish keeps its back up when it swims left or
// right: a nose in the left half of the circle uses the mirrored drawing.
Xf makeXf(double angleDeg, bool faceRight, double s, double tx, double ty) {
  const double rot = (faceRight ? angleDeg : angleDeg - 180) * kPi / 180;
  const double cs = std::cos(rot), sn = std::sin(rot);
  const double mx = faceRight ? 1 : -1;
  // q = (mx x, -y); screen = R q * s + t
  return Xf{cs * mx * s, sn * mx * s, sn * s, -cs * s, tx, ty};
}

struct Box {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  void add(P p, double m) {
    x0 = std::min(x0, p.x - m);
    y0 = std::min(y0, p.y - m);
    x1 = std::max(x1, p.x + m);
    y1 = std::max(y1, p.y + m);
  }
};

void measure(const Drawing& dr, const Xf& m, Box& box) {
  int clips = 0;  // shapes inside a clip cannot reach further than the clip
  for (const Op& op : dr.ops) {
    if (op.kind == Op::kClip) ++clips;
    if (op.kind == Op::kUnclip) --clips;
    if (op.kind == Op::kClip || op.kind == Op::kUnclip || clips > 0) continue;
    const double margin = op.kind == Op::kStroke ? op.width * m.scale() * 0.5 : 0;
    for (P p : op.poly) box.add(m.apply(p), margin);
  }
}

void setPath(cairo_t* cr, const Poly& poly, const Xf& m, bool closed) {
  cairo_new_path(cr);
  for (size_t i = 0; i < poly.size(); ++i) {
    const P q = m.apply(poly[i]);
    if (i == 0)
      cairo_move_to(cr, q.x, q.y);
    else
      cairo_line_to(cr, q.x, q.y);
  }
  if (closed) cairo_close_path(cr);
}

cairo_pattern_t* makePattern(const Paint& p, const Xf& m) {
  cairo_pattern_t* pat = nullptr;
  if (p.type == Paint::kSolid) {
    const Stop& s = p.stops[0];
    return cairo_pattern_create_rgba(s.c.r / 255.0, s.c.g / 255.0, s.c.b / 255.0, s.a);
  }
  const P a = m.apply(p.p0), b = m.apply(p.p1);
  if (p.type == Paint::kLinear)
    pat = cairo_pattern_create_linear(a.x, a.y, b.x, b.y);
  else
    pat = cairo_pattern_create_radial(a.x, a.y, p.r0 * m.scale(), b.x, b.y, p.r1 * m.scale());
  for (const Stop& s : p.stops)
    cairo_pattern_add_color_stop_rgba(pat, s.at, s.c.r / 255.0, s.c.g / 255.0, s.c.b / 255.0, s.a);
  return pat;
}

void paint(cairo_t* cr, cairo_t* eye, const Drawing& dr, const Xf& m) {
  int clips = 0;
  for (const Op& op : dr.ops) {
    switch (op.kind) {
      case Op::kClip:
        cairo_save(cr);
        setPath(cr, op.poly, m, true);
        cairo_clip(cr);
        ++clips;
        break;
      case Op::kUnclip:
        if (clips > 0) {
          cairo_restore(cr);
          --clips;
        }
        break;
      case Op::kFill:
      case Op::kPupil: {
        setPath(cr, op.poly, m, true);
        cairo_pattern_t* pat = makePattern(op.paint, m);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        if (op.kind == Op::kPupil && eye) {
          setPath(eye, op.poly, m, true);
          cairo_set_source_rgba(eye, 0, 0, 0, 1);
          cairo_fill(eye);
        }
        break;
      }
      case Op::kStroke: {
        setPath(cr, op.poly, m, op.closed);
        cairo_pattern_t* pat = makePattern(op.paint, m);
        cairo_set_source(cr, pat);
        cairo_set_line_width(cr, op.width * m.scale());
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_pattern_destroy(pat);
        break;
      }
    }
  }
  while (clips-- > 0) cairo_restore(cr);
}

Drawing build(int kind, int beat) {
  Drawing d(beat);
  FishModel(kinds()[size_t(kind - 1)]).draw(d);
  return d;
}

}  // namespace

double HeadingAngle(int heading) {
  // Step directions of the 24 headings; the fish points exactly along them.
  static const int fsx[24] = {0, -4, -7, -11, -13, -15, -16, -15, -14, -11, -8, -4,
                              0, 4,  7,  11,  13,  15,  16,  15,  14,  11,  8,  4};
  static const int fsy[24] = {13, 12, 11, 9, 6, 4, 0, -3, -6, -9, -11, -12,
                              -13, -12, -11, -9, -6, -4, 0, 3, 6, 9, 11, 12};
  const int i = (heading - 1) % 24;
  return std::atan2(double(fsy[i]), double(fsx[i])) * 180 / kPi;
}

const char* KindName(int kind) { return kinds()[size_t(kind - 1)].name; }

RgbaImage FromCairo(cairo_surface_t* s) {
  cairo_surface_flush(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  RgbaImage img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t v;
      std::memcpy(&v, data + size_t(y) * size_t(stride) + size_t(x) * 4, 4);
      const unsigned a = v >> 24;
      uint8_t* p = img.at(x, y);
      p[3] = uint8_t(a);
      if (a == 0) continue;
      auto un = [a](unsigned c) { return uint8_t(std::min(255u, (c * 255 + a / 2) / a)); };
      p[0] = un((v >> 16) & 255);
      p[1] = un((v >> 8) & 255);
      p[2] = un(v & 255);
    }
  return img;
}

RgbaImage RenderCell(int kind, int heading, int frame, std::vector<uint8_t>* eye) {
  static const int beats[3] = {0, 1, -1};
  const double angle = HeadingAngle(heading);
  const bool faceRight = heading >= 13;
  // One scale and centre for the three frames, fitted to the cell.
  Box box;
  const Xf unit = makeXf(angle, faceRight, 1, 0, 0);
  for (int b : beats) measure(build(kind, b), unit, box);
  const double margin = 1.6;
  const double s = std::min((kCellW - 2 * margin) / (box.x1 - box.x0),
                            (kCellH - 2 * margin) / (box.y1 - box.y0));
  const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  const Xf m = makeXf(angle, faceRight, s, kCellW / 2.0 - cx * s, kCellH / 2.0 - cy * s);

  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCellW, kCellH);
  cairo_t* cr = cairo_create(surf);
  cairo_surface_t* eyeSurf = nullptr;
  cairo_t* ecr = nullptr;
  if (eye) {
    eyeSurf = cairo_image_surface_create(CAIRO_FORMAT_A8, kCellW, kCellH);
    ecr = cairo_create(eyeSurf);
  }
  paint(cr, ecr, build(kind, beats[frame - 1]), m);
  cairo_destroy(cr);
  RgbaImage img = FromCairo(surf);
  cairo_surface_destroy(surf);
  if (eye) {
    cairo_destroy(ecr);
    cairo_surface_flush(eyeSurf);
    const int stride = cairo_image_surface_get_stride(eyeSurf);
    const unsigned char* data = cairo_image_surface_get_data(eyeSurf);
    eye->assign(size_t(kCellW) * kCellH, 0);
    for (int y = 0; y < kCellH; ++y)
      for (int x = 0; x < kCellW; ++x) (*eye)[size_t(y) * kCellW + x] = data[y * stride + x];
    cairo_surface_destroy(eyeSurf);
  }
  return img;
}

void DrawFish(cairo_t* cr, int kind, double cx, double cy, double lengthPx, double angleDeg,
              int beat) {
  double a = std::fmod(angleDeg, 360.0);
  if (a < 0) a += 360;
  const bool faceRight = !(a > 90 && a <= 270);
  paint(cr, nullptr, build(kind, beat), makeXf(a, faceRight, lengthPx, cx, cy));
}

void DrawFishFitted(cairo_t* cr, int kind, double x, double y, double w, double h,
                    double angleDeg, int beat) {
  double a = std::fmod(angleDeg, 360.0);
  if (a < 0) a += 360;
  const bool faceRight = !(a > 90 && a <= 270);
  const Drawing d = build(kind, beat);
  Box box;
  measure(d, makeXf(a, faceRight, 1, 0, 0), box);
  const double s = std::min(w / (box.x1 - box.x0), h / (box.y1 - box.y0));
  const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
  paint(cr, nullptr, d, makeXf(a, faceRight, s, x + w / 2 - cx * s, y + h / 2 - cy * s));
}

}  // namespace art
