// The two lists of the lookup view. The result list follows what the user
// types; the reverse-translation list follows the result list: a headword
// line empties it, a translation line shows the other language's index at the
// entry that the translation names.
#pragma once
#include "display/dico_list_box.h"

class CResultListBox : public CDicoListBox {
 public:
  CResultListBox(CDicoListBox* linkedList, DictionaryDocument* doc, Language language,
                 int ctrlId);

  CDicoListBox* m_pLinkedList;  // the reverse list, not owned

  void OnSelChanged(int oldIndex, int newIndex) override;
  void OnTextSelectionChanged() override;

 private:
  void Follow(const Text& text);
};

class CReverseListBox : public CDicoListBox {
 public:
  CReverseListBox(DictionaryDocument* doc, Language language, int ctrlId);

  // Starts empty: it fills when a translation is selected in the result list.
  void Reset() override;
};
