#include "framework/win/Form.h"

#include "framework/win/Application.h"

namespace zentavo {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetState(csLoading, true);
  visible_ = false;
}

TForm::~TForm() = default;

void TForm::ComputeStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  exStyle = 0;
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone:
      style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style |= WS_CAPTION | WS_POPUP;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (BorderStyle == TFormBorderStyle::bsToolWindow || BorderStyle == TFormBorderStyle::bsSizeToolWin)
    exStyle |= WS_EX_TOOLWINDOW;
  if (BorderStyle != TFormBorderStyle::bsNone && (BorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    bool dialog = BorderStyle == TFormBorderStyle::bsDialog;
    if (!dialog && (BorderIcons & biMinimize)) style |= WS_MINIMIZEBOX;
    if (!dialog && (BorderIcons & biMaximize)) style |= WS_MAXIMIZEBOX;
    if (BorderIcons & biHelp) exStyle |= WS_EX_CONTEXTHELP;
  }
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  DWORD style, exStyle;
  ComputeStyles(style, exStyle);
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
}

int TForm::ClientWidth() {
  if (!HandleAllocated()) return clientWidth_;
  RECT rect;
  GetClientRect(Handle(), &rect);
  return rect.right;
}

int TForm::ClientHeight() {
  if (!HandleAllocated()) return clientHeight_;
  RECT rect;
  GetClientRect(Handle(), &rect);
  return rect.bottom;
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  ComputeStyles(params.style, params.exStyle);
  params.parent = nullptr;
  // Owned by the main form so that secondary windows stay above it and leave the
  // taskbar to it.
  TForm* main = Application().MainForm();
  if (main && main != this) params.parent = main->Handle();
}

void TForm::FormCreated() {
  FinishLoading();
  if (OnCreate) {
    try {
      OnCreate(this);
    } catch (...) {
      Application().HandleException(std::current_exception());
    }
  }
}

void TForm::Show() {
  SetVisible(true);
  HWND window = Handle();
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (this == Application().MainForm()) {
    Application().Terminate();
    return;
  }
  if (action == TCloseAction::caMinimize) {
    ShowWindow(Handle(), SW_MINIMIZE);
    return;
  }
  Hide();
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SHOWWINDOW:
      visible_ = message.WParam != 0;
      TWinControl::WndProc(message);
      if (message.WParam && OnShow) OnShow(this);
      if (!message.WParam && OnHide) OnHide(this);
      return;
    case WM_ACTIVATE:
      TWinControl::WndProc(message);
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    default:
      TWinControl::WndProc(message);
  }
}

}  // namespace zentavo
