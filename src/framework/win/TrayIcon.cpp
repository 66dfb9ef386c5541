#include "framework/win/TrayIcon.h"

#include "framework/win/Application.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

IconHandle MakeIcon(int size, const std::vector<std::uint8_t>& bgra) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(header);
  header.bV5Width = size;
  header.bV5Height = -size;  // top-down
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  WindowDc screen(nullptr);
  BitmapHandle color(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                      nullptr, 0));
  if (!color) throw Win32Error("Cannot create the icon image");
  std::copy(bgra.begin(), bgra.end(), static_cast<std::uint8_t*>(bits));
  // The mask is unused for 32-bit images with alpha but must exist.
  BitmapHandle mask(CreateBitmap(size, size, 1, 1, nullptr));
  ICONINFO info{TRUE, 0, 0, mask.get(), color.get()};
  IconHandle icon(CreateIconIndirect(&info));
  if (!icon) throw Win32Error("Cannot create the icon");
  return icon;
}

namespace {
constexpr wchar_t kWindowClass[] = L"TTrayIconWindow";
constexpr UINT kIconId = 1;
}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(instance, kWindowClass, &wc)) {
    wc = WNDCLASSEXW{sizeof(wc)};
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
  }
  // A hidden top-level window: message-only windows do not hear broadcasts.
  window_ = WindowHandle(CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         instance, this));
  if (!window_) throw Win32Error("Cannot create the notification icon's window");
}

TTrayIcon::~TTrayIcon() {
  Remove();
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

NOTIFYICONDATAW TTrayIcon::Data() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_.get();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  return data;
}

void TTrayIcon::Add() {
  NOTIFYICONDATAW data = Data();
  // The shell may be missing (no taskbar yet); the icon comes when "TaskbarCreated" does.
  added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TTrayIcon::Remove() {
  if (!added_) return;
  NOTIFYICONDATAW data = Data();
  Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = false;
}

LRESULT CALLBACK TTrayIcon::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && (msg == kCallbackMessage || msg == self->taskbarCreated_)) {
    try {
      self->Handle(msg, wParam, lParam);
    } catch (...) {
      Application().HandleException(std::current_exception());
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

void TTrayIcon::Handle(UINT msg, WPARAM, LPARAM lParam) {
  if (msg == taskbarCreated_) {
    added_ = false;
    Add();
    return;
  }
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick();
      break;
    case WM_RBUTTONUP:
      if (OnRightButtonUp) OnRightButtonUp();
      break;
    default:
      break;
  }
}

}  // namespace zentavo
