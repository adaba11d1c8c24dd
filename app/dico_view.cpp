#include "app/dico_view.h"

#include "app/dico_app.h"
#include "app/dico_doc.h"
#include "app/main_frame.h"
#include "app/resource.h"
#include "framework/strings.h"

namespace {

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

void Place(HWND window, int x, int y, int width, int height) {
  MoveWindow(window, x, y, width, height, TRUE);
  ShowWindow(window, SW_SHOW);
}

}  // namespace

CDicoView::CDicoView() : FormView(IDD_DICO_FORM) {}

CMainFrame* CDicoView::GetMainFrame() const {
  return static_cast<CMainFrame*>(GetParentFrame());
}

void CDicoView::OnInitialUpdate() {
  FormView::OnInitialUpdate();
  CreateLists();
  UpdateLabels();
  SetFocus(GetDlgItem(IDC_SEARCH));
}

void CDicoView::CreateLists() {
  CDicoApp& app = TheDicoApp();
  CDicoDoc* document = static_cast<CDicoDoc*>(m_pDocument);
  const Language language = LanguageOfSetting(app.GetSetting(IDS_LANGUAGE));
  m_pReverseList =
      std::make_unique<CReverseListBox>(document, OtherLanguage(language), IDC_REVERSE_LIST);
  m_pReverseList->Create(m_hWnd);
  m_pMainList = std::make_unique<CResultListBox>(m_pReverseList.get(), document, language,
                                                 IDC_RESULT_LIST);
  m_pMainList->Create(m_hWnd);

  std::string face = app.GetSetting(IDS_FONT);
  if (face.empty()) {
    face = LoadResourceString(IDS_DEFAULT_FONT);
    app.WriteSetting(IDS_FONT, face);
  }
  int size = app.GetSettingInt(IDS_FONT_SIZE);
  if (size == 0) {
    size = 100;
    app.WriteSettingInt(IDS_FONT_SIZE, size);
  }
  m_pReverseList->SetDisplayFont(size, face.c_str());
  m_pMainList->SetDisplayFont(size, face.c_str());

  RECT client;
  GetClientRect(m_hWnd, &client);
  LayoutControls(client.right, client.bottom);
}

LRESULT CDicoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) LayoutControls(LOWORD(lParam), HIWORD(lParam));
  return FormView::WindowProc(message, wParam, lParam);
}

void CDicoView::UpdateLabels() {
  HWND french = GetDlgItem(IDC_FRENCH_SOURCE);
  HWND english = GetDlgItem(IDC_ENGLISH_SOURCE);
  HWND label = GetDlgItem(IDC_REVERSE_LABEL);
  if (!french || !english || !label) return;
  const CDicoApp& app = TheDicoApp();
  SetWindowTextA(french, app.LoadInterfaceString(IDS_FRENCH).c_str());
  SetWindowTextA(english, app.LoadInterfaceString(IDS_ENGLISH).c_str());
  SetWindowTextA(label, app.LoadInterfaceString(IDS_REVERSE_TRANSLATION).c_str());
}

void CDicoView::LayoutControls(int cx, int cy) {
  if (cx <= 0 || cy <= 0) return;
  HWND search = GetDlgItem(IDC_SEARCH);
  HWND french = GetDlgItem(IDC_FRENCH_SOURCE);
  HWND english = GetDlgItem(IDC_ENGLISH_SOURCE);
  HWND label = GetDlgItem(IDC_REVERSE_LABEL);
  HWND resultList = GetDlgItem(IDC_RESULT_LIST);
  HWND reverseList = GetDlgItem(IDC_REVERSE_LIST);
  if (!search || !french || !english || !label || !resultList || !reverseList) return;

  int e = static_cast<int>(::SendMessageA(search, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  int i = static_cast<int>(::SendMessageA(search, CB_GETITEMHEIGHT, 0, 0));
  SIZE frenchSize = ClientSize(french);
  SIZE englishSize = ClientSize(english);
  int hl = ClientSize(label).cy;

  // The drop-down list shows ten entries.
  MoveWindow(search, 6, 6, cx - 30, e + 6 + 10 * i, TRUE);
  MoveWindow(french, 6, e + 18, frenchSize.cx, frenchSize.cy, TRUE);
  MoveWindow(english, frenchSize.cx + 12, e + 18, englishSize.cx, englishSize.cy, TRUE);
  int top = e + frenchSize.cy + 24;
  CMainFrame* frame = GetMainFrame();
  if (!frame || frame->m_bShowReverse) {
    int free = cy - hl - frenchSize.cy - e - 42;
    int upper = (2 * free) / 3;
    Place(resultList, 6, top, cx - 12, upper);
    Place(label, 6, top + upper + 6, cx - 12, hl);
    Place(reverseList, 6, top + upper + hl + 12, cx - 12, free - upper);
  } else {
    Place(resultList, 6, top, cx - 12, cy - top - 6);
    ShowWindow(label, SW_HIDE);
    ShowWindow(reverseList, SW_HIDE);
  }
}
