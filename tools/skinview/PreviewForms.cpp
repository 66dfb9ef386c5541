#include "PreviewForms.h"

#include <windows.h>

#include "framework/win/Application.h"
#include "framework/win/CheckBox.h"

namespace zentavo {

TfrmDialog::TfrmDialog(TComponent* owner) : TForm(owner) {
  SetCaption("Dialog");
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu | biHelp;
  SetBounds(200, 160, 0, 0);
  SetClientSize(300, 140);
  auto& question = Make<TLabel>();
  question.SetParent(this);
  question.SetBounds(16, 16, 260, 13);
  question.SetCaption("A dialog-style frame with its buttons.");
  auto& remember = Make<TCheckBox>();
  remember.SetParent(this);
  remember.SetBounds(16, 44, 200, 20);
  remember.SetCaption("Remember my choice");
  auto& ok = Make<TButton>();
  ok.SetParent(this);
  ok.SetBounds(124, 100, 75, 25);
  ok.SetCaption("OK");
  ok.Default = true;
  ok.OnClick = [this](TComponent*) { Hide(); };
  auto& cancel = Make<TButton>();
  cancel.SetParent(this);
  cancel.SetBounds(208, 100, 75, 25);
  cancel.SetCaption("Cancel");
  cancel.Cancel = true;
  cancel.OnClick = [this](TComponent*) { Hide(); };
  FormCreated();
}

TfrmToolWindow::TfrmToolWindow(TComponent* owner) : TForm(owner) {
  SetCaption("Tool window");
  BorderStyle = TFormBorderStyle::bsSizeToolWin;
  SetBounds(620, 120, 0, 0);
  SetClientSize(180, 220);
  auto& list = Make<TListBox>();
  list.SetParent(this);
  list.SetAlign(TAlign::alClient);
  for (int i = 1; i <= 20; ++i) list.AddItem("Tool item " + std::to_string(i));
  FormCreated();
}

TfrmPassword::TfrmPassword(TComponent* owner)
    : TForm(owner),
      labelPackage(Make<TLabel>()),
      textPassword(Make<TEdit>()),
      buttonOK(Make<TButton>()),
      buttonCancel(Make<TButton>()) {
  SetCaption("Password");
  BorderStyle = TFormBorderStyle::bsDialog;
  BorderIcons = biSystemMenu;
  SetBounds(260, 220, 0, 0);
  SetClientSize(300, 110);
  labelPackage.SetParent(this);
  labelPackage.SetBounds(12, 12, 276, 13);
  textPassword.SetParent(this);
  textPassword.SetBounds(12, 36, 276, 21);
  textPassword.SetPasswordChar(L'*');
  buttonOK.SetParent(this);
  buttonOK.SetBounds(132, 72, 75, 25);
  buttonOK.SetCaption("OK");
  buttonOK.Default = true;
  buttonOK.OnClick = [this](TComponent*) { answer_ = IDOK; };
  buttonCancel.SetParent(this);
  buttonCancel.SetBounds(213, 72, 75, 25);
  buttonCancel.SetCaption("Cancel");
  buttonCancel.Cancel = true;
  buttonCancel.OnClick = [this](TComponent*) { answer_ = IDCANCEL; };
  OnClose = [this](TComponent*, TCloseAction&) { answer_ = IDCANCEL; };
  FormCreated();
}

// A modal wait of its own: the other windows are disabled while the box is up.
bool TfrmPassword::Ask(const std::string& package, std::string& password) {
  labelPackage.SetCaption("The package " + package + " is locked. Password:");
  textPassword.SetText("");
  answer_ = 0;
  TForm* main = Application().MainForm();
  if (main) EnableWindow(main->Handle(), FALSE);
  Show();
  textPassword.SetFocus();
  while (!answer_ && !Application().Terminated()) {
    WaitMessage();
    Application().ProcessMessages();
  }
  if (main) EnableWindow(main->Handle(), TRUE);
  Hide();
  password = textPassword.Text();
  return answer_ == IDOK;
}

TfrmMdiPreview::TfrmMdiPreview(TComponent* owner)
    : TForm(owner),
      MainMenu1(Make<TMainMenu>()),
      N_Skin(Make<TMenuItem>()),
      N_Active(Make<TMenuItem>()),
      N_Window(Make<TMenuItem>()),
      suiSkinEngine(MakeNamed<TsuiSkinEngine>("suiSkinEngine")) {
  SetCaption("Skin preview (MDI)");
  suiSkinEngine.SetActive(true);
  FormStyle = TFormStyle::fsMDIForm;
  N_Skin.SetCaption("&Skin");
  N_Active.SetCaption("&Active");
  N_Active.SetChecked(true);
  N_Window.SetCaption("&Window");
  auto& cascade = Make<TMenuItem>();
  cascade.SetCaption("&Cascade");
  cascade.OnClick = [this](TComponent*) { Cascade(); };
  auto& tile = Make<TMenuItem>();
  tile.SetCaption("&Tile");
  tile.OnClick = [this](TComponent*) { Tile(); };
  MainMenu1.Items().Add(N_Skin);
  MainMenu1.Items().Add(N_Window);
  N_Window.Add(cascade);
  N_Window.Add(tile);
  WindowMenu = &N_Window;
  SetMenu(&MainMenu1);
  SetBounds(40, 20, 720, 540);
  FormCreated();
}

TfrmDocument::TfrmDocument(TComponent* owner, const std::string& caption) : TForm(owner) {
  FormStyle = TFormStyle::fsMDIChild;
  SetCaption(caption);
  SetBounds(0, 0, 320, 240);
  auto& menu = Make<TMainMenu>();
  auto& edit = Make<TMenuItem>();
  edit.SetCaption("&Edit");
  auto& copy = Make<TMenuItem>();
  copy.SetCaption("&Copy");
  copy.SetShortCut(ShortCut('C', ssCtrl));
  menu.Items().Add(edit);
  edit.Add(copy);
  SetMenu(&menu);
  auto& memo = Make<TMemo>();
  memo.SetParent(this);
  memo.SetAlign(TAlign::alClient);
  memo.SetLines({caption, "A document with a menu of its own."});
  FormCreated();
}

}  // namespace zentavo
