#include <cstdio>

#include "Pictures.h"
#include "ProgramShots.h"
#include "ScratchProgram.h"

namespace zentavo {

void SaveWindowPictures(const std::filesystem::path& data, const std::filesystem::path& out) {
  const ScratchProgram program(data, "zentavo-screenshots", false);
  ProgramShots shots(program.Folder());
  auto save = [&out](const TBitmap& picture, const char* name) {
    picture.SaveToFile(out / name);
    std::printf("screenshots: %s\n", (out / name).string().c_str());
  };
  save(shots.MainWindow(), "main.bmp");
  save(shots.Editor(), "editor.bmp");
  const char* views[] = {"report-bar.bmp", "report-line.bmp", "report-pie.bmp"};
  for (int view = 0; view < 3; ++view) save(shots.Statistics(view), views[view]);
}

}  // namespace zentavo
