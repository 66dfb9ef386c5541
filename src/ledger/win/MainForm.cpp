#include "ledger/win/MainForm.h"

#include "app/AppIcon.h"
#include "app/ProgramName.h"
#include "app/win/CommonForm.h"
#include "framework/win/Application.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

namespace {
constexpr int kClientWidth = 452;
constexpr int kClientHeight = 335;
}  // namespace

TfrmMain::TfrmMain(TComponent* owner, TfrmCommon& common)
    : TForm(owner),
      MainMenu1(MakeNamed<TMainMenu>("MainMenu1")),
      N1(MakeNamed<TMenuItem>("N1")),
      N1_1(MakeNamed<TMenuItem>("N1_1")),
      N1_2(MakeNamed<TMenuItem>("N1_2")),
      N1_3(MakeNamed<TMenuItem>("N1_3")),
      N1_4(MakeNamed<TMenuItem>("N1_4")),
      N1_5(MakeNamed<TMenuItem>("N1_5")),
      N1_6(MakeNamed<TMenuItem>("N1_6")),
      N_Skin(MakeNamed<TMenuItem>("N_Skin")),
      N2(MakeNamed<TMenuItem>("N2")),
      N2_1(MakeNamed<TMenuItem>("N2_1")),
      N_Tools(MakeNamed<TMenuItem>("N_Tools")),
      N_OtherProducts(MakeNamed<TMenuItem>("N_OtherProducts")),
      N_Help(MakeNamed<TMenuItem>("N_Help")),
      N_LocalHelp(MakeNamed<TMenuItem>("N_LocalHelp")),
      N_HomePage(MakeNamed<TMenuItem>("N_HomePage")),
      N_Support(MakeNamed<TMenuItem>("N_Support")),
      N_FeedBack(MakeNamed<TMenuItem>("N_FeedBack")),
      N_Update(MakeNamed<TMenuItem>("N_Update")),
      popMenuListView(MakeNamed<TPopupMenu>("popMenuListView")),
      popMenu1(MakeNamed<TMenuItem>("popMenu1")),
      popMenu2(MakeNamed<TMenuItem>("popMenu2")),
      popMenu3(MakeNamed<TMenuItem>("popMenu3")),
      popMenu4(MakeNamed<TMenuItem>("popMenu4")),
      actionIncomeAdd(MakeNamed<TAction>("actionIncomeAdd")),
      actionOutGoAdd(MakeNamed<TAction>("actionOutGoAdd")),
      actionModify(MakeNamed<TAction>("actionModify")),
      actionDelete(MakeNamed<TAction>("actionDelete")),
      actionExit(MakeNamed<TAction>("actionExit")),
      actionQuery(MakeNamed<TAction>("actionQuery")),
      actionDisplayMainForm(MakeNamed<TAction>("actionDisplayMainForm")),
      trayIcon(MakeNamed<TTrayIcon>("trayIcon")),
      trayMenu(MakeNamed<TPopupMenu>("trayMenu")),
      trayMenu1(MakeNamed<TMenuItem>("trayMenu1")),
      trayMenu3(MakeNamed<TMenuItem>("trayMenu3")),
      trayMenu2(MakeNamed<TMenuItem>("trayMenu2")),
      groupBoxTime(MakeNamed<TGroupBox>("groupBoxTime")),
      labelTimeStart(MakeNamed<TLabel>("labelTimeStart")),
      datePickerStart(MakeNamed<TDateTimePicker>("datePickerStart")),
      labelTimeStop(MakeNamed<TLabel>("labelTimeStop")),
      datePickerStop(MakeNamed<TDateTimePicker>("datePickerStop")),
      comboBoxTime(MakeNamed<TComboBox>("comboBoxTime")),
      buttonQuery(MakeNamed<TButton>("buttonQuery")),
      listViewInfo(MakeNamed<TListView>("listViewInfo")),
      groupBoxTotal(MakeNamed<TGroupBox>("groupBoxTotal")),
      labelTotal(MakeNamed<TLabel>("labelTotal")),
      suiSkinEngine(MakeNamed<TsuiSkinEngine>("suiSkinEngine")),
      common_(common) {
  startupReport_ = StartupReport::Requested();
  if (startupReport_) startupReport_->Note("main_window_components");
  SetName("frmMain");
  Now = LocalNow;
  BorderStyle = TFormBorderStyle::bsSingle;
  BorderIcons = biSystemMenu | biMinimize;
  SetCaption(kProgramName);
  suiSkinEngine.SetActive(true);
  BuildMenus();
  BuildControls();
  WireActions();
  BuildTray();
  SetMenu(&MainMenu1);
  SetBounds(297, 179, 0, 0);
  SetClientSize(kClientWidth, kClientHeight);
  OnCreate = [this](TComponent*) { FormCreate(); };
  OnShow = [this](TComponent*) { FormShow(); };
  OnClose = [this](TComponent*, TCloseAction& action) { FormClose(action); };
  FormCreated();
}

TfrmMain::~TfrmMain() { StopIdleWork(); }

void TfrmMain::BuildMenus() {
  MainMenu1.Items().Add(N1);
  for (TMenuItem* item : {&N1_1, &N1_2, &N1_3, &N1_4, &N1_5, &N1_6}) N1.Add(*item);
  N1_5.SetCaption("-");

  MainMenu1.Items().Add(N_Skin);
  for (size_t i = 0; i < N_Skins.size(); ++i) {
    std::string name = "N_Skin" + std::to_string(i + 1);
    N_Skins[i] = &Make<TMenuItem>();
    N_Skins[i]->SetName(name);
    N_Skins[i]->SetCaption("Skin" + std::to_string(i + 1));
    const int index = static_cast<int>(i) + 1;
    N_Skins[i]->OnClick = [this, index](TComponent*) {
      // The index is remembered only once the skin was applied without an error.
      common_.ApplySkin(index);
      common_.SaveSkinIndex(index);
    };
    N_Skin.Add(*N_Skins[i]);
  }

  MainMenu1.Items().Add(N2);
  N2.Add(N2_1);
  N2_1.OnClick = [this](TComponent*) {
    if (OnShowStatistics) OnShowStatistics();
  };

  MainMenu1.Items().Add(N_Tools);
  N_Tools.Add(N_OtherProducts);
  for (size_t i = 0; i < N_Products.size(); ++i) {
    N_Products[i] = &Make<TMenuItem>();
    N_Products[i]->SetName("N_Product" + std::to_string(i + 1));
    const int n = static_cast<int>(i) + 1;
    N_Products[i]->OnClick = [this, n](TComponent*) { common_.OpenProductPage(n); };
    N_OtherProducts.Add(*N_Products[i]);
  }

  MainMenu1.Items().Add(N_Help);
  for (TMenuItem* item : {&N_LocalHelp, &N_HomePage, &N_Support, &N_FeedBack, &N_Update}) N_Help.Add(*item);
  N_LocalHelp.OnClick = [this](TComponent*) { common_.OpenHelp(); };
  N_HomePage.OnClick = [this](TComponent*) { common_.OpenHomePage(); };
  N_Support.OnClick = [this](TComponent*) { common_.OpenSupport(); };
  N_FeedBack.OnClick = [this](TComponent*) { common_.OpenFeedback(); };
  N_Update.OnClick = [this](TComponent*) { common_.OnlineUpdate(); };

  for (TMenuItem* item : {&popMenu1, &popMenu2, &popMenu3, &popMenu4}) popMenuListView.Items().Add(*item);
}

void TfrmMain::BuildControls() {
  groupBoxTime.SetParent(this);
  groupBoxTime.SetBounds(4, 2, 444, 72);
  labelTimeStart.SetParent(&groupBoxTime);
  labelTimeStart.SetBounds(10, 22, 64, 13);
  datePickerStart.SetParent(&groupBoxTime);
  datePickerStart.SetBounds(78, 18, 120, 21);
  datePickerStart.SetFormat("yyyy-MM-dd");
  labelTimeStop.SetParent(&groupBoxTime);
  labelTimeStop.SetBounds(222, 22, 64, 13);
  datePickerStop.SetParent(&groupBoxTime);
  datePickerStop.SetBounds(290, 18, 120, 21);
  datePickerStop.SetFormat("yyyy-MM-dd");
  comboBoxTime.SetParent(&groupBoxTime);
  comboBoxTime.Style = TComboBoxStyle::csDropDownList;
  comboBoxTime.SetBounds(78, 44, 120, 21);
  buttonQuery.SetParent(&groupBoxTime);
  buttonQuery.SetBounds(290, 42, 75, 24);

  listViewInfo.SetParent(this);
  listViewInfo.SetBounds(4, 78, 444, 204);
  const int widths[EntryList::kColumnCount] = {0, 112, 50, 70, 50, 151};
  for (int width : widths) listViewInfo.AddColumn("", width);
  listViewInfo.PopupMenu = &popMenuListView;
  listViewInfo.OnData = [this](int row, int column) { return entries_.CellText(row, column); };
  listViewInfo.OnDblClick = [this](TComponent*) { actionModify.Execute(); };

  groupBoxTotal.SetParent(this);
  groupBoxTotal.SetBounds(4, 285, 444, 46);
  labelTotal.SetParent(&groupBoxTotal);
  labelTotal.AutoSize = false;
  labelTotal.Alignment = TAlignment::taCenter;
  labelTotal.Font.SetBold(true);
  labelTotal.SetBounds(6, 20, 432, 16);
}

void TfrmMain::WireActions() {
  actionQuery.OnExecute = [this](TComponent*) { actionQueryExecute(); };
  actionDelete.OnExecute = [this](TComponent*) { DeleteSelectedEntries(); };
  actionModify.OnExecute = [this](TComponent*) { ModifySelectedEntry(); };
  actionIncomeAdd.OnExecute = [this](TComponent*) {
    if (OnAddEntry) OnAddEntry(true);
  };
  actionOutGoAdd.OnExecute = [this](TComponent*) {
    if (OnAddEntry) OnAddEntry(false);
  };
  actionExit.OnExecute = [this](TComponent*) { Close(); };
  actionDisplayMainForm.OnExecute = [this](TComponent*) { RestoreFromTray(); };
  N1_1.SetAction(&actionIncomeAdd);
  N1_2.SetAction(&actionOutGoAdd);
  N1_3.SetAction(&actionModify);
  N1_4.SetAction(&actionDelete);
  N1_6.SetAction(&actionExit);
  popMenu1.SetAction(&actionIncomeAdd);
  popMenu2.SetAction(&actionOutGoAdd);
  popMenu3.SetAction(&actionModify);
  popMenu4.SetAction(&actionDelete);
  buttonQuery.SetAction(&actionQuery);

  comboBoxTime.OnChange = [this](TComponent*) { comboBoxTimeChange(); };
  datePickerStart.OnChange = [this](TComponent*) { datePickerStartChange(); };
  datePickerStop.OnChange = [this](TComponent*) { datePickerStopChange(); };
}

void TfrmMain::BuildTray() {
  bigIcon_ = MakeIcon(32, DrawAppIcon(32).bgra);
  smallIcon_ = MakeIcon(16, DrawAppIcon(16).bgra);
  SetIcons(bigIcon_.get(), smallIcon_.get());
  for (TMenuItem* item : {&trayMenu1, &trayMenu3, &trayMenu2}) trayMenu.Items().Add(*item);
  trayMenu1.SetAction(&actionDisplayMainForm);
  trayMenu2.SetAction(&actionExit);
  trayMenu3.OnClick = [this](TComponent*) { trayMenu3Click(); };
  trayIcon.SetIcon(smallIcon_.get());
  trayIcon.OnDblClick = [this] { RestoreFromTray(); };
  trayIcon.OnRightButtonUp = [this] {
    SetForegroundWindow(Handle());
    POINT cursor;
    GetCursorPos(&cursor);
    trayMenu.Popup(cursor.x, cursor.y);
    // Lets the menu close cleanly when the user clicks elsewhere.
    PostMessageW(Handle(), WM_NULL, 0, 0);
  };
  trayIcon.Add();
}

std::string TfrmMain::LedgerPath() const { return common_.Settings().ProgramFolder + "money.mdb"; }

}  // namespace zentavo
