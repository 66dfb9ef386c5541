#include "ProgramShots.h"

#include <windows.h>
#include <commdlg.h>

#include "MessageBoxCapture.h"
#include "ScratchProgram.h"
#include "app/win/CommonForm.h"
#include "framework/win/Application.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "framework/win/WindowCapture.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"

namespace zentavo {

namespace {
// Every paint the window is owed: the skin's overlays and buttons draw as their controls
// paint.
void PaintAll(HWND window) {
  Application().ProcessMessages();
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Application().ProcessMessages();
}

// A window as it looks once every paint it is owed has run. Where its region cuts it (the
// corners a skin rounds off) the picture shows white, not whatever lay behind it.
TBitmap CapturePainted(HWND window) {
  PaintAll(window);
  TBitmap picture = CaptureWindow(window);
  RegionHandle region(::CreateRectRgn(0, 0, 0, 0));
  const int kind = ::GetWindowRgn(window, region.get());
  if (kind != SIMPLEREGION && kind != COMPLEXREGION) return picture;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (!::PtInRegion(region.get(), x, y)) picture.SetPixel(x, y, clWhite);
  return picture;
}
}  // namespace

ProgramShots::ProgramShots(const std::string& programFolder) : windows_(programFolder) {
  TfrmMain& main = windows_.Main();
  main.Now = [] { return ScratchProgram::Today(); };
  windows_.Report().Now = main.Now;
  main.Show();
}

TBitmap ProgramShots::MainWindow() {
  return CapturePainted(windows_.Main().Handle());
}

TForm& ProgramShots::ShowEditor() {
  TfrmMain& main = windows_.Main();
  TfrmTemplate& editor = windows_.Editor();
  main.N1_2.Click();
  editor.SetBounds(main.Left() + 60, main.Top() + 80, editor.Width(), editor.Height());
  PaintAll(editor.Handle());
  return editor;
}

TBitmap ProgramShots::Editor() {
  TForm& editor = ShowEditor();
  TBitmap picture = CapturePainted(editor.Handle());
  editor.Hide();
  return picture;
}

TForm& ProgramShots::ShowStatistics(int view) {
  TfrmReport& report = windows_.Report();
  if (!report.Showing()) windows_.Main().N2_1.Click();
  report.ComboBoxView.SetItemIndex(view);
  report.buttonQuery.Click();
  PaintAll(report.Handle());
  return report;
}

TBitmap ProgramShots::Statistics(int view) {
  return CapturePainted(ShowStatistics(view).Handle());
}

void ProgramShots::HideStatistics() {
  windows_.Report().Hide();
}

void ProgramShots::SelectFirstEntry() {
  TListView& list = windows_.Main().listViewInfo;
  list.ClearSelection();
  list.SetSelected(0, true);
  list.SetFocus();
}

TBitmap ProgramShots::DeleteQuestion() {
  TfrmMain& main = windows_.Main();
  // The box must really open: a handler that answers boxes would leave nothing to capture.
  Application().MessageBoxOverride = nullptr;
  return CaptureMessageBox(
      main.Handle(), [&main] { main.actionDelete.Execute(); }, IDNO);
}

TBitmap ProgramShots::OpenFileDialog() {
  TfrmMain& main = windows_.Main();
  const std::wstring folder = Widen(windows_.Common().Settings().ProgramFolder);
  return CaptureMessageBox(
      main.Handle(),
      [&main, &folder] {
        wchar_t file[MAX_PATH] = {};
        OPENFILENAMEW open{};
        open.lStructSize = sizeof(open);
        open.hwndOwner = main.Handle();
        open.lpstrFilter = L"Ledgers (*.mdb)\0*.mdb\0All files (*.*)\0*.*\0";
        open.lpstrFile = file;
        open.nMaxFile = MAX_PATH;
        open.lpstrInitialDir = folder.c_str();
        open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        ::GetOpenFileNameW(&open);
      },
      IDCANCEL);
}

}  // namespace zentavo
