#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/win/Menu.h"
#include "skin/MenuItemLayout.h"

namespace zentavo {

class TsuiSkinEngine;

// The engine that skinned menus and menu bars draw with, for as long as it lives. Menus and
// bars may outlive the engine (it is freed with its form, other forms keep theirs); once it
// is gone Engine() answers none and they draw in the system's menu colours.
class TSkinEngineLink {
 public:
  TsuiSkinEngine* Engine() const { return engine_; }

 private:
  friend class TSkinEngineLinkHolder;
  TsuiSkinEngine* engine_ = nullptr;
};
using TSkinEngineLinkPtr = std::shared_ptr<const TSkinEngineLink>;

// The one link of an engine (made on first request, cleared when the engine goes).
TSkinEngineLinkPtr SkinEngineLink(TsuiSkinEngine& engine);

// The menu colours of the linked engine's skin with system colours resolved; the system's
// own menu colours without an engine.
TMenuColors SkinMenuColors(const TSkinEngineLink* link);

// Owner drawing of menus in the skin's colours: the menu becomes owner-drawn (a main menu
// without images gets the shared blank list) and every item gets the measure and draw
// handlers, replacing any the application had set.
void SkinMenu(TsuiSkinEngine& engine, TMenu& menu);
void SkinMenuItem(TsuiSkinEngine& engine, TMenuItem& item);
// Back to system drawing: every item below the root loses both handlers.
void UnskinMenu(TsuiSkinEngine& engine, TMenu& menu);

using TMenuMeasureHandler = std::function<void(TMenuItem& item, HDC dc, int& width, int& height)>;
using TMenuDrawHandler = std::function<void(TMenuItem& item, HDC dc, const RECT& rect, UINT state)>;
// Sets both handlers on the item and on every item below it, depth first in item order.
void SetMenuItemDrawHandlers(TMenuItem& item, const TMenuMeasureHandler& measure,
                             const TMenuDrawHandler& draw);

// The handlers SkinMenuItem installs. An item directly below a main menu's root is a menu
// bar button and keeps the size it was given.
void MeasureMenuItem(const TSkinEngineLink* link, TMenuItem& item, HDC dc, int& width, int& height);
void DrawMenuItem(const TSkinEngineLink* link, TMenuItem& item, HDC dc, const RECT& rect, UINT state);

}  // namespace zentavo
