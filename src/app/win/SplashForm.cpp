#include "app/win/SplashForm.h"

#include "app/SeeThroughShape.h"
#include "app/win/WindowFade.h"
#include "framework/win/Application.h"
#include "skin/win/SkinRegion.h"

namespace zentavo {

namespace {

// Every control of the window, those inside other controls too.
void InvalidateAll(TWinControl& parent) {
  for (TControl* control : parent.Controls()) {
    control->Invalidate();
    if (auto* inner = dynamic_cast<TWinControl*>(control)) InvalidateAll(*inner);
  }
}

}  // namespace

TfrmSplash::TfrmSplash(TComponent* owner, std::string pictureFile)
    : TForm(owner), imageSplash(MakeNamed<TImage>("imageSplash")), pictureFile_(std::move(pictureFile)) {
  SetName("frmSplash");
  BorderStyle = TFormBorderStyle::bsNone;
  BorderIcons = 0;
  SetBounds(314, 233, kClientWidth, kClientHeight);
  SetClientSize(kClientWidth, kClientHeight);
  imageSplash.SetParent(this);
  imageSplash.SetBounds(0, 0, kClientWidth, kClientHeight);
  OnShow = [this](TComponent*) { FormShow(); };
  OnCloseQuery = [this](TComponent*, bool& canClose) { FormCloseQuery(canClose); };
  FormCreated();
  // Made hidden now: a window first made by Show would be born visible, and its fade would
  // run inside the creation of the window.
  Handle();
}

// Not a task of its own: no taskbar button for the moment it is up.
void TfrmSplash::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.exStyle |= WS_EX_TOOLWINDOW;
}

// A picture that cannot be read goes to the standard error display, and the splash shows
// at once, without a fade and without a picture.
void TfrmSplash::FormShow() {
  // The fade shows the window again from inside this handler.
  if (showing_) return;
  showing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_};
  try {
    LoadPicture();
  } catch (...) {
    imageSplash.SetPicture(TBitmap());
    ::SetWindowRgn(Handle(), nullptr, FALSE);
    Application().HandleException(std::current_exception());
    return;
  }
  FadeIn(FadeMilliseconds);
}

void TfrmSplash::LoadPicture() {
  TBitmap picture;
  picture.LoadFromFile(std::filesystem::u8path(pictureFile_));
  ApplyWindowRegion(Handle(), OpaqueShape(picture, ClientWidth(), ClientHeight(), kTransparentColor));
  imageSplash.SetPicture(std::move(picture));
}

void TfrmSplash::FormCloseQuery(bool& canClose) {
  FadeOut(FadeMilliseconds);
  canClose = true;
}

void TfrmSplash::FadeIn(int milliseconds) {
  FadeWindow(Handle(), milliseconds, TFadeDirection::In);
  // The system's animation paints the window from a copy; the controls paint themselves now.
  InvalidateAll(*this);
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::SetForegroundWindow(Handle());
}

void TfrmSplash::FadeOut(int milliseconds) {
  FadeWindow(Handle(), milliseconds, TFadeDirection::Out);
}

}  // namespace zentavo
