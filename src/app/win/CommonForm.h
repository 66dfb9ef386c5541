#pragma once
#include <functional>
#include <string>

#include "app/CommonSettings.h"
#include "framework/win/Form.h"

namespace zentavo {

// The common services object: paths, settings and the current language for every other
// window, and the help, web-link, update and skin-choice operations. It is a window that
// is never shown; its handle owns the shell calls.
class TfrmCommon : public TForm {
  ZENTAVO_CLASS(TfrmCommon, TForm)
 public:
  // Reads the settings of the program folder given, or of the executable's folder.
  explicit TfrmCommon(TComponent* owner, std::string programFolder = {});

  const CommonSettings& Settings() const { return settings_; }

  void OpenHelp();
  void OpenHomePage();
  void OpenSupport();
  void OpenFeedback();
  // n = 1..7, the entries of the other-products menu.
  void OpenProductPage(int n);
  // Starts the updater and ends the program at once, whether or not it started.
  void OnlineUpdate();
  // Asks the shell to "open" the target; what the shell answers is not looked at.
  void ShellOpen(const std::string& target);

  // Skin choice: the skin package of the index goes to the skin engine through
  // SkinFileTarget (set by the main window, which owns the engine).
  void ApplySkin(int index);
  int ReadSkinIndex() const;
  void SaveSkinIndex(int index) const;
  std::function<void(const std::string& skinFile)> SkinFileTarget;

  // Tests replace the shell to see what would be opened.
  static std::function<void(const std::string& target)> ShellOverride;

 private:
  CommonSettings settings_;
};

// The folder of the running executable, with a trailing backslash.
std::string ExecutableFolder();

}  // namespace zentavo
