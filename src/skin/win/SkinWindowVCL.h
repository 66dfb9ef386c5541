#pragma once
#include <memory>

#include "framework/win/Control.h"
#include "framework/win/WindowSubclass.h"
#include "skin/win/SkinFrameWindow.h"

namespace zentavo {

class TForm;
class TMainMenu;
class TSkinFormMenus;

// The skinned frame of one of our own forms. It takes over the form's message path
// (WindowProc), moves the main menu onto a skinned menu bar, and, on the main window of a
// multiple-document interface, keeps the document windows' layout and menus in step.
class TsuiSkinWindowVCL : public TsuiSkinFrameWindow {
 public:
  TsuiSkinWindowVCL(TForm& form, bool isForeign, TsuiSkinEngine& engine);
  ~TsuiSkinWindowVCL() override;

  TForm& Form() const { return form_; }
  HWND WindowHandle() const override;
  TSkinFormMenus* Menus() const { return menus_.get(); }
  bool ControlsShifted() const { return controlsShifted_; }

  void ApplyFrameState() override;
  void CallDefault(TMessage& message) override;
  void CaptureMetrics() override;
  void AttachControls() override;
  void DetachControls() override;
  bool CanShapeWindow() const override;
  int MenuBarHeight() const override;
  HICON GetWindowIcon() const override;
  bool HasHelpButton() const override;
  bool IsMDIChild() const override;
  bool HasIcon() const override;
  bool HasCloseButton() const override;
  bool HasMaximizeButton() const override;
  bool HasMinimizeButton() const override;
  bool InitWhileHidden() const override { return true; }
  void AfterDefault(TMessage& message) override;
  void AttachWindow() override;
  void DetachWindow() override;

  void SetSizeConstraints();
  void ClearSizeConstraints();
  void CascadeChildren();
  void TileChildren(bool rows);

 private:
  class Sentinel;
  // Shared with the closure in the form's WindowProc, which outlives the frame when the
  // form goes on without it: the closure then passes every message straight on.
  struct Route {
    TsuiSkinWindowVCL* frame = nullptr;
    TWndMethod saved;
  };

  bool IsMDIForm() const;
  bool CaptionRule() const;
  void FollowCaptionRule();
  void RemoveSystemMenuStyle();
  void ShiftControls(int direction);
  void MDIClientProc(WindowSubclass& token, TMessage& message);
  TForm* MainForm() const;
  bool FormGoing() const;

  TForm& form_;
  std::shared_ptr<Route> route_;
  std::unique_ptr<TSkinFormMenus> menus_;
  std::unique_ptr<WindowSubclass> mdiClient_;
  Sentinel* sentinel_ = nullptr;
  TColor savedColor_ = 0;
  bool allFormsSkinned_ = false;
  bool controlsShifted_ = false;
  int shiftedBy_ = 0;
  bool setMinHeight_ = false;
  bool setMinWidth_ = false;
};

}  // namespace zentavo
