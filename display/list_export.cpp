// The selected text leaves the list as plain text (CF_TEXT): copied to the
// clipboard or dragged out.
#include "display/list_box.h"
#include "display/list_drop_source.h"
#include "framework/user_dialogs.h"

namespace {

HGLOBAL GlobalCopyOf(const Text& text) {
  return CopyToGlobalMemory(reinterpret_cast<const char*>(text.c_str()), text.size());
}

}  // namespace

void JListBox::CopyToClipboard() {
  if (!::OpenClipboard(m_hWnd)) {
    AppMessageBox("Cannot open the Clipboard");
    return;
  }
  if (!::EmptyClipboard()) {
    AppMessageBox("Cannot empty the Clipboard");
    ::CloseClipboard();
    return;
  }
  Text text;
  GetSelectedText(text);
  HGLOBAL block = GlobalCopyOf(text);
  if (!block || !::SetClipboardData(CF_TEXT, block)) {
    // The clipboard owns a block only once it took it.
    if (block) ::GlobalFree(block);
    AppMessageBox("Unable to set Clipboard data");
  }
  ::CloseClipboard();
}

DWORD JListBox::StartDrag(const RECT* startRect) {
  CListDropSource source;
  Text text;
  GetSelectedText(text);
  HGLOBAL block = GlobalCopyOf(text);
  if (!block) return 0;
  TextDataObject* data = new TextDataObject(block);

  RECT start;
  if (startRect) {
    start = *startRect;
  } else {
    ::GetClientRect(m_hWnd, &start);
  }
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&start), 2);

  DWORD effect = DROPEFFECT_NONE;
  if (source.OnBeginDrag(m_hWnd, start) &&
      ::DoDragDrop(data, &source, DROPEFFECT_COPY, &effect) != DRAGDROP_S_DROP) {
    effect = DROPEFFECT_NONE;
  }
  data->Release();
  return effect;
}
