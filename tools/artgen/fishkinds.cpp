// The catalogue of the 35 kinds: colour schemes, tails, body presets and the
// kinds built from them.
#include "tools/artgen/fishkinds.h"

namespace art {
namespace fishpart {
namespace {

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

}  // namespace

const std::array<Kind, kKinds>& kinds() {
  static const std::array<Kind, kKinds> k = buildKinds();
  return k;
}

}  // namespace fishpart

const char* KindName(int kind) { return fishpart::kinds()[size_t(kind - 1)].name; }

}  // namespace art
