#include "framework/win/WindowContent.h"

#include <map>

#include "framework/win/Handles.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WindowCapture.h"

namespace zentavo {

namespace {

int CaptionHeight(TControl& control) {
  WindowDc screen(nullptr);
  DcStateGuard state(screen.get());
  ::SelectObject(screen.get(), control.Font.Handle());
  SIZE size{};
  ::GetTextExtentPoint32W(screen.get(), L"0", 1, &size);
  return size.cy;
}

// A control's name, the same in both looks: its own name, else its class, caption and
// place among its siblings of that class.
std::string AreaName(const std::string& parentName, TControl& control, int sameClassIndex) {
  std::string name = control.Name().empty() ? control.ClassName() + "#" + std::to_string(sameClassIndex) +
                                                  " \"" + control.Caption() + "\""
                                            : control.ClassName() + " " + control.Name();
  return parentName.empty() ? name : parentName + " / " + name;
}

class AreaCollector {
 public:
  AreaCollector(HWND window, std::vector<TContentArea>& areas) : areas_(areas) {
    ::GetWindowRect(window, &windowRect_);
  }

  void Collect(TWinControl& parent, const std::string& parentName) {
    std::map<std::string, int> classCounts;
    POINT origin{0, 0};
    ::ClientToScreen(parent.Handle(), &origin);
    for (TControl* control : parent.Controls()) {
      if (!control->Visible()) continue;
      const std::string name = AreaName(parentName, *control, classCounts[control->ClassName()]++);
      auto* windowed = dynamic_cast<TWinControl*>(control);
      if (!windowed) {
        const RECT b = control->BoundsRect();
        Add(name, RECT{origin.x + b.left, origin.y + b.top, origin.x + b.right, origin.y + b.bottom});
        continue;
      }
      if (!windowed->HandleAllocated() || !::IsWindowVisible(windowed->Handle())) continue;
      RECT r{};
      ::GetWindowRect(windowed->Handle(), &r);
      if (windowed->Is<TCustomGroupBox>())
        Add(name + " caption", RECT{r.left, r.top, r.right, r.top + CaptionHeight(*windowed)});
      // A skin may give a control helper children of its own (a picker's button): every
      // control counts with its whole area, and its children each with theirs.
      Add(name, r);
      Collect(*windowed, name);
    }
  }

 private:
  void Add(const std::string& name, const RECT& screen) {
    areas_.push_back({name, TRect{screen.left - windowRect_.left, screen.top - windowRect_.top,
                                  screen.right - windowRect_.left, screen.bottom - windowRect_.top}});
  }
  std::vector<TContentArea>& areas_;
  RECT windowRect_{};
};

}  // namespace

TWindowContent CaptureContent(TWinControl& window) {
  TWindowContent content;
  HWND handle = window.Handle();
  content.picture = CaptureWindow(handle);
  RECT client{};
  ::GetClientRect(handle, &client);
  content.clientSize = SIZE{client.right, client.bottom};
  content.hasMenuBar = ::GetMenu(handle) != nullptr;
  const int w = content.picture.Width(), h = content.picture.Height();
  content.shape.assign(static_cast<size_t>(w) * h, true);
  RegionHandle region(::CreateRectRgn(0, 0, 0, 0));
  const int kind = ::GetWindowRgn(handle, region.get());
  if (kind == SIMPLEREGION || kind == COMPLEXREGION) {
    content.shaped = true;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        content.shape[static_cast<size_t>(y) * w + x] = ::PtInRegion(region.get(), x, y);
  }
  AreaCollector(handle, content.areas).Collect(window, "");
  return content;
}

std::vector<std::string> CompareContent(const TWindowContent& plain, const TWindowContent& skinned,
                                        TColor transparentColour) {
  std::vector<std::string> faults =
      MissingContent(plain.picture, plain.areas, skinned.picture, skinned.areas);
  // The window's own pictures may use that colour (a chart's series): only what the skin
  // adds counts.
  const int own = ColourPixels(plain.picture, transparentColour, plain.shape);
  if (const int shown = ColourPixels(skinned.picture, transparentColour, skinned.shape); shown > own)
    faults.push_back(std::to_string(shown - own) + " pixels of the transparent colour on the screen");
  if (const int holes = ShapeHoles(skinned.shape, skinned.picture.Width(), skinned.picture.Height()))
    faults.push_back(std::to_string(holes) + " pixels of holes inside the window's outline");
  if (plain.clientSize.cx != skinned.clientSize.cx ||
      (!plain.hasMenuBar && plain.clientSize.cy != skinned.clientSize.cy))
    faults.push_back("client area " + std::to_string(skinned.clientSize.cx) + " x " +
                     std::to_string(skinned.clientSize.cy) + ", without the skin " +
                     std::to_string(plain.clientSize.cx) + " x " + std::to_string(plain.clientSize.cy));
  return faults;
}

}  // namespace zentavo
