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

// The main window, the entry editor and the statistics window without a skin, then under
// each skin package of `skins`: every text and control the plain windows show must be
// drawn in the skinned ones, the skin's transparent colour never on the screen, no hole
// in a window's outline, the client sizes kept. Prints each fault; returns their count.
int CheckSkinnedContent(const std::filesystem::path& skins, const std::filesystem::path& data);

}  // namespace zentavo
