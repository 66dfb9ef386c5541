#include "skin/win/SkinSystem.h"

#include "framework/Properties.h"
#include "framework/win/Application.h"
#include "framework/win/Font.h"
#include "framework/win/Form.h"
#include "framework/win/Screen.h"
#include "skin/FormActivity.h"
#include "skin/win/SkinMessages.h"

namespace zentavo {

TOptionalSystemFunctions::TOptionalSystemFunctions(Lookup lookup) : lookup_(std::move(lookup)) {
  if (!lookup_) lookup_ = [](HMODULE library, const char* name) { return GetProcAddress(library, name); };
}

TOptionalSystemFunctions::~TOptionalSystemFunctions() {
  if (library_) FreeLibrary(library_);
}

FARPROC TOptionalSystemFunctions::Bind(FARPROC& cached, const char* name) {
  if (unavailable_) return nullptr;
  if (!cached) {
    if (!library_) library_ = LoadLibraryW(L"User32.dll");
    cached = library_ ? lookup_(library_, name) : nullptr;
    if (!cached) unavailable_ = true;
  }
  return unavailable_ ? nullptr : cached;
}

BOOL TOptionalSystemFunctions::GetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) {
  using Fn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  FARPROC entry = Bind(scrollBarInfo_, "GetScrollBarInfo");
  return entry ? reinterpret_cast<Fn>(reinterpret_cast<void*>(entry))(window, objectId, info) : FALSE;
}

BOOL TOptionalSystemFunctions::GetComboBoxInfo(HWND window, COMBOBOXINFO* info) {
  using Fn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  FARPROC entry = Bind(comboBoxInfo_, "GetComboBoxInfo");
  return entry ? reinterpret_cast<Fn>(reinterpret_cast<void*>(entry))(window, info) : FALSE;
}

HWND TOptionalSystemFunctions::GetAncestor(HWND window, UINT flags) {
  using Fn = HWND(WINAPI*)(HWND, UINT);
  FARPROC entry = Bind(ancestor_, "GetAncestor");
  return entry ? reinterpret_cast<Fn>(reinterpret_cast<void*>(entry))(window, flags) : nullptr;
}

namespace {

TOptionalSystemFunctions& ProgramFunctions() {
  static TOptionalSystemFunctions functions;
  return functions;
}

}  // namespace

BOOL SafeGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) {
  return ProgramFunctions().GetScrollBarInfo(window, objectId, info);
}

BOOL SafeGetComboBoxInfo(HWND window, COMBOBOXINFO* info) { return ProgramFunctions().GetComboBoxInfo(window, info); }

HWND SafeGetAncestor(HWND window, UINT flags) { return ProgramFunctions().GetAncestor(window, flags); }

namespace {
const OSVERSIONINFOW& SystemVersion() {
  static const OSVERSIONINFOW version = [] {
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof(v);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&v)) v = OSVERSIONINFOW{};
#pragma GCC diagnostic pop
    return v;
  }();
  return version;
}
}  // namespace

bool IsWindows95() {
  const OSVERSIONINFOW& version = SystemVersion();
  return version.dwMajorVersion == 4 && version.dwMinorVersion == 0 && IsWindows9x();
}

bool IsWindows9x() { return SystemVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS; }

void GetCaptionFont(TFont& font) {
  LOGFONTW caption;
  if (ReadSystemFont(TSystemFont::Caption, caption)) font.Assign(caption);
}

void GetMenuFont(TFont& font) {
  LOGFONTW menu;
  if (!ReadSystemFont(TSystemFont::Menu, menu)) return;
  font.Assign(menu);
  font.Color = static_cast<TColor>(GetSysColor(COLOR_MENUTEXT));
}

TRect GetWorkArea() {
  RECT area{};
  bool found = false;
  if (TForm* main = Application().MainForm(); main && main->HandleAllocated()) {
    if (HMONITOR monitor = MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONULL)) {
      MONITORINFO info{};
      info.cbSize = sizeof(info);
      if (GetMonitorInfoW(monitor, &info)) {
        area = info.rcWork;
        found = true;
      }
    }
  }
  if (!found) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left, area.top, area.right, area.bottom - 1};
}

TForm* FindFormByHandle(HWND handle) {
  if (!handle) return nullptr;
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    if (form->HandleAllocated() && form->Handle() == handle) return form;
  }
  return nullptr;
}

// The framework keeps no active flags of its own: a form is active when its window is the
// thread's active window, and the application when the foreground window is one of ours.
bool IsFormActive(TForm* form) {
  TFormActivityFacts facts;
  HWND window = form ? form->Handle() : nullptr;
  facts.formPresent = form != nullptr;
  if (window) facts.frameAnswer = static_cast<int>(SendMessageW(window, SM_ISACTIVE, 0, 0));
  TForm* main = Application().MainForm();
  facts.hasMainForm = main != nullptr;
  facts.isMainForm = form && form == main;
  facts.formActive = window && GetActiveWindow() == window;
  DWORD process = 0;
  if (HWND foreground = GetForegroundWindow()) GetWindowThreadProcessId(foreground, &process);
  facts.applicationActive = process == GetCurrentProcessId();
  return IsFormActive(facts);
}

bool HasPublishedProperty(const TComponent& control, std::string_view name) { return HasProperty(control, name); }

bool ReadsRightToLeft(HWND window) {
  return window && (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

}  // namespace zentavo
