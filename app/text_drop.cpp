// Text dragged from anywhere onto the view: over the search box, the result
// list or a direction button the status bar says what a drop would
// translate; a drop looks the text up, in the button's direction when it
// lands on a button.
#include "app/dico_app.h"
#include "app/dico_view.h"
#include "app/main_frame.h"
#include "app/resource.h"
#include "framework/framework_ids.h"
#include "framework/strings.h"

namespace {

// The status prompt over a control; 0 where nothing can be dropped.
UINT DragPromptOver(int control, Language source) {
  const UINT fromSource =
      source == kFrench ? IDS_DRAG_FRENCH_TO_ENGLISH : IDS_DRAG_ENGLISH_TO_FRENCH;
  switch (control) {
    case IDC_SEARCH:
    case IDC_RESULT_LIST:
      return fromSource;
    case IDC_FRENCH_SOURCE:
      return IDS_DRAG_FRENCH_TO_ENGLISH;
    case IDC_ENGLISH_SOURCE:
      return IDS_DRAG_ENGLISH_TO_FRENCH;
    default:
      return 0;
  }
}

}  // namespace

void CDicoView::ShowIdlePrompt() { TheDicoApp().ShowStatusMessage(IDS_IDLE_MESSAGE); }

DWORD CDicoView::OnDragEnter(IDataObject* data, DWORD, POINT) {
  return GetDroppedText(data, m_strDragText) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DWORD CDicoView::OnDragOver(IDataObject* data, DWORD, POINT point) {
  const UINT prompt = DragPromptOver(ControlAt(point), m_nLanguage);
  // Data without text is refused everywhere.
  if (!prompt || !OffersText(data)) {
    ShowIdlePrompt();
    return DROPEFFECT_NONE;
  }
  m_strStatusText =
      ReplaceAll(TheDicoApp().LoadInterfaceString(prompt), "<TEXT>", m_strDragText);
  // Shown whole: a French prompt keeps its final line feed.
  if (CMainFrame* frame = GetMainFrame()) frame->SetMessageText(m_strStatusText);
  return DROPEFFECT_COPY;
}

void CDicoView::OnDragLeave() { ShowIdlePrompt(); }

bool CDicoView::OnDrop(IDataObject*, DWORD, POINT point) {
  switch (ControlAt(point)) {
    case IDC_FRENCH_SOURCE:
      SelectSourceLanguage(kFrench);
      break;
    case IDC_ENGLISH_SOURCE:
      SelectSourceLanguage(kEnglish);
      break;
    case IDC_SEARCH:
    case IDC_RESULT_LIST:
      break;
    default:
      return false;
  }
  SetSearchText(MakeText(m_strDragText));
  ShowIdlePrompt();
  return true;
}
