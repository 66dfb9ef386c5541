#include "framework/win/StdCtrls.h"

#include "framework/win/Accelerator.h"
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

// ---- TCustomGroupBox ------------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"BUTTON";
  params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

void TCustomGroupBox::WndProc(TMessage& message) {
  // A native group box answers "transparent" to hit tests, which would hide its labels
  // from the mouse; it is a real parent here.
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTCLIENT;
    return;
  }
  // The native group box paints only its frame and caption; its inside is a parent's
  // background, in the box's own colour.
  if (message.Msg == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
    message.Result = 1;
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

// ---- TCustomEdit ----------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"EDIT";
  params.style |= WS_TABSTOP | (readOnly_ ? ES_READONLY : 0);
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleDone() {
  if (maxLength_ > 0) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
  if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t character) {
  passwordChar_ = character;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar_, 0);
  Invalidate();
}

std::string TCustomEdit::Text() {
  return WindowText();
}

void TCustomEdit::SetText(const std::string& text) {
  caption_ = text;
  if (HandleAllocated()) SetWindowTextW(Handle(), Widen(text).c_str());
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetMaxLength(int length) {
  maxLength_ = length < 0 ? 0 : length;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::WndProc(TMessage& message) {
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

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= ES_AUTOHSCROLL;
}

// ---- TMemo ----------------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  // Without word wrap long lines scroll sideways instead of breaking.
  if (!WordWrap || ScrollBars == TScrollStyle::ssHorizontal || ScrollBars == TScrollStyle::ssBoth)
    params.style |= ES_AUTOHSCROLL;
  if (ScrollBars == TScrollStyle::ssVertical || ScrollBars == TScrollStyle::ssBoth)
    params.style |= WS_VSCROLL;
  if (ScrollBars == TScrollStyle::ssHorizontal || ScrollBars == TScrollStyle::ssBoth)
    params.style |= WS_HSCROLL;
}

// The edit control keeps lines apart with CR LF; a lone LF or CR breaks a line too.
std::vector<std::string> TMemo::Lines() {
  std::vector<std::string> lines;
  const std::string text = Text();
  if (text.empty()) return lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  // A final line break ends the last line rather than starting an empty one.
  if (!line.empty() || (text.back() != '\n' && text.back() != '\r')) lines.push_back(std::move(line));
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TMemo::AddLine(const std::string& line) {
  std::vector<std::string> lines = Lines();
  lines.push_back(line);
  SetLines(lines);
}

// ---- TCustomListControl ---------------------------------------------------------------

TCustomListControl::TCustomListControl(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
}

void TCustomListControl::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  if (HandleAllocated()) NativeClear();
}

void TCustomListControl::AddItem(const std::string& text) {
  items_.push_back(text);
  if (HandleAllocated()) NativeAdd(ItemCount() - 1);
}

int TCustomListControl::ItemIndex() {
  if (HandleAllocated()) itemIndex_ = NativeItemIndex();
  return itemIndex_;
}

void TCustomListControl::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  if (HandleAllocated()) NativeSetItemIndex(itemIndex_);
}

void TCustomListControl::PushItems() {
  for (int i = 0; i < ItemCount(); ++i) NativeAdd(i);
  if (itemIndex_ >= 0) NativeSetItemIndex(itemIndex_);
}

// ---- TCustomComboBox ------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomListControl(owner) {
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.baseClassName = L"COMBOBOX";
  params.style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (Style) {
    case TComboBoxStyle::csDropDown:
      params.style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      params.style |= CBS_SIMPLE;
      return;
    case TComboBoxStyle::csDropDownList:
      params.style |= CBS_DROPDOWNLIST;
      break;
  }
  // The window's height includes the drop-down list.
  params.height = Height() + DropDownCount * 16;
}

void TCustomComboBox::CreateHandleDone() {
  PushItems();
  if (itemIndex_ < 0 && Style != TComboBoxStyle::csDropDownList)
    SetWindowTextW(Handle(), Widen(caption_).c_str());
}

void TCustomComboBox::NativeAdd(int index) {
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(items_[index]).c_str()));
}

void TCustomComboBox::NativeClear() {
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int TCustomComboBox::NativeItemIndex() {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::NativeSetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

std::string TCustomComboBox::Text() {
  if (!HandleAllocated()) return itemIndex_ >= 0 ? items_[itemIndex_] : caption_;
  return WindowText();
}

void TCustomComboBox::SetText(const std::string& text) {
  caption_ = text;
  if (HandleAllocated()) SetWindowTextW(Handle(), Widen(text).c_str());
}

void TCustomComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    WORD code = HIWORD(message.WParam);
    if (code == CBN_SELCHANGE || (code == CBN_EDITCHANGE && Style == TComboBoxStyle::csDropDown)) {
      if (OnChange) OnChange(this);
    }
    return;
  }
  TCustomListControl::WndProc(message);
}

// ---- TCustomListBox -------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListControl(owner) {
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.baseClassName = L"LISTBOX";
  params.style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateHandleDone() {
  PushItems();
}

void TCustomListBox::NativeAdd(int index) {
  SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(items_[index]).c_str()));
}

void TCustomListBox::NativeClear() {
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int TCustomListBox::NativeItemIndex() {
  return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::NativeSetItemIndex(int index) {
  SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

void TCustomListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    WORD code = HIWORD(message.WParam);
    if (code == LBN_SELCHANGE && OnClick) OnClick(this);
    if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
    return;
  }
  TCustomListControl::WndProc(message);
}

}  // namespace zentavo
