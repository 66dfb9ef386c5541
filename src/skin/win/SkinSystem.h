#pragma once
#include <windows.h>

#include <functional>
#include <string_view>

#include "skin/SkinGeometry.h"

namespace zentavo {

class TComponent;
class TFont;
class TForm;

// Three user-interface functions that older systems lack, bound from "User32.dll" on first
// use. They share one library handle and one "unavailable" flag: once any of them is found
// missing, all three answer 0 for the rest of the run. Callers treat 0 as failure.
class TOptionalSystemFunctions {
 public:
  using Lookup = std::function<FARPROC(HMODULE library, const char* name)>;
  // Tests pass a lookup that fails for a chosen name.
  explicit TOptionalSystemFunctions(Lookup lookup = nullptr);
  ~TOptionalSystemFunctions();
  TOptionalSystemFunctions(const TOptionalSystemFunctions&) = delete;
  TOptionalSystemFunctions& operator=(const TOptionalSystemFunctions&) = delete;

  BOOL GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info);
  BOOL GetComboBoxInfo(HWND window, COMBOBOXINFO* info);
  HWND GetAncestor(HWND window, UINT flags);
  bool Unavailable() const { return unavailable_; }

 private:
  FARPROC Bind(FARPROC& cached, const char* name);
  Lookup lookup_;
  HMODULE library_ = nullptr;
  bool unavailable_ = false;
  FARPROC scrollBarInfo_ = nullptr;
  FARPROC comboBoxInfo_ = nullptr;
  FARPROC ancestor_ = nullptr;
};

// The program's bindings.
BOOL SafeGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info);
BOOL SafeGetComboBoxInfo(HWND window, COMBOBOXINFO* info);
HWND SafeGetAncestor(HWND window, UINT flags);

// True exactly on the first 9x release (major 4, minor 0, 9x platform), which gets no window
// regions; decided once.
bool IsWindows95();
// True on any release of the 9x platform.
bool IsWindows9x();

// The caption and menu fonts of the system's window metrics; the menu font also takes the
// menu-text colour. The font is left as it was when the system does not answer.
void GetCaptionFont(TFont& font);
void GetMenuFont(TFont& font);

// The work area of the monitor nearest the main form, else of the system; its bottom is one
// pixel higher than the system says.
TRect GetWorkArea();

// The first form in screen order whose window is `handle`; none when no form has it.
TForm* FindFormByHandle(HWND handle);

// Whether the form counts as active for drawing its frame: the frame wrapper's answer to
// SM_ISACTIVE first, then the application's state (see FormActivity.h).
bool IsFormActive(TForm* form);

bool HasPublishedProperty(const TComponent& control, std::string_view name);

// A window whose text reads right to left.
bool ReadsRightToLeft(HWND window);

// Rectangles between the system's and the portable form.
inline TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const TRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace zentavo
