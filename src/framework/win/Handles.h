#pragma once
#include <windows.h>

#include <atomic>
#include <utility>

namespace zentavo {

// Live-object counters per handle kind. Wine's GetGuiResources always answers 0, so leak
// tests count through these wrappers instead.
enum class HandleKind { Gdi, User };
long LiveHandleCount(HandleKind kind);
void AdjustLiveHandleCount(HandleKind kind, long delta);
// Frees the system refused: a handle that something else had freed already.
long FailedFreeCount();
void CountFailedFree();

// A move-only owner of one Win32 handle. Copying is deleted: a copied owner would free
// the handle twice. Traits give the handle type, the kind and how to free it.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {
    if (handle_) AdjustLiveHandleCount(Traits::kind, +1);
  }
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset(Handle handle = Handle{}) {
    if (handle_) {
      if (!Traits::Free(handle_)) CountFailedFree();
      AdjustLiveHandleCount(Traits::kind, -1);
    }
    handle_ = handle;
    if (handle_) AdjustLiveHandleCount(Traits::kind, +1);
  }
  // Gives up ownership (the caller now frees it, or the system does).
  Handle release() {
    if (handle_) AdjustLiveHandleCount(Traits::kind, -1);
    return std::exchange(handle_, Handle{});
  }

 private:
  Handle handle_{};
};

template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static constexpr HandleKind kind = HandleKind::Gdi;
  static bool Free(H handle) { return DeleteObject(handle) != FALSE; }
};

struct MemoryDcTraits {
  using Handle = HDC;
  static constexpr HandleKind kind = HandleKind::Gdi;
  static bool Free(HDC dc) { return DeleteDC(dc) != FALSE; }
};

struct WindowTraits {
  using Handle = HWND;
  static constexpr HandleKind kind = HandleKind::User;
  // A child window may have gone with its parent already.
  static bool Free(HWND window) { return !IsWindow(window) || DestroyWindow(window) != FALSE; }
};

struct MenuTraits {
  using Handle = HMENU;
  static constexpr HandleKind kind = HandleKind::User;
  static bool Free(HMENU menu) { return DestroyMenu(menu) != FALSE; }
};

struct IconTraits {
  using Handle = HICON;
  static constexpr HandleKind kind = HandleKind::User;
  static bool Free(HICON icon) { return DestroyIcon(icon) != FALSE; }
};

using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using MemoryDcHandle = UniqueHandle<MemoryDcTraits>;
using WindowHandle = UniqueHandle<WindowTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using IconHandle = UniqueHandle<IconTraits>;

// A device context borrowed with GetDC / GetWindowDC and given back on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool wholeWindow = false);
  ~WindowDc();
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Restores a device context's selected objects and modes when drawing code is done.
class DcStateGuard {
 public:
  explicit DcStateGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcStateGuard() { RestoreDC(dc_, saved_); }
  DcStateGuard(const DcStateGuard&) = delete;
  DcStateGuard& operator=(const DcStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace zentavo
