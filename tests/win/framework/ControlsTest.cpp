#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "core/DateTime.h"
#include "core/Error.h"
#include "framework/Properties.h"
#include "framework/win/Action.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/Form.h"
#include "framework/win/ListView.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WideText.h"

using namespace zentavo;

namespace {

class TestForm : public TForm {
  ZENTAVO_CLASS(TestForm, TForm)
 public:
  explicit TestForm(TComponent* owner) : TForm(owner) {
    SetBounds(10, 10, 400, 300);
    FormCreated();
  }
};

std::string ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return Narrow(name);
}

// Sends a notification to a control's parent the way the native control would.
LRESULT NotifyParent(TWinControl& control, NMHDR& header) {
  header.hwndFrom = control.Handle();
  header.idFrom = GetDlgCtrlID(control.Handle());
  return SendMessageW(GetParent(control.Handle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

class Controls : public ::testing::Test {
 protected:
  ComponentPtr<TestForm> form = MakeComponent<TestForm>(nullptr);
};

}  // namespace

TEST_F(Controls, WindowClassesAreNamedAfterFrameworkClasses) {
  auto& button = form->Make<TButton>();
  button.SetParent(form.get());
  auto& group = form->Make<TGroupBox>();
  group.SetParent(form.get());
  auto& list = form->Make<TListView>();
  list.SetParent(&group);
  auto& picker = form->Make<TDateTimePicker>();
  picker.SetParent(&group);
  auto& combo = form->Make<TComboBox>();
  combo.SetParent(&group);
  form->Handle();
  EXPECT_EQ(ClassOf(button.Handle()), "TButton");
  EXPECT_EQ(ClassOf(group.Handle()), "TGroupBox");
  EXPECT_EQ(ClassOf(list.Handle()), "TListView");
  EXPECT_EQ(ClassOf(picker.Handle()), "TDateTimePicker");
  EXPECT_EQ(ClassOf(combo.Handle()), "TComboBox");
  EXPECT_EQ(GetParent(list.Handle()), group.Handle());
  EXPECT_TRUE(button.Is<TWinControl>());
  EXPECT_TRUE(group.InheritsFrom("TControl"));
}

TEST_F(Controls, PublishedPropertiesAreFoundByNameAlongTheClassChain) {
  auto& button = form->Make<TButton>();
  auto& label = form->Make<TLabel>();
  EXPECT_TRUE(HasProperty(button, "caption"));
  EXPECT_TRUE(HasProperty(label, "ParentColor"));
  EXPECT_TRUE(HasProperty(*form, "BorderStyle"));
  EXPECT_FALSE(HasProperty(button, "BorderStyle"));
  SetPropertyValue(button, "Caption", std::string("OK"));
  EXPECT_EQ(button.Caption(), "OK");
  SetPropertyValue(label, "Color", 0x00112233LL);
  EXPECT_EQ(std::get<long long>(GetPropertyValue(label, "Color")), 0x00112233LL);
  EXPECT_THROW(GetPropertyValue(button, "BorderStyle"), Error);
}

TEST_F(Controls, DatePickerKeepsTimeOfDayWhenTheDateChangesByHand) {
  auto& picker = form->Make<TDateTimePicker>();
  picker.SetParent(form.get());
  picker.SetFormat("yyyy-MM-dd");
  int changes = 0;
  picker.OnChange = [&](TComponent*) { ++changes; };
  picker.SetDateTime(EncodeDateTime(2024, 3, 31, 23, 59, 59, 999));
  EXPECT_EQ(changes, 0);  // set from code

  NMDATETIMECHANGE change{};
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = SYSTEMTIME{2024, 2, 0, 29, 0, 0, 0, 0};  // the control reports midnight
  NotifyParent(picker, change.nmhdr);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(FormatDateTimeMs(picker.DateTime()), "2024-02-29 23:59:59.999");
}

TEST_F(Controls, TimePickerKeepsTheDateWhenTheTimeChanges) {
  auto& picker = form->Make<TDateTimePicker>();
  picker.Kind = TDateTimeKind::dtkTime;
  picker.SetParent(form.get());
  picker.SetFormat("HH:mm:ss");
  picker.SetDateTime(EncodeDateTime(2024, 3, 5, 8, 0, 0));
  NMDATETIMECHANGE change{};
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = SYSTEMTIME{1999, 1, 0, 1, 17, 30, 15, 0};
  NotifyParent(picker, change.nmhdr);
  EXPECT_EQ(FormatDateTime(picker.DateTime()), "2024-03-05 17:30:15");
}

TEST_F(Controls, ComboBoxRunsOnChangeOnlyForTheUsersChoice) {
  auto& combo = form->Make<TComboBox>();
  combo.SetParent(form.get());
  for (const char* text : {"a", "b", "c"}) combo.AddItem(text);
  int changes = 0;
  combo.OnChange = [&](TComponent*) { ++changes; };
  combo.SetItemIndex(2);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), "c");
  SendMessageW(combo.Handle(), CB_SETCURSEL, 1, 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.Handle()));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.ItemIndex(), 1);
  combo.ClearItems();
  EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST_F(Controls, VirtualListAsksForCellsAndTracksSelection) {
  auto& list = form->Make<TListView>();
  list.SetParent(form.get());
  list.SetBounds(0, 0, 380, 200);
  list.AddColumn("Key", 0);
  list.AddColumn("Text", 100);
  list.OnData = [](int row, int column) { return (column ? "row " : "") + std::to_string(row); };
  list.SetRowCount(100000);
  EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0), 100000);

  wchar_t buffer[64] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = buffer;
  item.cchTextMax = 64;
  SendMessageW(list.Handle(), LVM_GETITEMTEXTW, 99999, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(Narrow(buffer), "row 99999");

  list.SetSelected(5, true);
  list.SetSelected(2, true);
  EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 5}));
  EXPECT_EQ(list.SelCount(), 2);
  list.SetRowCount(3);
  EXPECT_TRUE(list.SelectedRows().empty());
  LONG_PTR extended = SendMessageW(list.Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
}

TEST_F(Controls, MenuItemsFollowActionsAndSeparatorsBecomeItems) {
  auto& menu = form->Make<TMainMenu>();
  auto& action = form->Make<TAction>();
  auto& top = form->Make<TMenuItem>();
  auto& add = form->Make<TMenuItem>();
  auto& line = form->Make<TMenuItem>();
  top.SetCaption("Manage");
  add.SetCaption("Add");
  line.SetCaption("-");
  menu.Items().Add(top);
  top.Add(add);
  top.Add(line);
  form->SetMenu(&menu);
  int runs = 0;
  action.OnExecute = [&](TComponent*) { ++runs; };
  add.SetAction(&action);

  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(add.Command(), 0), 0);
  EXPECT_EQ(runs, 1);
  action.SetEnabled(false);
  EXPECT_TRUE(GetMenuState(top.Handle(), add.Command(), MF_BYCOMMAND) & MF_GRAYED);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(add.Command(), 0), 0);
  EXPECT_EQ(runs, 1);

  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(top.Handle(), 1, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_SEPARATOR);
  line.SetCaption("Other");
  GetMenuItemInfoW(top.Handle(), 1, TRUE, &info);
  EXPECT_FALSE(info.fType & MFT_SEPARATOR);
  EXPECT_EQ(GetMenu(form->Handle()), menu.Handle());
}

TEST_F(Controls, EscapePressesTheCancelButton) {
  auto& cancel = form->Make<TButton>();
  cancel.SetParent(form.get());
  cancel.Cancel = true;
  int clicks = 0;
  cancel.OnClick = [&](TComponent*) { ++clicks; };
  SendMessageW(form->Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cancel.Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(cancel.Handle()));
  EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, GraphicChildrenGetMouseEnterAndLeaveFromTheirParent) {
  auto& group = form->Make<TGroupBox>();
  group.SetParent(form.get());
  group.SetBounds(0, 0, 200, 100);
  auto& label = form->Make<TLabel>();
  label.SetParent(&group);
  label.AutoSize = false;
  label.SetBounds(10, 20, 50, 13);
  std::vector<UINT> seen;
  TWndMethod saved = label.WindowProc;
  label.WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) seen.push_back(m.Msg);
    saved(m);
  };
  form->Handle();
  SendMessageW(group.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 25));
  SendMessageW(group.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
  EXPECT_EQ(seen, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
  label.WindowProc = saved;
}

TEST_F(Controls, MenusRebuiltManyTimesLeaveNoHandles) {
  long before = LiveHandleCount(HandleKind::User);
  {
    auto& menu = form->Make<TPopupMenu>();
    auto& item = form->Make<TMenuItem>();
    menu.Items().Add(item);
    for (int i = 0; i < 50; ++i) item.SetCaption(i % 2 ? "-" : "Item");
    EXPECT_EQ(LiveHandleCount(HandleKind::User), before + 1);
  }
  form.reset();
  EXPECT_EQ(LiveHandleCount(HandleKind::User), before);  // the menu went with its form
}
