#include "skin/win/SkinFrameWindow.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinWindowVCL.h"
#include "skin/win/SkinWindowWnd.h"

namespace zentavo {

std::unique_ptr<TsuiSkinWindow> MakeSkinFrame(TsuiSkinEngine& engine, HWND window, bool isForeign, bool isForm) {
  std::unique_ptr<TsuiSkinFrameWindow> frame;
  TForm* form = isForm ? FindFormByHandle(window) : nullptr;
  if (form)
    frame = std::make_unique<TsuiSkinWindowVCL>(*form, isForeign, engine);
  else
    frame = std::make_unique<TsuiSkinWindowWnd>(window, isForeign, engine);
  frame->Start();
  return frame;
}

}  // namespace zentavo
