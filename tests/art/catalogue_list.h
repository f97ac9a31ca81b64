// The bitmap resources every build must carry: name, size and depth.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

struct ArtEntry {
  std::string name;
  int width, height, bits;
};

inline std::vector<ArtEntry> ExpectedArt() {
  std::vector<ArtEntry> v;
  char n[16];
  for (int i = 1; i <= 5; ++i) {
    std::snprintf(n, sizeof n, "KG%02d", i);
    v.push_back({n, 640, 7224, 4});
  }
  v.push_back({"BACK01", 640, 100, 8});
  v.push_back({"DSP01", 152, 224, 24});
  for (int i = 1; i <= 35; ++i) {
    std::snprintf(n, sizeof n, "FM%02d", i);
    v.push_back({n, 70, 57, (i == 23 || i == 34) ? 24 : 4});
    std::snprintf(n, sizeof n, "FM%02dN", i);
    v.push_back({n, 70, 57, 4});
  }
  v.push_back({"FM00N", 70, 57, 4});
  v.push_back({"FMERR", 70, 57, 4});
  for (int i = 1; i <= 32; ++i) {
    std::snprintf(n, sizeof n, "WC%02d", i);
    v.push_back({n, 20, 24, 8});
    std::snprintf(n, sizeof n, "WC%02dB", i);
    v.push_back({n, 20, 24, 8});
  }
  v.push_back({"WCER", 32, 32, 4});
  v.push_back({"B01", 33, 13, 4});
  v.push_back({"B02", 33, 13, 4});
  v.push_back({"B03", 12, 14, 4});
  v.push_back({"B04", 12, 14, 4});
  v.push_back({"B05", 33, 20, 4});
  v.push_back({"B06", 33, 20, 4});
  return v;
}
