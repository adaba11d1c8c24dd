// A list that presents one language index of the open dictionary: item i is
// index record i, so the list copies no entries and reads every text from the
// dictionary when it needs it. A main record shows as a headword line with
// its keyword in bold; a translation record, which names an entry of the
// other language, shows indented and in blue under it.
#pragma once
#include "display/dico_list_host.h"
#include "display/text_list_box.h"

// 1 for 2, and 2 for any other value.
Language OtherLanguage(Language language);

class CDicoListBox : public JTextListBox {
 public:
  CDicoListBox(DictionaryDocument* doc, Language language, int ctrlId);

  DictionaryDocument* m_pDoc;  // not owned
  Language m_nListLanguage;    // the language whose index the list shows
  int m_nIndentWidth = 0;      // width of "www" in the plain font; 0 until a font is set

  // Makes the item the text leads to current and scrolls it to the top;
  // leaves the list as it is when the text leads nowhere. Returns the
  // current item.
  int LookUp(const Text& text);
  // Shows the whole index of another language from its first item.
  void ShowLanguage(Language language);
  // Empties the list for another language.
  void ClearForLanguage(Language language);
  // Shows the index at the item the text leads to, or nothing when it leads
  // nowhere. Returns the current item.
  int LookUpReverse(const Text& text);
  // The language of the entry an item shows.
  Language LanguageOf(int index);

  void Reset() override;
  void GetMargins(int index, int& firstIndent, int& continuationIndent) override;
  void GetSelectedText(Text& text) override;
  // The entry's text for speech and the reverse look-up: without italic
  // marks, the note from the first "[" on, markers and outer white space.
  void GetItemText(int index, Text& text) override;
  void GetItemFormattedText(int index, Text& text) override;
  // Ctrl+click sends the selected text to the search box.
  bool OnClick(UINT flags, int x, int y) override;
  void SetDisplayFont(int size, const char* face) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  DictionaryFile* Dictionary() const { return m_pDoc ? m_pDoc->GetDictionary() : nullptr; }
  int RecordCount() const;
  bool IsTranslation(int index) const;

 private:
  // The view around the list, or null.
  LookupView* View() const;
  // Enter: the selected text goes to the search box, in the item's language.
  void OnReturn();
  // Where the dictionary says the text leads in the list's language; -1: nowhere.
  int Find(const Text& text) const;
};
