#include "app/win/CommonForm.h"

#include <shellapi.h>

#include "app/win/AutoRun.h"
#include "core/Error.h"
#include "framework/win/Application.h"
#include "framework/win/WideText.h"

namespace zentavo {

std::function<void(const std::string& target)> TfrmCommon::ShellOverride;

std::string ExecutableFolder() {
  std::string path = ExecutablePath();
  return path.substr(0, path.find_last_of("\\/") + 1);
}

TfrmCommon::TfrmCommon(TComponent* owner, std::string programFolder) : TForm(owner) {
  SetName("frmCommon");
  settings_ = CommonSettings::LoadSettings(programFolder.empty() ? ExecutableFolder() : programFolder);
  FormCreated();
}

void TfrmCommon::ShellOpen(const std::string& target) {
  if (ShellOverride) {
    ShellOverride(target);
    return;
  }
  ShellExecuteW(Handle(), L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOW);
}

void TfrmCommon::OpenHelp() { ShellOpen(settings_.HelpFile); }
void TfrmCommon::OpenHomePage() { ShellOpen(settings_.HomePage); }
void TfrmCommon::OpenSupport() { ShellOpen(settings_.SupportAddress); }
void TfrmCommon::OpenFeedback() { ShellOpen(settings_.FeedbackAddress); }

void TfrmCommon::OpenProductPage(int n) {
  if (n >= 1 && n <= static_cast<int>(settings_.ProductPages.size())) ShellOpen(settings_.ProductPages[n - 1]);
}

void TfrmCommon::OnlineUpdate() {
  ShellOpen(settings_.UpdaterFile());
  // Ends the loop without the main window's close handling; the windows go when the
  // application frees its forms.
  Application().Terminate();
}

void TfrmCommon::ApplySkin(int index) {
  if (SkinFileTarget) SkinFileTarget(SkinFilePath(settings_, index));
}

int TfrmCommon::ReadSkinIndex() const { return zentavo::ReadSkinIndex(settings_); }

void TfrmCommon::SaveSkinIndex(int index) const { zentavo::SaveSkinIndex(settings_, index); }

}  // namespace zentavo
