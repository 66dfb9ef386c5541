#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "skin/ControlClassMap.h"
#include "skin/SkinHookRules.h"
#include "skin/WindowClassMap.h"
#include "skin/WrapperKind.h"

namespace zentavo {

void PrintTo(TWrapperKind kind, std::ostream* os) {
  *os << WrapperKindName(kind);
}

namespace {

using K = TWrapperKind;
using Chain = std::vector<std::string_view>;

// Window styles as the system defines them.
constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_TABSTOP = 0x00010000;
constexpr unsigned BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2, BS_AUTOCHECKBOX = 0x3,
                   BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_AUTO3STATE = 0x6, BS_GROUPBOX = 0x7,
                   BS_AUTORADIOBUTTON = 0x9, BS_PUSHBOX = 0xA, BS_OWNERDRAW = 0xB, BS_SPLITBUTTON = 0xC,
                   BS_DEFSPLITBUTTON = 0xD, BS_COMMANDLINK = 0xE;
constexpr unsigned BS_LEFTTEXT = 0x20, BS_ICON = 0x40, BS_MULTILINE = 0x2000, BS_PUSHLIKE = 0x1000,
                   BS_FLAT = 0x8000;
constexpr unsigned CBS_SIMPLE = 0x1, CBS_DROPDOWN = 0x2, CBS_DROPDOWNLIST = 0x3;
constexpr unsigned SBS_VERT = 0x1, SBS_SIZEGRIP = 0x10;
constexpr unsigned WS_EX_NOPARENTNOTIFY = 0x4, WS_EX_CLIENTEDGE = 0x200;

const Chain kControlBase = {"TWinControl", "TControl", "TComponent"};

Chain Derived(Chain own, const Chain& base = kControlBase) {
  own.insert(own.end(), base.begin(), base.end());
  return own;
}

// --- Framework controls -----------------------------------------------------------------

TEST(WrapperControlClassMap, DescendantOfASpecificRowBeatsTheGeneralRowBeforeIt) {
  const TControlClassMap map = MakeStandardControlClassMap();
  const Chain listControl = Derived({"TCustomMultiSelectListControl", "TCustomListControl"});
  const Chain customControl = Derived({"TCustomControl"});
  // Each of these also matches an earlier, more general row.
  EXPECT_EQ(map.Find(Derived({"TListView", "TCustomListView"}, listControl)), K::TsuiSkinListView);
  EXPECT_EQ(map.Find(Derived({"TChart", "TCustomPanel"}, customControl)), K::TsuiSkinPanel);
  EXPECT_EQ(map.Find(Derived({"TStringGrid", "TDrawGrid", "TCustomDrawGrid", "TCustomGrid"}, customControl)),
            K::TsuiSkinGrid);
  EXPECT_EQ(map.Find(Derived({"TGroupBox", "TCustomGroupBox"}, customControl)), K::TsuiSkinGroupBox);
  EXPECT_EQ(
      map.Find(Derived({"TComboBoxEx", "TCustomComboBoxEx", "TCustomComboBox", "TCustomCombo"}, listControl)),
      K::TsuiSkinComboBoxEx);
  EXPECT_EQ(map.Find(Derived({"TComboBox", "TCustomComboBox", "TCustomCombo"}, listControl)),
            K::TsuiSkinComboBox);
}

TEST(WrapperControlClassMap, DescendantsWithoutARowOfTheirOwnTakeTheirAncestorsRow) {
  const TControlClassMap map = MakeStandardControlClassMap();
  EXPECT_EQ(map.Find(Derived({"TMemo", "TCustomMemo", "TCustomEdit"})), K::TsuiSkinScrollWinControl);
  EXPECT_EQ(map.Find(Derived(
                {"TListBox", "TCustomListBox", "TCustomMultiSelectListControl", "TCustomListControl"})),
            K::TsuiSkinScrollWinControl);
  EXPECT_EQ(map.Find(Derived({"TDBLookupComboBox", "TDBLookupControl", "TCustomControl"})),
            K::TsuiSkinScrollWinControl);
  EXPECT_EQ(map.Find(Derived({"TBitBtn", "TButton", "TButtonControl"})), K::TsuiSkinButton);
  EXPECT_EQ(map.Find(Derived({"TCheckBox", "TCustomCheckBox", "TButtonControl"})), K::TsuiSkinCheckBox);
  EXPECT_EQ(map.Find(Derived({"TPageControl", "TCustomTabControl"})), K::TsuiSkinTabControl);
  EXPECT_EQ(map.Find({"TLabel", "TCustomLabel", "TGraphicControl", "TControl", "TComponent"}),
            K::TsuiSkinLabel);
}

TEST(WrapperControlClassMap, ClassesNoRowNamesGetNoWrapper) {
  const TControlClassMap map = MakeStandardControlClassMap();
  EXPECT_EQ(map.Find(Derived({"TfrmMain", "TForm", "TCustomForm", "TScrollingWinControl"})), std::nullopt);
  EXPECT_EQ(map.Find({"TImage", "TGraphicControl", "TControl", "TComponent"}), std::nullopt);
  // TCustomLabel is the parent of the row's class, not a descendant.
  EXPECT_EQ(map.Find({"TCustomLabel", "TGraphicControl", "TControl", "TComponent"}), std::nullopt);
  EXPECT_EQ(map.Find(Chain{}), std::nullopt);
}

TEST(WrapperControlClassMap, RowOrderNotChainOrderDecidesSoLaterRowsOverride) {
  TControlClassMap map = MakeStandardControlClassMap();
  const Chain panel = Derived({"TPanel", "TCustomPanel", "TCustomControl"});
  const Chain listView = Derived({"TListView", "TCustomListView", "TCustomListControl"});
  map.Register("TCustomControl", K::TsuiSkinBorderWinControl);
  // The general class registered last now wins over the panel's own, nearer row ...
  EXPECT_EQ(map.Find(panel), K::TsuiSkinBorderWinControl);
  // ... but only for its descendants.
  EXPECT_EQ(map.Find(listView), K::TsuiSkinListView);

  TControlClassMap twoRows;
  twoRows.Register("TChild", K::TsuiSkinButton);
  twoRows.Register("TParent", K::TsuiSkinLabel);
  EXPECT_EQ(twoRows.Find({"TChild", "TParent"}), K::TsuiSkinLabel);
}

TEST(WrapperControlClassMap, ClassIdentityIsSearchedThroughItsParents) {
  static const TClassInfo control{"TControl", &TComponent::StaticClassInfo()};
  static const TClassInfo winControl{"TWinControl", &control};
  static const TClassInfo customControl{"TCustomControl", &winControl};
  static const TClassInfo customPanel{"TCustomPanel", &customControl};
  static const TClassInfo chart{"TChart", &customPanel};
  static const TClassInfo image{"TImage", &control};
  const TControlClassMap map = MakeStandardControlClassMap();
  EXPECT_EQ(map.Find(chart), K::TsuiSkinPanel);
  EXPECT_EQ(map.Find(customControl), K::TsuiSkinScrollWinControl);
  EXPECT_EQ(map.Find(image), std::nullopt);
  EXPECT_EQ(ControlClassMap().Find(chart), K::TsuiSkinPanel);
}

// --- Child windows of foreign windows ---------------------------------------------------

std::optional<K> ButtonWrapper(unsigned buttonStyle) {
  const TForeignChildDecision d =
      DecideForeignChild("Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | buttonStyle);
  if (d.action == TForeignChildAction::Skip) return std::nullopt;
  EXPECT_EQ(d.action, TForeignChildAction::WrapWindow);
  return d.wrapper;
}

TEST(WrapperWindowClassMap, ButtonTypeChoosesPushCheckOrRadioWrapper) {
  EXPECT_EQ(ButtonWrapper(BS_PUSHBUTTON), K::TsuiSkinWndButton);
  EXPECT_EQ(ButtonWrapper(BS_DEFPUSHBUTTON), K::TsuiSkinWndButton);
  for (unsigned check : {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE}) {
    EXPECT_EQ(ButtonWrapper(check), K::TsuiSkinWndCheckBox) << check;
  }
  EXPECT_EQ(ButtonWrapper(BS_RADIOBUTTON), K::TsuiSkinWndRadioButton);
  EXPECT_EQ(ButtonWrapper(BS_AUTORADIOBUTTON), K::TsuiSkinWndRadioButton);
  EXPECT_EQ(ButtonWrapper(BS_GROUPBOX), std::nullopt);
}

TEST(WrapperWindowClassMap, ButtonsDrawnByTheirOwnerOrAsSpecialFacesAreLeftAlone) {
  // Read as bits, these types would pass for check boxes (0xA, 0xB, 0xD, 0xE) or a radio
  // button (0xC).
  for (unsigned type : {BS_PUSHBOX, BS_OWNERDRAW, BS_SPLITBUTTON, BS_DEFSPLITBUTTON, BS_COMMANDLINK}) {
    EXPECT_EQ(ButtonWrapper(type), std::nullopt) << type;
    EXPECT_EQ(ButtonTableName(type), "") << type;
  }
}

TEST(WrapperWindowClassMap, LookAndLayoutBitsDoNotChangeTheButtonKind) {
  EXPECT_EQ(ButtonWrapper(BS_PUSHLIKE | BS_AUTOCHECKBOX), K::TsuiSkinWndCheckBox);
  EXPECT_EQ(ButtonWrapper(BS_PUSHLIKE | BS_AUTORADIOBUTTON), K::TsuiSkinWndRadioButton);
  EXPECT_EQ(ButtonWrapper(BS_LEFTTEXT | BS_FLAT | BS_MULTILINE | BS_DEFPUSHBUTTON), K::TsuiSkinWndButton);
  EXPECT_EQ(ButtonWrapper(BS_ICON | BS_PUSHBUTTON), K::TsuiSkinWndButton);
  EXPECT_EQ(ButtonWrapper(BS_FLAT | BS_GROUPBOX), std::nullopt);
}

TEST(WrapperWindowClassMap, ComboBoxesExceptSimpleOnesAreWrapped) {
  const unsigned child = WS_CHILD | WS_VISIBLE;
  EXPECT_EQ(DecideForeignChild("ComboBox", child | CBS_SIMPLE).action, TForeignChildAction::Skip);
  for (unsigned type : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
    const TForeignChildDecision d = DecideForeignChild("ComboBox", child | type);
    EXPECT_EQ(d.action, TForeignChildAction::WrapWindow) << type;
    EXPECT_EQ(d.wrapper, K::TsuiSkinWndComboBox) << type;
  }
  // The extended combo box is wrapped through its inner combo box, whatever its own type.
  const TForeignChildDecision ex = DecideForeignChild("ComboBoxEx32", child | CBS_SIMPLE);
  EXPECT_EQ(ex.action, TForeignChildAction::WrapFirstChild);
  EXPECT_EQ(ex.wrapper, K::TsuiSkinWndComboBox);
}

TEST(WrapperWindowClassMap, OtherClassesByNameInAnyCase) {
  const unsigned child = WS_CHILD | WS_VISIBLE;
  const TForeignChildDecision tabs = DecideForeignChild("SysTabControl32", child);
  EXPECT_EQ(tabs.action, TForeignChildAction::WrapWindow);
  EXPECT_EQ(tabs.wrapper, K::TsuiSkinWndTabControl);
  EXPECT_EQ(DecideForeignChild("toolbarwindow32", child).wrapper, K::TsuiSkinWndToolbarWindow32);
  for (const char* name : {"Edit", "Static", "#32770", "SysListView32", "BUTTON_CHECKBOX"}) {
    EXPECT_EQ(DecideForeignChild(name, child).action, TForeignChildAction::Skip) << name;
  }
  EXPECT_EQ(DecideForeignChild("SysAnimate32", child).action, TForeignChildAction::MarkAnimated);
  EXPECT_EQ(DecideForeignChild("msctls_progress32", child).action, TForeignChildAction::MarkAnimated);
  // The table itself holds upper-case names only.
  EXPECT_EQ(FindWindowClassWrapper("BUTTON_RADIOBUTTON"), K::TsuiSkinWndRadioButton);
  EXPECT_EQ(FindWindowClassWrapper("Button"), std::nullopt);
}

TEST(WrapperWindowClassMap, WindowsThatAreNotChildrenAreSkipped) {
  EXPECT_EQ(DecideForeignChild("Button", WS_VISIBLE | BS_PUSHBUTTON).action, TForeignChildAction::Skip);
  EXPECT_EQ(DecideForeignChild("SysAnimate32", WS_VISIBLE).action, TForeignChildAction::Skip);
}

// --- The window-creation hook -----------------------------------------------------------

TEST(WrapperHook, SizeGripsAreRefusedUnlessMarkedNoParentNotify) {
  const unsigned grip = WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP;
  EXPECT_TRUE(RefusesWindowCreation("ScrollBar", grip, 0));
  EXPECT_TRUE(RefusesWindowCreation("SCROLLBAR", grip, WS_EX_CLIENTEDGE));
  // Only exactly WS_EX_NOPARENTNOTIFY lets a grip through.
  EXPECT_FALSE(RefusesWindowCreation("scrollbar", grip, WS_EX_NOPARENTNOTIFY));
  EXPECT_TRUE(RefusesWindowCreation("ScrollBar", grip, WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE));
  EXPECT_FALSE(RefusesWindowCreation("ScrollBar", WS_CHILD | SBS_VERT, 0));
  EXPECT_FALSE(RefusesWindowCreation("Edit", WS_CHILD | 0x10, 0));
}

TEST(WrapperHook, DialogsAreWrappedWhenAllowedAndAlwaysClearTheClosedRecord) {
  const auto list = StandardActivationClassList();
  for (const char* dialog : {"#32770", "TMessageForm"}) {
    TActivationFacts facts;
    facts.skinDialogs = true;
    TActivationDecision d = DecideActivation(dialog, facts, list);
    EXPECT_EQ(d.action, TActivationAction::AddForeignWindow) << dialog;
    EXPECT_TRUE(d.clearLastClosedDialog) << dialog;

    for (auto refuse : {&TActivationFacts::isLastClosedDialog, &TActivationFacts::answersSkinned}) {
      TActivationFacts refused = facts;
      refused.*refuse = true;
      d = DecideActivation(dialog, refused, list);
      EXPECT_EQ(d.action, TActivationAction::None) << dialog;
      EXPECT_TRUE(d.clearLastClosedDialog) << dialog;
    }
    facts.skinDialogs = false;
    d = DecideActivation(dialog, facts, list);
    EXPECT_EQ(d.action, TActivationAction::None) << dialog;
    EXPECT_TRUE(d.clearLastClosedDialog) << dialog;
  }
  // The dialog names compare with their letter case.
  TActivationFacts facts;
  facts.skinDialogs = true;
  const TActivationDecision lower = DecideActivation("tmessageform", facts, list);
  EXPECT_EQ(lower.action, TActivationAction::None);
  EXPECT_FALSE(lower.clearLastClosedDialog);
}

TEST(WrapperHook, DockHostsAreWrappedRegardlessOfSkinDialogs) {
  const auto list = StandardActivationClassList();
  for (const char* host : {"TTabDockHost", "TConjoinDockHost"}) {
    TActivationFacts facts;  // SkinDialogs off
    TActivationDecision d = DecideActivation(host, facts, list);
    EXPECT_EQ(d.action, TActivationAction::AddForeignWindow) << host;
    EXPECT_FALSE(d.clearLastClosedDialog) << host;
    facts.answersSkinned = true;
    EXPECT_EQ(DecideActivation(host, facts, list).action, TActivationAction::None) << host;
  }
}

TEST(WrapperHook, ListedClassesAreSkinnedIgnoringLetterCase) {
  const auto list = StandardActivationClassList();
  TActivationFacts facts;
  for (const char* name : {"TForm", "tform", "TSelectDirDlg", "TSELECTDIRDLG"}) {
    EXPECT_EQ(DecideActivation(name, facts, list).action, TActivationAction::SkinWindow) << name;
  }
  EXPECT_EQ(DecideActivation("TfrmMain", facts, list).action, TActivationAction::None);
  EXPECT_EQ(DecideActivation("TForm", facts, {}).action, TActivationAction::None);
  facts.answersSkinned = true;
  EXPECT_EQ(DecideActivation("TForm", facts, list).action, TActivationAction::None);
}

}  // namespace
}  // namespace zentavo
