#pragma once
#include <optional>

#include "framework/Bitmap.h"
#include "skin/FrameGeometry.h"
#include "skin/SkinMetrics.h"
#include "skin/SuiSkinReader.h"

namespace zentavo {

// A whole skinned window drawn off screen, the way the Win32 frame paints it, so that a
// skin's frame can be looked at and checked without Windows. The Win32 frame composes the
// same buffers through the same calls, in the same order; it then adds the caption text and
// the icon, which need GDI and are left out here.

// A mouse position in the window's client coordinates, as the frame's paint reads it.
struct TFrameCursor {
  int x = 0;
  int y = 0;
};

struct TFramePictureOptions {
  int Width = 0, Height = 0;  // of the whole window
  bool HasClose = true;
  bool HasMaximize = true;
  bool HasMinimize = true;
  bool HasHelp = false;
  bool HasIcon = true;                 // the icon itself is not drawn; it only makes the icon hot spot
  bool Active = true;                  // only the caption's colour depends on it
  bool Zoomed = false;                 // maximized
  bool Iconic = false;                 // minimized
  std::optional<TFrameCursor> Cursor;  // none: far away from every button
  bool Pressed = false;                // the left button is down on the frame
  int MenuBarHeight = 0;
  int NativeCaptionHeight = 0;
  int CaptionWidth = 0;  // of the caption as drawn; it moves the pieces of a five-section title
  bool HasBorder = true;
  TColor OutsideColor = clBlack;  // where the window's region leaves the picture out
};

// The frame's view of the window, with the band under the title as the window's non-client
// sizing computes it for a window at (0, 0).
TFrameWindow FramePictureWindow(const TSkinMetrics& metrics, const TFramePictureOptions& options);

// The Width x Height picture: client area and unpainted parts in FormColor, the title bar
// with its buttons, side borders, bottom border and gap fills, and OutsideColor outside the
// window's region. The menu bar's rows stay in FormColor (the bar is a control).
TBitmap RenderFramePicture(const TsuiSkinReader& reader, const TSkinMetrics& metrics,
                           const TFramePictureOptions& options);

}  // namespace zentavo
