#include "display/result_list_box.h"

CResultListBox::CResultListBox(CDicoListBox* linkedList, DictionaryDocument* doc,
                               Language language, int ctrlId)
    : CDicoListBox(doc, language, ctrlId), m_pLinkedList(linkedList) {}

void CResultListBox::Follow(const Text& text) {
  // The empty text leads nowhere and empties the reverse list.
  if (m_pLinkedList) m_pLinkedList->LookUpReverse(text);
}

void CResultListBox::OnSelChanged(int oldIndex, int newIndex) {
  CDicoListBox::OnSelChanged(oldIndex, newIndex);
  Text text;
  if (IsTranslation(newIndex)) GetItemText(newIndex, text);
  Follow(text);
}

void CResultListBox::OnTextSelectionChanged() {
  Text text;
  if (IsTranslation(m_nCurSel)) {
    if (m_nSelEnd < m_nSelStart) {
      GetItemText(m_nCurSel, text);
    } else {
      GetSelectedText(text);
    }
  }
  Follow(text);
}

CReverseListBox::CReverseListBox(DictionaryDocument* doc, Language language, int ctrlId)
    : CDicoListBox(doc, language, ctrlId) {}

void CReverseListBox::Reset() {
  JTextListBox::Reset();
  SetCount(0);
}
