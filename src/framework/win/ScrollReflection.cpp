#include "framework/win/ScrollReflection.h"

namespace zentavo {

void ScrollReflection::Attach(TWinControl& control) {
  subclass_.reset();
  HWND window = control.Handle();
  HWND parent = GetParent(window);
  if (!parent) return;
  subclass_ =
      std::make_unique<WindowSubclass>(parent, [&control, window](WindowSubclass& token, TMessage& message) {
        const bool fromControl = (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) &&
                                 reinterpret_cast<HWND>(message.LParam) == window;
        if (!fromControl) {
          token.Default(message);
          return;
        }
        message.Result = control.Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
      });
}

}  // namespace zentavo
