// Every bitmap of the catalogue is a resource of the built .scr with its
// size and depth, and icon 100 is there (run under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/art/catalogue_list.h"

namespace {

// PH_SCR names the .scr as a Unix path; Wine maps the root to drive Z:.
std::string scrPath() {
  const char* p = std::getenv("PH_SCR");
  if (!p) return "";
  std::string s = p;
  if (!s.empty() && s[0] == '/') {
    for (char& c : s)
      if (c == '/') c = '\\';
    s = "Z:" + s;
  }
  return s;
}

class ArtResources : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = scrPath();
    ASSERT_FALSE(path.empty()) << "PH_SCR is not set";
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << path << " error " << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(ArtResources, EveryBitmapLoadsWithItsSizeAndDepth) {
  for (const ArtEntry& e : ExpectedArt()) {
    HBITMAP bm = static_cast<HBITMAP>(
        LoadImageA(module_, e.name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bm, nullptr) << e.name;
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectA(bm, sizeof ds, &ds), int(sizeof ds)) << e.name;
    EXPECT_EQ(ds.dsBm.bmWidth, e.width) << e.name;
    EXPECT_EQ(ds.dsBm.bmHeight, e.height) << e.name;
    EXPECT_EQ(ds.dsBm.bmBitsPixel, e.bits) << e.name;
    DeleteObject(bm);
  }
}

TEST_F(ArtResources, IconHundredHasThreeSizes) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(100), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP b{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof b, &b);
    EXPECT_EQ(b.bmWidth, size);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  // Every size is stored, not stretched from another.
  HRSRC group = FindResourceA(module_, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  HGLOBAL data = LoadResource(module_, group);
  ASSERT_NE(data, nullptr);
  const WORD* dir = static_cast<const WORD*>(LockResource(data));
  ASSERT_NE(dir, nullptr);
  EXPECT_EQ(dir[2], 3);
}

}  // namespace
