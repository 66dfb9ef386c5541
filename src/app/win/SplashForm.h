#pragma once
#include <string>

#include "framework/win/ExtCtrls.h"
#include "framework/win/Form.h"

namespace zentavo {

// The picture the program shows while it starts, before its other windows exist. It fades
// in when shown and fades out when closed; pixels of the transparent grey in the picture
// are not part of the window, so the picture gives the splash its outline.
class TfrmSplash : public TForm {
  ZENTAVO_CLASS(TfrmSplash, TForm)
 public:
  static constexpr int kClientWidth = 420;
  static constexpr int kClientHeight = 300;
  static constexpr TColor kTransparentColor = RGBColor(128, 128, 128);
  static constexpr int kFadeMilliseconds = 1000;

  // pictureFile: a Windows bitmap file, read each time the splash is shown.
  TfrmSplash(TComponent* owner, std::string pictureFile);

  TImage& imageSplash;
  // The length of the fade on showing and on closing.
  int FadeMilliseconds = kFadeMilliseconds;

  void FadeIn(int milliseconds);
  void FadeOut(int milliseconds);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void FormShow();
  void FormCloseQuery(bool& canClose);
  void LoadPicture();
  std::string pictureFile_;
  bool showing_ = false;  // FormShow is running
};

}  // namespace zentavo
