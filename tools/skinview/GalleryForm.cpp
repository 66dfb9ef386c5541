#include "GalleryForm.h"

#include <string>

#include "app/AppIcon.h"
#include "core/DateTime.h"
#include "framework/win/TrayIcon.h"

namespace zentavo {

namespace {

// A small striped picture for the image, speed button and tool bar.
TBitmap Stripes(int width, int height) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, ((x / 4 + y / 4) % 2) ? RGBColor(40, 110, 200) : RGBColor(250, 200, 40));
  return picture;
}

// Places a control on a parent at the given bounds.
template <class T>
T& Put(TForm& form, TWinControl& parent, int left, int top, int width, int height) {
  T& control = form.Make<T>();
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
  return control;
}

// Three 16 x 16 pictures in one strip, magenta standing for "transparent".
TBitmap PictureStrip() {
  TBitmap strip(48, 16);
  strip.Fill(RGBColor(255, 0, 255));
  const TColor colours[] = {RGBColor(200, 40, 40), RGBColor(40, 160, 60), RGBColor(40, 90, 200)};
  for (int i = 0; i < 3; ++i)
    for (int y = 3; y < 13; ++y)
      for (int x = 3; x < 13; ++x)
        if ((x - 8) * (x - 8) + (y - 8) * (y - 8) <= 25) strip.SetPixel(i * 16 + x, y, colours[i]);
  return strip;
}

}  // namespace

TfrmGallery::TfrmGallery(TComponent* owner)
    : TForm(owner),
      MainMenu1(Make<TMainMenu>()),
      N_Skin(Make<TMenuItem>()),
      N_Active(Make<TMenuItem>()),
      N_Windows(Make<TMenuItem>()),
      N_Dialog(Make<TMenuItem>()),
      N_ToolWindow(Make<TMenuItem>()),
      suiSkinEngine(MakeNamed<TsuiSkinEngine>("suiSkinEngine")) {
  SetName("frmGallery");
  SetCaption("Skin preview");
  // The program's coin, so that the title shows an icon as the program's windows do.
  bigIcon_ = MakeIcon(32, DrawAppIcon(32).bgra);
  smallIcon_ = MakeIcon(16, DrawAppIcon(16).bgra);
  SetIcons(bigIcon_.get(), smallIcon_.get());
  suiSkinEngine.SetActive(true);
  N_Skin.SetCaption("&Skin");
  N_Active.SetCaption("&Active");
  N_Active.SetChecked(true);
  N_Windows.SetCaption("&Windows");
  N_Dialog.SetCaption("&Dialog...");
  N_ToolWindow.SetCaption("&Tool window...");
  MainMenu1.Items().Add(N_Skin);
  MainMenu1.Items().Add(N_Windows);
  N_Windows.Add(N_Dialog);
  N_Windows.Add(N_ToolWindow);
  SetMenu(&MainMenu1);
  SetBounds(40, 20, 0, 0);
  SetClientSize(760, 560);
  BuildStandardControls();
  BuildListsAndGrids();
  BuildCommonControls();
  FormCreated();
  OnShow = [this](TComponent*) { focused_->SetFocus(); };
}

void TfrmGallery::BuildStandardControls() {
  auto& buttons = Put<TGroupBox>(*this, *this, 8, 8, 240, 200);
  buttons.SetCaption("Buttons");
  auto& focused = Put<TButton>(*this, buttons, 12, 20, 100, 25);
  focused.SetCaption("&Focused");
  focused_ = &focused;
  auto& disabled = Put<TButton>(*this, buttons, 124, 20, 100, 25);
  disabled.SetCaption("Disabled");
  disabled.SetEnabled(false);
  auto& checked = Put<TCheckBox>(*this, buttons, 12, 54, 100, 20);
  checked.SetCaption("Checked");
  checked.SetChecked(true);
  auto& grayed = Put<TCheckBox>(*this, buttons, 124, 54, 100, 20);
  grayed.SetAllowGrayed(true);
  grayed.SetCaption("Grayed");
  grayed.SetState(TCheckBoxState::cbGrayed);
  auto& off = Put<TCheckBox>(*this, buttons, 12, 78, 100, 20);
  off.SetCaption("Disabled");
  off.SetEnabled(false);
  auto& first = Put<TRadioButton>(*this, buttons, 124, 78, 100, 20);
  first.SetCaption("Radio one");
  first.SetChecked(true);
  Put<TRadioButton>(*this, buttons, 124, 100, 100, 20).SetCaption("Radio two");
  auto& speed = Put<TPanel>(*this, buttons, 12, 128, 212, 60);
  speed.SetCaption("");
  auto& flat = Make<TSpeedButton>();
  flat.SetParent(&speed);
  flat.SetBounds(6, 6, 60, 48);
  flat.SetCaption("Flat");
  flat.SetFlat(true);
  flat.SetGlyph(Stripes(16, 16));
  auto& down = Make<TSpeedButton>();
  down.SetParent(&speed);
  down.SetBounds(72, 6, 60, 48);
  down.SetCaption("Down");
  down.SetGroupIndex(1);
  down.SetDown(true);
  auto& image = Make<TImage>();
  image.SetParent(&speed);
  image.SetBounds(140, 6, 64, 48);
  image.SetPicture(Stripes(32, 24));
  image.SetStretch(true);

  auto& texts = Put<TGroupBox>(*this, *this, 256, 8, 240, 200);
  texts.SetCaption("Texts");
  auto& label = Make<TLabel>();
  label.SetParent(&texts);
  label.SetBounds(12, 22, 80, 13);
  label.SetCaption("A label:");
  Put<TEdit>(*this, texts, 96, 18, 132, 21).SetText("An edit box");
  auto& memo = Put<TMemo>(*this, texts, 12, 46, 216, 70);
  std::vector<std::string> lines;
  for (int i = 1; i <= 12; ++i) lines.push_back("Memo line " + std::to_string(i) + " that runs on past the right edge");
  memo.SetLines(lines);
  auto& combo = Put<TComboBox>(*this, texts, 12, 124, 216, 21);
  for (const char* item : {"Combo box", "Second", "Third"}) combo.AddItem(item);
  combo.SetItemIndex(0);
  auto& pictures = Make<TImageList>(16, 16);
  pictures.AddMasked(PictureStrip(), RGBColor(255, 0, 255));
  images_ = &pictures;
  auto& extended = Put<TComboBoxEx>(*this, texts, 12, 154, 216, 21);
  extended.SetImages(&pictures);
  extended.AddItemWithImage("Extended combo box", 0);
  extended.AddItemWithImage("Second", 1);
  extended.SetItemIndex(0);

  auto& dates = Put<TGroupBox>(*this, *this, 504, 8, 248, 200);
  dates.SetCaption("Values");
  Put<TDateTimePicker>(*this, dates, 12, 20, 224, 21).SetDateTime(EncodeDateTime(2024, 3, 31, 10, 0, 0));
  auto& edit = Put<TEdit>(*this, dates, 12, 50, 60, 21);
  auto& upDown = Put<TUpDown>(*this, dates, 72, 50, 17, 21);
  upDown.SetAssociate(&edit);
  upDown.SetRange(0, 99);
  upDown.SetPosition(42);
  Put<THotKey>(*this, dates, 100, 50, 136, 21).SetHotKey(ShortCut('K', ssCtrl | ssAlt));
  auto& progress = Put<TProgressBar>(*this, dates, 12, 82, 224, 18);
  progress.SetPosition(60);
  auto& track = Put<TTrackBar>(*this, dates, 12, 108, 224, 36);
  track.SetRange(0, 10);
  track.SetPosition(3);
  auto& vertical = Put<TProgressBar>(*this, dates, 12, 150, 18, 40);
  vertical.SetOrientation(TProgressBarOrientation::pbVertical);
  vertical.SetPosition(70);
  auto& bar = Put<TScrollBar>(*this, dates, 40, 160, 196, 17);
  bar.SetPosition(30);
}

void TfrmGallery::BuildListsAndGrids() {
  auto& lists = Put<TPageControl>(*this, *this, 8, 216, 488, 200);
  TTabSheet& listPage = lists.AddPage("Lists");
  TTabSheet& gridPage = lists.AddPage("Grid");
  TTabSheet& treePage = lists.AddPage("Tree");
  auto& list = Put<TListView>(*this, listPage, 4, 4, 300, 160);
  list.AddColumn("Name", 120);
  list.AddColumn("Value", 100);
  list.OnData = [](int row, int column) {
    return column == 0 ? "Row " + std::to_string(row + 1) : std::to_string((row + 1) * 7);
  };
  list.SetRowCount(40);
  auto& box = Put<TListBox>(*this, listPage, 312, 4, 164, 160);
  for (int i = 1; i <= 30; ++i) box.AddItem("List box item " + std::to_string(i));
  box.SetItemIndex(24);  // scrolled down to it
  auto& grid = Put<TStringGrid>(*this, gridPage, 4, 4, 472, 160);
  grid.SetColCount(8);
  grid.SetRowCount(20);
  for (int col = 1; col < 8; ++col) grid.SetCellText(col, 0, std::string(1, static_cast<char>('A' + col - 1)));
  for (int row = 1; row < 20; ++row) grid.SetCellText(0, row, std::to_string(row));
  auto& tree = Put<TTreeView>(*this, treePage, 4, 4, 220, 160);
  for (int i = 1; i <= 3; ++i) {
    const int parent = tree.AddItem(-1, "Branch " + std::to_string(i));
    for (int j = 1; j <= 4; ++j) tree.AddItem(parent, "Leaf " + std::to_string(i) + "." + std::to_string(j));
  }
  auto& scroll = Put<TScrollBox>(*this, treePage, 232, 4, 244, 160);
  for (int i = 0; i < 8; ++i) Put<TButton>(*this, scroll, 8, 8 + i * 32, 120, 25).SetCaption("In a scroll box");

  auto& tabs = Put<TTabControl>(*this, *this, 504, 216, 248, 200);
  for (const char* tab : {"Top", "Tabs", "More"}) tabs.AddTab(tab);
  auto& sideTabs = Put<TTabControl>(*this, tabs, 8, 30, 232, 160);
  for (const char* tab : {"Left", "Side"}) sideTabs.AddTab(tab);
  sideTabs.SetTabPosition(TTabPosition::tpLeft);
}

void TfrmGallery::BuildCommonControls() {
  auto& tools = Make<TToolBar>();
  tools.SetParent(this);
  tools.SetBounds(8, 424, 488, 30);
  tools.SetFlat(true);
  tools.SetShowCaptions(true);
  tools.SetList(true);
  tools.SetImages(images_);
  tools.AddButton("New", 0);
  tools.AddButton("Open", 1);
  tools.AddButton("", -1, TToolButtonStyle::tbsSeparator);
  tools.AddButton("Checked", -1, TToolButtonStyle::tbsCheck).SetDown(true);
  auto& cool = Put<TCoolBar>(*this, *this, 504, 424, 248, 34);
  auto& inBand = Make<TEdit>();
  inBand.SetText("In a cool bar");
  cool.AddBand(inBand, "Band");
  auto& panel = Put<TPanel>(*this, *this, 8, 462, 560, 60);
  panel.SetCaption("A panel with a bevel");
  panel.SetBevelInner(TPanelBevel::bvLowered);
  auto& frame = Put<TFrame>(*this, *this, 576, 462, 176, 60);
  auto& framed = Make<TLabel>();
  framed.SetParent(&frame);
  framed.SetBounds(8, 8, 150, 13);
  framed.SetCaption("A frame");
  auto& status = Make<TStatusBar>();
  status.SetParent(this);
  status.SetAlign(TAlign::alBottom);
  status.SetBounds(0, 0, 0, 22);
  status.SetSimpleText("A status bar with a size grip");
}

}  // namespace zentavo
