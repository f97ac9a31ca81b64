// artgen OUTDIR [--contact DIR]
// Writes every bitmap resource as OUTDIR/<NAME>.bmp, the icon as
// OUTDIR/PondelHarbor.ico, the installer's pictures (SetupSide.bmp,
// SetupHeader.bmp) and the resource script OUTDIR/art.rc; with
// --contact also the review sheets DIR/kinds.png and DIR/marks.png.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "tools/artgen/art.h"
#include "tools/artgen/text.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen OUTDIR [--contact DIR]\n");
    return 2;
  }
  const auto t0 = std::chrono::steady_clock::now();
  std::string out = argv[1];
  std::string contact;
  for (int i = 2; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--contact") == 0) contact = argv[i + 1];
  if (!art::LoadFonts()) return 1;
  mkdir(out.c_str(), 0777);
  if (char* abs = realpath(out.c_str(), nullptr)) {
    out = abs;
    free(abs);
  }
  const art::ArtSet set = art::BuildAll();
  bool ok = true;
  for (const art::Picture& p : set.pictures) ok &= art::WriteFile(out + "/" + p.name + ".bmp", art::Encode(p));
  ok &= art::WriteFile(out + "/PondelHarbor.ico", art::EncodeIco(set.icon));
  for (const art::Picture& p : set.setup)
    ok &= art::WriteFile(out + "/" + p.name + ".bmp", art::Encode(p));
  const std::string rc = art::ResourceScript(set, out);
  ok &= art::WriteFile(out + "/art.rc", std::vector<uint8_t>(rc.begin(), rc.end()));
  if (!contact.empty()) {
    mkdir(contact.c_str(), 0777);
    ok &= art::WriteKindsSheet(set, contact + "/kinds.png");
    ok &= art::WriteMarksSheet(set, contact + "/marks.png");
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  if (!ok) {
    std::fprintf(stderr, "artgen: cannot write to %s\n", out.c_str());
    return 1;
  }
  std::printf("artgen: %zu bitmaps and icon 100 written to %s in %.1f s\n", set.pictures.size(),
              out.c_str(), secs);
  return 0;
}
