// A multiple-document main form with its client window and document windows.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/Error.h"
#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Menu.h"

using namespace zentavo;

namespace {

class TfrmFrame : public TForm {
  ZENTAVO_CLASS(TfrmFrame, TForm)
 public:
  explicit TfrmFrame(TComponent* owner)
      : TForm(owner), menu(Make<TMainMenu>()), file(Make<TMenuItem>()), window(Make<TMenuItem>()), tile(Make<TMenuItem>()) {
    FormStyle = TFormStyle::fsMDIForm;
    file.SetCaption("File");
    window.SetCaption("Window");
    tile.SetCaption("Tile");
    menu.Items().Add(file);
    menu.Items().Add(window);
    window.Add(tile);
    WindowMenu = &window;
    SetMenu(&menu);
    SetBounds(20, 20, 600, 450);
    FormCreated();
  }
  TMainMenu& menu;
  TMenuItem& file;
  TMenuItem& window;
  TMenuItem& tile;
};

class TfrmDocument : public TForm {
  ZENTAVO_CLASS(TfrmDocument, TForm)
 public:
  explicit TfrmDocument(TComponent* owner, const char* caption) : TForm(owner) {
    FormStyle = TFormStyle::fsMDIChild;
    SetCaption(caption);
    SetBounds(0, 0, 200, 150);
    FormCreated();
  }
};

class Mdi : public ::testing::Test {
 protected:
  void TearDown() override { Application().DestroyComponents(); }
  TfrmFrame& frame = Application().CreateForm<TfrmFrame>();
};

}  // namespace

TEST_F(Mdi, DocumentsLiveInTheClientWindowWithTheActiveOneFirst) {
  frame.Show();
  ASSERT_NE(frame.ClientHandle(), nullptr);
  wchar_t name[32] = {};
  GetClassNameW(frame.ClientHandle(), name, 32);
  EXPECT_EQ(std::wstring(name), L"MDIClient");

  TfrmDocument& first = Application().CreateForm<TfrmDocument>("First");
  TfrmDocument& second = Application().CreateForm<TfrmDocument>("Second");
  first.Show();
  second.Show();
  EXPECT_EQ(GetParent(first.Handle()), frame.ClientHandle());
  EXPECT_EQ(frame.MDIChildCount(), 2);
  EXPECT_EQ(frame.ActiveMDIChild(), &second);
  EXPECT_EQ(frame.MDIChildren(0), &second);

  SendMessageW(frame.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first.Handle()), 0);
  EXPECT_EQ(frame.ActiveMDIChild(), &first);
  EXPECT_EQ(frame.MDIChildren(0), &first);
  EXPECT_EQ(frame.MDIChildren(1), &second);

  Application().FreeComponent(&first);
  EXPECT_EQ(frame.MDIChildCount(), 1);
  EXPECT_EQ(frame.ActiveMDIChild(), &second);
}

TEST_F(Mdi, TheWindowMenuListsTheDocumentsEvenAfterTheMenuIsRebuilt) {
  frame.Show();
  TfrmDocument& first = Application().CreateForm<TfrmDocument>("First");
  first.Show();
  auto windowItems = [&] { return GetMenuItemCount(frame.window.Handle()); };
  EXPECT_EQ(windowItems(), 1 + 2);  // Tile, a separator, the document
  frame.file.Add(frame.Make<TMenuItem>());  // the menu is made anew
  EXPECT_EQ(windowItems(), 1 + 2);
  wchar_t text[64] = {};
  GetMenuStringW(frame.window.Handle(), 2, text, 64, MF_BYPOSITION);
  EXPECT_NE(std::wstring(text).find(L"First"), std::wstring::npos);
}

TEST_F(Mdi, CascadeAndTilePlaceTheDocumentsApart) {
  frame.Show();
  TfrmDocument& first = Application().CreateForm<TfrmDocument>("First");
  TfrmDocument& second = Application().CreateForm<TfrmDocument>("Second");
  first.Show();
  second.Show();
  frame.Cascade();
  EXPECT_NE(first.Left(), second.Left());
  frame.Tile();
  EXPECT_NE(first.Left() == second.Left() && first.Top() == second.Top(), true);
  RECT client;
  GetClientRect(frame.ClientHandle(), &client);
  EXPECT_LE(first.Width() + second.Width(), client.right + 1);
}

TEST(MdiMisuse, AChildWithoutAnMdiMainFormIsAClearError) {
  TForm& main = Application().CreateForm<TForm>();
  main.Handle();
  EXPECT_THROW(Application().CreateForm<TfrmDocument>("Lost").Handle(), Error);
  Application().DestroyComponents();
}
