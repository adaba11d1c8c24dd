// Copy, Cut and Paste: the search box's edit field works on its selection,
// each list copies its own selected text.
#include "app/dico_view.h"
#include "app/resource.h"
#include "framework/framework_ids.h"

namespace {

bool HasSelection(HWND searchBox) {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageA(searchBox, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return start != end;
}

UINT EditMessageOf(UINT command) {
  switch (command) {
    case ID_EDIT_COPY:
      return WM_COPY;
    case ID_EDIT_CUT:
      return WM_CUT;
    default:
      return WM_PASTE;
  }
}

}  // namespace

bool CDicoView::OnEditCommand(UINT id, CommandState* state) {
  if (id != ID_EDIT_COPY && id != ID_EDIT_CUT && id != ID_EDIT_PASTE) return false;
  HWND box = SearchBox();
  const int focused = FocusedControl();
  const bool inSearchBox = focused == IDC_SEARCH;
  if (state) {
    const bool selection = inSearchBox && HasSelection(box);
    if (id == ID_EDIT_COPY) state->Enable(!inSearchBox || selection);
    if (id == ID_EDIT_CUT) state->Enable(selection);
    if (id == ID_EDIT_PASTE) state->Enable(inSearchBox && IsClipboardFormatAvailable(CF_TEXT));
    return true;
  }
  if (inSearchBox) {
    // A cut or a paste changes the text, which the search box reports as an
    // edit change: it is looked up like typing.
    ::SendMessageA(box, EditMessageOf(id), 0, 0);
  } else if (id == ID_EDIT_COPY && focused == IDC_RESULT_LIST && m_pMainList) {
    m_pMainList->CopyToClipboard();
  } else if (id == ID_EDIT_COPY && focused == IDC_REVERSE_LIST && m_pReverseList) {
    m_pReverseList->CopyToClipboard();
  }
  return true;
}
