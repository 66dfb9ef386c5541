#pragma once
#include <filesystem>

namespace zentavo {

// The program's windows over a sample ledger, as BMP pictures in `out`: main.bmp,
// editor.bmp and report-bar/line/pie.bmp. `data` is the distribution folder.
void SaveWindowPictures(const std::filesystem::path& data, const std::filesystem::path& out);

// The program's windows under each skin package of `skins` (by name): <Skin>.bmp, the main
// window with its delete question beside it, <Skin>-editor.bmp, <Skin>-statistics.bmp and
// <Skin>-open.bmp (the open-file dialog); for a few skins <Skin>-zh.bmp (the first picture
// in Chinese); and three-skins.bmp, three main windows side by side.
void SaveSkinPictures(const std::filesystem::path& skins, const std::filesystem::path& data,
                      const std::filesystem::path& out);

}  // namespace zentavo
