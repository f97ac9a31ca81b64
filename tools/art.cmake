# The art generator library (ph_art) and program (artgen); shared by the
# native build and the host build made for the Windows builds.
# PH_ART_ROOT: the repository root.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PH_CAIRO REQUIRED IMPORTED_TARGET cairo freetype2)
set(ph_art_dir ${PH_ART_ROOT}/tools/artgen)
add_library(ph_art STATIC
  ${ph_art_dir}/image.cpp
  ${ph_art_dir}/quant.cpp
  ${ph_art_dir}/fish.cpp
  ${ph_art_dir}/fishgeom.cpp
  ${ph_art_dir}/fishkinds.cpp
  ${ph_art_dir}/text.cpp
  ${ph_art_dir}/sheets.cpp
  ${ph_art_dir}/pictures.cpp
  ${ph_art_dir}/catalogue.cpp)
target_include_directories(ph_art PUBLIC ${PH_ART_ROOT})
target_link_libraries(ph_art PUBLIC PkgConfig::PH_CAIRO)
add_executable(artgen ${ph_art_dir}/artgen_main.cpp)
target_link_libraries(artgen PRIVATE ph_art)

include(${PH_ART_ROOT}/tools/art_names.cmake)
