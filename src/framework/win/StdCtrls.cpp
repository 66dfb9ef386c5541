#include "framework/win/StdCtrls.h"

#include "framework/win/Action.h"
#include "framework/win/WideText.h"

namespace zentavo {

// ---- TButton --------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }

TButton::~TButton() { SetAction(nullptr); }

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"BUTTON";
  params.style |= WS_TABSTOP | (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetAction(TAction* action) {
  if (action_) action_->Unsubscribe(actionSubscription_);
  action_ = action;
  if (!action_) return;
  auto follow = [this] {
    if (!action_->Caption().empty()) SetCaption(action_->Caption());
    SetEnabled(action_->Enabled());
  };
  actionSubscription_ = action_->Subscribe(follow);
  follow();
}

void TButton::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == action_) action_ = nullptr;
}

void TButton::Click() {
  if (!Enabled()) return;
  if (action_) {
    action_->Execute();
  } else if (OnClick) {
    OnClick(this);
  }
}

namespace {
// True when the caption marks this character as its accelerator ("&Save" for S or s).
bool IsAccelerator(WPARAM key, const std::string& caption) {
  const std::wstring text = Widen(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {  // a literal ampersand
      ++i;
      continue;
    }
    wchar_t marked[2] = {text[i + 1], 0}, pressed[2] = {static_cast<wchar_t>(key), 0};
    CharUpperW(marked);
    CharUpperW(pressed);
    return marked[0] == pressed[0];
  }
  return false;
}
}  // namespace

// Enter belongs to the focused button, or to the default button while the focus is on a
// control that is not a button; Esc belongs to the cancel button.
bool TButton::AnswersDialogKey(WPARAM key) {
  if (key == VK_ESCAPE) return Cancel;
  if (key != VK_RETURN) return false;
  if (Focused()) return true;
  return Default && !dynamic_cast<TButton*>(FromHandle(GetFocus()));
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_BASE + WM_COMMAND:
      if (HIWORD(message.WParam) != BN_CLICKED) break;
      Click();
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: {
      const bool answers = message.Msg == CM_DIALOGKEY ? AnswersDialogKey(message.WParam)
                                                        : IsAccelerator(message.WParam, Caption());
      if (!answers || !HandleAllocated() || !IsWindowVisible(Handle()) || !IsWindowEnabled(Handle())) break;
      Click();
      message.Result = 1;
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TGroupBox ------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"BUTTON";
  params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

void TGroupBox::WndProc(TMessage& message) {
  // A native group box answers "transparent" to hit tests, which would hide its labels
  // from the mouse; it is a real parent here.
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTCLIENT;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TLabel ---------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::TextChanged() {
  if (AutoSize) AdjustSize();
  TGraphicControl::TextChanged();
}

void TLabel::AdjustSize() {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, Font.Handle());
  std::wstring text = Widen(Caption());
  RECT rect{0, 0, 0, 0};
  DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  int width = rect.right;
  int left = Left();
  if (Alignment == TAlignment::taRightJustify) left = bounds_.right - width;
  if (Alignment == TAlignment::taCenter) left = Left() + (Width() - width) / 2;
  Invalidate();
  SetBounds(left, Top(), width, rect.bottom > 0 ? rect.bottom : Height());
}

void TLabel::Paint(HDC dc) {
  DcStateGuard state(dc);
  RECT rect = ClientRect();
  if (!Transparent) {
    BrushHandle brush(CreateSolidBrush(ColorToRGB(EffectiveColor())));
    FillRect(dc, &rect, brush.get());
  }
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, Font.Handle());
  SetTextColor(dc, ColorToRGB(Enabled() ? Font.Color : clGrayText));
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
  if (Alignment == TAlignment::taCenter) format |= DT_CENTER;
  if (Alignment == TAlignment::taRightJustify) format |= DT_RIGHT;
  std::wstring text = Widen(Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// ---- TEdit ----------------------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"EDIT";
  params.style |= WS_TABSTOP | ES_AUTOHSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

std::string TEdit::Text() { return WindowText(); }

void TEdit::SetText(const std::string& text) {
  caption_ = text;
  if (HandleAllocated()) SetWindowTextW(Handle(), Widen(text).c_str());
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_CHAR && OnKeyPress) {
    wchar_t key = static_cast<wchar_t>(message.WParam);
    OnKeyPress(this, key);
    if (key == 0) return;
    message.WParam = key;
  } else if (message.Msg == CN_BASE + WM_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TComboBox ------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"COMBOBOX";
  params.style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL |
                  (Style == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  // The window's height includes the drop-down list.
  params.height = Height() + DropDownCount * 16;
}

void TComboBox::CreateHandleDone() {
  for (const std::string& item : items_) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  if (itemIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
  else if (Style == TComboBoxStyle::csDropDown) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

void TComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  if (HandleAllocated()) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

void TComboBox::AddItem(const std::string& text) {
  items_.push_back(text);
  if (HandleAllocated()) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

int TComboBox::ItemIndex() {
  if (HandleAllocated()) itemIndex_ = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, itemIndex_, 0);
}

std::string TComboBox::Text() {
  if (!HandleAllocated()) return itemIndex_ >= 0 ? items_[itemIndex_] : caption_;
  return WindowText();
}

void TComboBox::SetText(const std::string& text) {
  caption_ = text;
  if (HandleAllocated()) SetWindowTextW(Handle(), Widen(text).c_str());
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    WORD code = HIWORD(message.WParam);
    if (code == CBN_SELCHANGE || (code == CBN_EDITCHANGE && Style == TComboBoxStyle::csDropDown)) {
      if (OnChange) OnChange(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace zentavo
