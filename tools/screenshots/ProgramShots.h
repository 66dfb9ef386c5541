#pragma once
#include <string>

#include "framework/Bitmap.h"
#include "framework/win/Form.h"
#include "program/win/ProgramWindows.h"

namespace zentavo {

// The program's windows over a scratch program folder, opened and captured the way a
// person would see them: the main window lists the sample month.
class ProgramShots {
 public:
  // Shows the main window; its start sequence applies the remembered skin and lists "this
  // month" of the sample day.
  explicit ProgramShots(const std::string& programFolder);

  ProgramWindows& Windows() { return windows_; }

  TBitmap MainWindow();
  // The entry editor opened from the menu for a new outgo entry, beside the main window;
  // hidden again afterwards.
  TBitmap Editor();
  // The statistics window opened from the menu, in one view (0 bar, 1 line, 2 pie).
  TBitmap Statistics(int view);
  // The same windows shown and left open, once every paint they are owed has run.
  TForm& ShowEditor();
  TForm& ShowStatistics(int view);
  void HideStatistics();
  // Selects the first entry of the list, and only it, with the list focused.
  void SelectFirstEntry();
  // The main window's delete question for the selected entries, answered No.
  TBitmap DeleteQuestion();
  // The system's open-file dialog over the program folder, owned by the main window, as
  // the engine skins it; cancelled afterwards.
  TBitmap OpenFileDialog();

 private:
  ProgramWindows windows_;
};

}  // namespace zentavo
