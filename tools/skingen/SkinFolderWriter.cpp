#include "SkinFolderWriter.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "SkinPainter.h"
#include "core/Error.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

constexpr TColor kTrans = kSkinTransparent;
constexpr TColor kWhite = RGBColor(255, 255, 255);
constexpr TColor kBlack = RGBColor(0, 0, 0);
// The pixel at (1, 10) of a thumb by which the engine knows a thumb drawn in three parts.
constexpr TColor kThumbMark = 0xB23901;

std::string Hex(TColor color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return text;
}

// Collects the skin's values in package order and writes them out.
class SkinFolder {
 public:
  explicit SkinFolder(fs::path folder) : folder_(std::move(folder)) { fs::create_directories(folder_); }

  void Color(const char* name, TColor color) { colors_.emplace_back(name, Hex(color)); }
  void Position(const char* name, int value) { positions_.emplace_back(name, std::to_string(value)); }
  void Flag(const char* name, bool value) { flags_.emplace_back(name, value ? "1" : "0"); }
  void Bitmap(const char* name, const TBitmap& bitmap) {
    const std::vector<std::uint8_t> bytes = bitmap.SaveToMemory();
    std::ofstream out(folder_ / (std::string(name) + ".bmp"), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Error("Cannot write the bitmap " + std::string(name));
    bitmaps_.emplace_back(name, std::string(name) + ".bmp");
  }
  void Save(const std::string& skinName) const {
    std::ofstream ini(folder_ / "skin.ini", std::ios::trunc);
    ini << "; " << skinName << ": drawn by skingen from its description; edit and rebuild with skinpack.\n";
    auto section = [&](const char* title, const std::vector<std::pair<std::string, std::string>>& values) {
      ini << "[" << title << "]\n";
      for (const auto& [name, value] : values) ini << name << "=" << value << "\n";
    };
    section("colors", colors_);
    section("positions", positions_);
    section("flags", flags_);
    section("bitmaps", bitmaps_);
    if (!ini) throw Error("Cannot write skin.ini of " + skinName);
  }

 private:
  fs::path folder_;
  std::vector<std::pair<std::string, std::string>> colors_, positions_, flags_, bitmaps_;
};

TBitmap Blank(int width, int height, TColor color = kTrans) {
  TBitmap bitmap(width, height);
  bitmap.Fill(color);
  return bitmap;
}

// A title bar piece: the gradient with the frame line along the top edge. The title's
// pixels shape the window, so only the window's own outer corners are cut: an end piece
// rounds its outer corner and leaves the one that meets the next piece square.
TBitmap TitlePiece(const SkinStyle& s, int width, bool leftEnd, bool rightEnd) {
  TBitmap bitmap = Blank(width, s.titleHeight, s.titleBottom);
  SkinPainter p(bitmap);
  p.VerticalGradient(0, 0, width, s.titleHeight, s.titleTop, s.titleBottom);
  if (s.glossy) p.Gloss(0, 1, width, s.titleHeight);
  p.Fill(0, 0, width, 1, s.frame);
  if (leftEnd) p.Fill(0, 0, 1, s.titleHeight, s.frame);
  if (rightEnd) p.Fill(width - 1, 0, width, s.titleHeight, s.frame);
  const int ends = (leftEnd ? SkinPainter::kTopLeft : 0) | (rightEnd ? SkinPainter::kTopRight : 0);
  p.CutCorners(0, 0, width, s.titleHeight, s.corner, ends, kTrans);
  return bitmap;
}

// The piece under the caption of a five-piece title: a lighter tab.
TBitmap CaptionTab(const SkinStyle& s, int width) {
  TBitmap bitmap = TitlePiece(s, width, false, false);
  SkinPainter p(bitmap);
  p.VerticalGradient(0, 3, width, s.titleHeight, MixColor(s.titleTop, kWhite, 0.25), s.titleTop);
  p.Fill(0, 3, width, 4, MixColor(s.frame, kWhite, 0.3));
  return bitmap;
}

// The slanted step from the caption tab down to the plain title.
TBitmap CaptionStep(const SkinStyle& s, int width) {
  TBitmap bitmap = TitlePiece(s, width, false, false);
  SkinPainter p(bitmap);
  for (int y = 3; y < s.titleHeight; ++y) {
    const int edge = (y - 3) * width / std::max(1, s.titleHeight - 3);
    p.VerticalGradient(0, y, edge, y + 1, MixColor(s.titleTop, kWhite, 0.25), s.titleTop);
    p.Pixel(edge, y, MixColor(s.frame, kWhite, 0.3));
  }
  return bitmap;
}

enum class Glyph { kHelp, kMaximize, kRestore, kMinimize, kClose };

void DrawGlyph(SkinPainter& p, Glyph glyph, int x0, int y0, int size, TColor ink) {
  const int a = x0 + size / 4, b = x0 + size - size / 4 - 1;
  const int top = y0 + size / 4, bottom = y0 + size - size / 4 - 1;
  switch (glyph) {
    case Glyph::kClose:
      p.Line(a, top, b - 1, bottom - 1, ink, 2);
      p.Line(b - 1, top, a, bottom - 1, ink, 2);
      break;
    case Glyph::kMaximize:
      p.Frame(a, top, b + 1, bottom + 1, ink);
      p.Fill(a, top, b + 1, top + 2, ink);
      break;
    case Glyph::kRestore:
      p.Frame(a + 2, top, b + 1, bottom - 1, ink);
      p.Fill(a + 2, top, b + 1, top + 2, ink);
      p.Fill(a, top + 3, b - 1, bottom + 1, ink);
      p.Frame(a, top + 3, b - 1, bottom + 1, ink);
      break;
    case Glyph::kMinimize:
      p.Fill(a, bottom - 1, b + 1, bottom + 1, ink);
      break;
    case Glyph::kHelp: {
      const int mid = x0 + size / 2;
      p.Line(mid - 2, top + 1, mid, top, ink);
      p.Line(mid, top, mid + 2, top + 1, ink);
      p.Line(mid + 2, top + 1, mid + 2, top + 3, ink);
      p.Line(mid + 2, top + 3, mid, top + 5, ink);
      p.Fill(mid, top + 5, mid + 1, bottom - 2, ink);
      p.Fill(mid, bottom - 1, mid + 1, bottom + 1, ink);
      break;
    }
  }
}

// 18 frames: 3 unused, then help, maximize, restore, minimize and close, each normal, hot
// and pressed.
TBitmap TitleButtons(const SkinStyle& s, int size) {
  TBitmap bitmap = Blank(size * 18, size, s.roundButtons ? kTrans : s.titleBottom);
  SkinPainter p(bitmap);
  const Glyph glyphs[] = {Glyph::kHelp, Glyph::kMaximize, Glyph::kRestore, Glyph::kMinimize, Glyph::kClose};
  for (int g = 0; g < 5; ++g) {
    for (int state = 0; state < 3; ++state) {
      const int x0 = (3 + g * 3 + state) * size;
      const TColor base = glyphs[g] == Glyph::kClose ? s.closeButton : MixColor(s.titleTop, s.titleBottom, 0.5);
      const TColor face = state == 1 ? MixColor(base, kWhite, 0.3) : state == 2 ? MixColor(base, kBlack, 0.25) : base;
      const TColor ink = MixColor(s.titleText, face, 0.05);
      if (s.roundButtons) {
        p.Disc(x0 + size / 2.0, size / 2.0, size / 2.0 - 1, face, MixColor(face, kBlack, 0.35));
        if (state > 0 || glyphs[g] != Glyph::kClose) DrawGlyph(p, glyphs[g], x0 + 1, 1, size - 2, ink);
      } else {
        p.VerticalGradient(x0, 0, x0 + size, size, MixColor(face, kWhite, 0.35), face);
        p.Frame(x0, 0, x0 + size, size, MixColor(face, kBlack, 0.4));
        DrawGlyph(p, glyphs[g], x0, 0, size, ink);
      }
    }
  }
  return bitmap;
}

// A strip of frames side by side.
TBitmap Strip(int frames, int width, int height, TColor background) { return Blank(frames * width, height, background); }

// The face is drawn by the nine-part rule, which splits it at its middle and gives the
// middle row and column to the edges and the centre. An odd size keeps one of each, so no
// piece of a button is left without pixels of its own.
TBitmap PushButton(const SkinStyle& s) {
  const int w = 23, h = 23;
  TBitmap bitmap = Strip(3, w, h, s.form);
  SkinPainter p(bitmap);
  for (int state = 0; state < 3; ++state) {
    const int x0 = state * w;
    TColor top = s.buttonTop, bottom = s.buttonBottom;
    if (state == 1) top = MixColor(top, s.accent, 0.15), bottom = MixColor(bottom, s.accent, 0.25);
    if (state == 2) std::swap(top, bottom);
    p.VerticalGradient(x0, 0, x0 + w, h, top, bottom);
    // The gloss ends with the top corners (rows 0 to 10), so that the middle rows the
    // edges and the centre are stretched from all lie below it.
    if (s.glossy && state != 2) p.Gloss(x0, 1, x0 + w, h - 1);
    p.Frame(x0, 0, x0 + w, h, state == 1 ? s.accent : s.frame);
    if (s.buttonCorners) p.CutCorners(x0, 0, x0 + w, h, 3, SkinPainter::kAllCorners, kTrans);
  }
  return bitmap;
}

// Ticked, grayed, unticked, then the same disabled.
TBitmap CheckBoxes(const SkinStyle& s) {
  const int n = 13;
  TBitmap bitmap = Strip(6, n, n, s.checkboxTrans ? kTrans : s.form);
  SkinPainter p(bitmap);
  for (int frame = 0; frame < 6; ++frame) {
    const int x0 = frame * n;
    const bool disabled = frame >= 3;
    const TColor border = disabled ? MixColor(s.frame, s.form, 0.6) : s.frame;
    const TColor ink = disabled ? MixColor(s.accent, s.form, 0.6) : s.accent;
    p.Fill(x0, 0, x0 + n, n, disabled ? s.form : s.control);
    p.Frame(x0, 0, x0 + n, n, border);
    if (s.checkboxTrans) p.CutCorners(x0, 0, x0 + n, n, 2, SkinPainter::kAllCorners, kTrans);
    switch (frame % 3) {
      case 0:
        p.Line(x0 + 3, 6, x0 + 5, 8, ink, 2);
        p.Line(x0 + 5, 8, x0 + 9, 3, ink, 2);
        break;
      case 1:
        p.Fill(x0 + 3, 3, x0 + n - 3, n - 3, MixColor(ink, s.form, 0.5));
        break;
      default:
        break;
    }
  }
  return bitmap;
}

// Selected, not selected, selected and disabled, not selected and disabled.
TBitmap RadioButtons(const SkinStyle& s) {
  const int n = 13;
  TBitmap bitmap = Strip(4, n, n, s.checkboxTrans ? kTrans : s.form);
  SkinPainter p(bitmap);
  for (int frame = 0; frame < 4; ++frame) {
    const int x0 = frame * n;
    const bool disabled = frame >= 2;
    const bool selected = frame % 2 == 0;
    p.Disc(x0 + n / 2.0, n / 2.0, n / 2.0, disabled ? s.form : s.control,
           disabled ? MixColor(s.frame, s.form, 0.6) : s.frame);
    if (selected) p.Disc(x0 + n / 2.0, n / 2.0, 2.6, disabled ? MixColor(s.accent, s.form, 0.6) : s.accent,
                         disabled ? MixColor(s.accent, s.form, 0.6) : s.accent);
  }
  return bitmap;
}

// The engine draws progress images as they are, on the form colour, so the rounded caps
// are cut in the form colour rather than the transparent one.
TBitmap ProgressPiece(const SkinStyle& s, int width, bool filled, int capSide) {
  const int h = 14;
  TBitmap bitmap = Blank(width, h, s.control);
  SkinPainter p(bitmap);
  if (filled) {
    p.VerticalGradient(0, 0, width, h, MixColor(s.accent, kWhite, 0.35), s.accent);
    if (s.glossy) p.Gloss(0, 1, width, h);
  } else {
    p.VerticalGradient(0, 0, width, h, MixColor(s.form, kBlack, 0.08), s.control);
  }
  p.Fill(0, 0, width, 1, s.frame);
  p.Fill(0, h - 1, width, h, s.frame);
  if (capSide < 0) p.Fill(0, 0, 1, h, s.frame);
  if (capSide > 0) p.Fill(width - 1, 0, width, h, s.frame);
  if (capSide < 0) p.CutCorners(0, 0, width, h, 2, SkinPainter::kTopLeft | SkinPainter::kBottomLeft, s.form);
  if (capSide > 0)
    p.CutCorners(0, 0, width, h, 2, SkinPainter::kTopRight | SkinPainter::kBottomRight, s.form);
  return bitmap;
}

// The track bar channel: rounded ends on the transparent colour (the reader replaces them
// with the form colour at load).
TBitmap TrackChannel(const SkinStyle& s) {
  TBitmap bitmap = Blank(40, 6);
  SkinPainter p(bitmap);
  p.VerticalGradient(0, 0, 40, 6, MixColor(s.frame, kBlack, 0.2), MixColor(s.form, kWhite, 0.3));
  p.Frame(0, 0, 40, 6, s.frame);
  p.CutCorners(0, 0, 40, 6, 2, SkinPainter::kAllCorners, kTrans);
  return bitmap;
}

TBitmap Slider(const SkinStyle& s, bool vertical) {
  const int w = vertical ? 20 : 11, h = vertical ? 11 : 20;
  TBitmap bitmap = Blank(w, h);
  SkinPainter p(bitmap);
  const TColor top = MixColor(s.buttonTop, s.accent, 0.2), bottom = MixColor(s.buttonBottom, s.accent, 0.35);
  if (vertical) {
    for (int x = 0; x < w; ++x) {
      const int inset = x >= w - 5 ? x - (w - 5) : 0;
      p.VerticalGradient(x, inset, x + 1, h - inset, top, bottom);
      p.Pixel(x, inset, s.frame);
      p.Pixel(x, h - inset - 1, s.frame);
    }
    p.Fill(0, 0, 1, h, s.frame);
  } else {
    for (int y = 0; y < h; ++y) {
      const int inset = y >= h - 5 ? y - (h - 5) : 0;
      p.Fill(inset, y, w - inset, y + 1, MixColor(top, bottom, static_cast<double>(y) / h));
      p.Pixel(inset, y, s.frame);
      p.Pixel(w - inset - 1, y, s.frame);
    }
    p.Fill(0, 0, w, 1, s.frame);
  }
  return bitmap;
}

TBitmap ScrollArrow(const SkinStyle& s, bool up) {
  const int n = 16;
  TBitmap bitmap = Strip(3, n, n, kTrans);
  SkinPainter p(bitmap);
  for (int state = 0; state < 3; ++state) {
    const int x0 = state * n;
    const TColor face = state == 0 ? s.buttonBottom : state == 1 ? MixColor(s.buttonBottom, s.accent, 0.3)
                                                                  : MixColor(s.buttonBottom, kBlack, 0.15);
    p.VerticalGradient(x0 + 1, 1, x0 + n - 1, n - 1, MixColor(face, kWhite, 0.4), face);
    p.Frame(x0 + 1, 1, x0 + n - 1, n - 1, s.frame);
    for (int row = 0; row < 4; ++row) {
      const int y = up ? 6 + row : 9 - row;
      p.Fill(x0 + 8 - row - 1, y, x0 + 8 + row, y + 1, s.text);
    }
  }
  return bitmap;
}

// The scroll thumb, 33 rows: caps of 3 rows, fillers and a grip between, on the track
// colour. The engine replaces the transparent colour of an ordinary thumb by the track
// colour but draws the special thumb (the one cut in three equal parts) exactly as it is,
// so neither uses the transparent colour. The special thumb carries the engine's mark
// pixel at (1, 10), on its outline; the whole outline is drawn in the mark's colour so that
// the mark is part of it rather than a dot of its own.
TBitmap ScrollThumb(const SkinStyle& s, TColor track) {
  const int w = 16, h = 33;
  TBitmap bitmap = Blank(w, h, track);
  SkinPainter p(bitmap);
  const TColor face = MixColor(s.buttonBottom, s.accent, 0.25);
  for (int x = 1; x < w - 1; ++x)
    p.Fill(x, 1, x + 1, h - 1, MixColor(MixColor(face, kWhite, 0.45), face, static_cast<double>(x) / w));
  p.Frame(1, 0, w - 1, h, s.specialThumb ? kThumbMark : s.frame);
  p.CutCorners(1, 0, w - 1, h, 2, SkinPainter::kAllCorners, track);
  for (int y = 13; y <= 19; y += 3) p.Fill(5, y, w - 5, y + 1, MixColor(face, kBlack, 0.4));
  if (s.specialThumb) p.Pixel(1, 10, kThumbMark);
  return bitmap;
}

// Selected tab, other tab; each of three equal parts (left, stretched middle, right).
TBitmap Tabs(const SkinStyle& s) {
  const int part = 6, w = 3 * part, h = 21;
  TBitmap bitmap = Strip(2, w, h, s.form);
  SkinPainter p(bitmap);
  for (int frame = 0; frame < 2; ++frame) {
    const int x0 = frame * w;
    const int top = frame == 0 ? 0 : 2;
    p.VerticalGradient(x0, top, x0 + w, h, frame == 0 ? s.control : MixColor(s.form, kWhite, 0.4),
                       frame == 0 ? s.control : s.form);
    p.Frame(x0, top, x0 + w, h + 1, s.frame);
    if (frame == 0) p.Fill(x0 + 1, top + 1, x0 + w - 1, top + 3, s.accent);
    if (s.tabTrans) {
      p.Fill(x0, 0, x0 + w, top, kTrans);
      p.CutCorners(x0, top, x0 + w, h + 8, 3, SkinPainter::kTopCorners, kTrans);
    }
  }
  return bitmap;
}

TBitmap Band(const SkinStyle& s, int width, int height, TColor top, TColor bottom) {
  TBitmap bitmap = Blank(width, height, s.form);
  SkinPainter p(bitmap);
  p.VerticalGradient(0, 0, width, height, top, bottom);
  return bitmap;
}

TBitmap CheckMark(const SkinStyle& s) {
  TBitmap bitmap = Blank(16, 16);
  SkinPainter p(bitmap);
  p.Line(4, 8, 6, 10, s.accent, 2);
  p.Line(6, 10, 11, 4, s.accent, 2);
  return bitmap;
}

TBitmap SideBorder(const SkinStyle& s, bool left) {
  const int w = 4;
  TBitmap bitmap = Blank(w, 8, s.titleBottom);
  SkinPainter p(bitmap);
  for (int x = 0; x < w; ++x) {
    const int from = left ? x : w - 1 - x;
    p.Fill(x, 0, x + 1, 8, from == 0 ? s.frame : MixColor(s.titleBottom, s.form, from / static_cast<double>(w)));
  }
  return bitmap;
}

TBitmap BottomPiece(const SkinStyle& s, int width, int height, bool leftEnd, bool rightEnd, int corner) {
  TBitmap bitmap = Blank(width, height, s.titleBottom);
  SkinPainter p(bitmap);
  p.VerticalGradient(0, 0, width, height, MixColor(s.titleBottom, s.form, 0.4), s.titleBottom);
  p.Fill(0, height - 1, width, height, s.frame);
  if (leftEnd) p.Fill(0, 0, 1, height, s.frame);
  if (rightEnd) p.Fill(width - 1, 0, width, height, s.frame);
  // Only the window's outer corners, as on the title.
  const int ends = (leftEnd ? SkinPainter::kBottomLeft : 0) | (rightEnd ? SkinPainter::kBottomRight : 0);
  p.CutCorners(0, 0, width, height, corner, ends, kTrans);
  return bitmap;
}

}  // namespace

void WriteDefaultSkin(const SkinStyle& s, const fs::path& folder) {
  SkinFolder skin(folder);
  const TColor selected = MixColor(s.accent, kWhite, 0.55);
  skin.Color("SKIN2_TRANSCOLOR", kTrans);
  skin.Color("SKIN2_TITLEFONTCOLOR", s.titleText);
  skin.Color("SKIN2_FORMCOLOR", s.form);
  skin.Color("SKIN2_MENUBARSTARTCOLOR", s.menuBar);
  skin.Color("SKIN2_MENUBARENDCOLOR", MixColor(s.menuBar, kBlack, 0.05));
  skin.Color("SKIN2_TOPSELECTEDMENUCOLOR", selected);
  skin.Color("SKIN2_TOPSELECTEDMENUBORDERCOLOR", s.accent);
  skin.Color("SKIN2_TOPSELECTEDMENUFONTCOLOR", s.text);
  skin.Color("SKIN2_TOPMENUFONTCOLOR", s.text);
  skin.Color("SKIN2_LEFTBARSTARTCOLOR", MixColor(s.form, s.accent, 0.15));
  skin.Color("SKIN2_LEFTBARENDCOLOR", s.form);
  skin.Color("SKIN2_MENUITEMCOLOR", s.menuItem);
  skin.Color("SKIN2_MENUITEMFONTCOLOR", s.text);
  skin.Color("SKIN2_SELECTEDMENUCOLOR", selected);
  skin.Color("SKIN2_SELECTEDMENUBORDERCOLOR", s.accent);
  skin.Color("SKIN2_SELECTEDMENUFONTCOLOR", s.text);
  skin.Color("SKIN2_TOOLBARSTARTCOLOR", s.form);
  skin.Color("SKIN2_TOOLBARENDCOLOR", MixColor(s.form, kBlack, 0.06));
  skin.Color("SKIN2_TOOLBARONCOLOR", selected);
  skin.Color("SKIN2_TOOLBARBORDERCOLOR", s.accent);
  skin.Color("SKIN2_TOOLBARDOWNCOLOR", MixColor(s.accent, kWhite, 0.3));
  skin.Color("SKIN2_CONTROLCOLOR", s.control);
  skin.Color("SKIN2_CONTROLBORDERCOLOR", s.frame);
  skin.Color("SKIN2_CONTROLFONTCOLOR", s.text);
  skin.Color("SKIN2_BUTTONFONTCOLOR", s.text);
  // The three-part thumb is known by this exact track colour.
  const TColor track = s.specialThumb ? RGBColor(0xCB, 0xCB, 0xCB) : MixColor(s.form, kWhite, 0.4);
  skin.Color("SKIN2_SCROLLBARCOLOR", track);
  skin.Color("SKIN2_TABCONTROLCOLOR", s.control);
  skin.Color("SKIN2_TABCONTROLBORDERCOLOR", s.frame);
  skin.Color("SKIN2_TABCONTROLACTIVEFONTCOLOR", s.text);
  skin.Color("SKIN2_TABCONTROLINACTIVEFONTCOLOR", MixColor(s.text, s.form, 0.4));
  skin.Color("SKIN2_SIDECHANNELCOLOR", s.form);
  skin.Color("SKIN2_SIDECHANNELBORDERCOLOR", s.frame);

  const int buttonSize = s.titleHeight - 8;
  skin.Position("SKIN2_TITLEBARICONPOSX", 6 + s.corner / 2);
  skin.Position("SKIN2_TITLEBARICONPOSY", (s.titleHeight - 16) / 2);
  skin.Position("SKIN2_TITLEBARCAPTIONTOP", (s.titleHeight - 14) / 2);
  skin.Position("SKIN2_TITLEBARBUTTONPOSX", 5 + s.corner / 2);
  skin.Position("SKIN2_TITLEBARBUTTONPOSY", (s.titleHeight - buttonSize) / 2);
  skin.Position("SKIN2_TITLEBARREGIONMINY", 0);
  skin.Position("SKIN2_TITLEBARREGIONMAXY", s.corner);
  const int bottomHeight = std::max(4, s.bottomCorner);
  skin.Position("SKIN2_BOTTOMREGIONMINY", bottomHeight - s.bottomCorner);
  skin.Position("SKIN2_BOTTOMREGIONMAXY", bottomHeight - 1);

  skin.Flag("SKIN2_TITLEFIVESECT", s.fiveSection);
  skin.Flag("SKIN2_BOTTOMBORDERTHREESECT", s.bottomThreeSect);
  skin.Flag("SKIN2_TITLEBARNEEDREGION", s.corner > 0);
  skin.Flag("SKIN2_BOTTOMBORDERNEEDREGION", s.bottomCorner > 0);
  skin.Flag("SKIN2_TITLEBTNTRANS", s.roundButtons);
  skin.Flag("SKIN2_BUTTONTRANS", s.buttonCorners);
  skin.Flag("SKIN2_CHECKBOXTRANS", s.checkboxTrans);
  skin.Flag("SKIN2_RADIOBUTTONTRANS", s.checkboxTrans);
  skin.Flag("SKIN2_TABCONTROLTRANS", s.tabTrans);

  if (s.fiveSection) {
    skin.Bitmap("SKIN2_TITLEBAR1", TitlePiece(s, 28, true, false));
    skin.Bitmap("SKIN2_TITLEBAR2", CaptionTab(s, 8));
    skin.Bitmap("SKIN2_TITLEBAR3", CaptionStep(s, 22));
    skin.Bitmap("SKIN2_TITLEBAR4", TitlePiece(s, 8, false, false));
    skin.Bitmap("SKIN2_TITLEBAR5", TitlePiece(s, 24, false, true));
  } else {
    skin.Bitmap("SKIN2_TITLEBAR1", TitlePiece(s, 28, true, false));
    skin.Bitmap("SKIN2_TITLEBAR2", TitlePiece(s, 8, false, false));
    skin.Bitmap("SKIN2_TITLEBAR3", TitlePiece(s, 24, false, true));
    // Read only by five-piece titles; present so that every skin holds every key.
    skin.Bitmap("SKIN2_TITLEBAR4", TitlePiece(s, 8, false, false));
    skin.Bitmap("SKIN2_TITLEBAR5", TitlePiece(s, 24, false, true));
  }
  skin.Bitmap("SKIN2_FORMLEFTBORDER", SideBorder(s, true));
  skin.Bitmap("SKIN2_FORMRIGHTBORDER", SideBorder(s, false));
  if (s.bottomThreeSect) {
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER1", BottomPiece(s, 12, bottomHeight, true, false, s.bottomCorner));
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER2", BottomPiece(s, 8, bottomHeight, false, false, 0));
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER3", BottomPiece(s, 12, bottomHeight, false, true, s.bottomCorner));
  } else {
    // One strip of three equal parts: left end, stretched middle, right end.
    TBitmap strip = BottomPiece(s, 36, bottomHeight, true, true, s.bottomCorner);
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER1", strip);
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER2", BottomPiece(s, 8, bottomHeight, false, false, 0));
    skin.Bitmap("SKIN2_FORMBOTTOMBORDER3", BottomPiece(s, 12, bottomHeight, false, true, s.bottomCorner));
  }
  skin.Bitmap("SKIN2_MINIMIZEDTITLE", TitlePiece(s, 160, true, true));
  skin.Bitmap("SKIN2_TITLEBUTTONS", TitleButtons(s, buttonSize));
  if (s.checkedMenuIcon) skin.Bitmap("SKIN2_CHECKEDMENUICON", CheckMark(s));
  skin.Bitmap("SKIN2_MENUBAR", Band(s, 8, 20, s.menuBar, MixColor(s.menuBar, kBlack, 0.05)));
  skin.Bitmap("SKIN2_TOOLBAR", Band(s, 8, 26, s.form, MixColor(s.form, kBlack, 0.06)));
  skin.Bitmap("SKIN2_BUTTON", PushButton(s));
  skin.Bitmap("SKIN2_CHECKBOX", CheckBoxes(s));
  skin.Bitmap("SKIN2_CHECKBOXLIST", CheckBoxes(s));
  skin.Bitmap("SKIN2_RADIOBUTTON", RadioButtons(s));
  skin.Bitmap("SKIN2_PROGRESSBAR1", ProgressPiece(s, 4, true, -1));
  skin.Bitmap("SKIN2_PROGRESSBAR2", ProgressPiece(s, 8, true, 0));
  skin.Bitmap("SKIN2_PROGRESSBAR3", ProgressPiece(s, 8, false, 0));
  skin.Bitmap("SKIN2_PROGRESSBAR4", ProgressPiece(s, 4, false, 1));
  skin.Bitmap("SKIN2_TRACKBAR", TrackChannel(s));
  skin.Bitmap("SKIN2_TRACKBARSLIDER", Slider(s, false));
  skin.Bitmap("SKIN2_TRACKBARVSLIDER", Slider(s, true));
  skin.Bitmap("SKIN2_SCROLLBARUPBUTTON", ScrollArrow(s, true));
  skin.Bitmap("SKIN2_SCROLLBAR", ScrollThumb(s, track));
  skin.Bitmap("SKIN2_SCROLLBARDOWNBUTTON", ScrollArrow(s, false));
  skin.Bitmap("SKIN2_TABCONTROL", Tabs(s));
  skin.Bitmap("SKIN2_TABCONTROLLINE", Band(s, 4, 3, s.accent, MixColor(s.accent, kWhite, 0.4)));
  skin.Bitmap("SKIN2_SIDECHANNELBAR", Band(s, 8, 24, s.titleTop, s.titleBottom));
  skin.Bitmap("SKIN2_SIDECHANNELTITLE", Band(s, 8, 22, MixColor(s.titleTop, kWhite, 0.3), s.titleTop));
  skin.Bitmap("SKIN2_SCROLLBUTTON", ScrollArrow(s, true));
  skin.Save(s.name);
}

}  // namespace zentavo
