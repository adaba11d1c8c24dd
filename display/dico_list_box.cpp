#include "display/dico_list_box.h"

#include <algorithm>

#include "dictionary/charset.h"
#include "dictionary/text_rules.h"

namespace {

constexpr Byte kItalicMark = 0x95;  // a bullet starts or ends an italic span
constexpr Byte kDagger = 0x86;

// Translation records are drawn in red 1, green 1, blue 255: 1 rather than 0,
// so that the text holds no NUL byte.
const Byte kTranslationColour[] = {'\\', 'c', 0x01, 0x01, 0xFF};
const Byte kDefaultColour[] = {'\\', 'C'};

void RemoveTrailingMarkers(Text& text) {
  // The blank before a marker goes with it.
  while (!text.empty() && (text.back() == kDagger || text.back() == '*' || IsBlank(text.back()))) {
    text.pop_back();
  }
}

}  // namespace

Language OtherLanguage(Language language) { return language == kFrench ? kEnglish : kFrench; }

CDicoListBox::CDicoListBox(DictionaryDocument* doc, Language language, int ctrlId)
    : JTextListBox(0, ctrlId), m_pDoc(doc), m_nListLanguage(language) {}

int CDicoListBox::RecordCount() const {
  DictionaryFile* dictionary = Dictionary();
  return dictionary ? dictionary->RecordCount(m_nListLanguage) : 0;
}

bool CDicoListBox::IsTranslation(int index) const {
  DictionaryFile* dictionary = Dictionary();
  return dictionary && dictionary->IsTranslationRecord(index, m_nListLanguage);
}

int CDicoListBox::Find(const Text& text) const {
  DictionaryFile* dictionary = Dictionary();
  if (!dictionary) return -1;
  // A text that matches nothing still leads to the nearby position.
  int first = -1;
  int last = -1;
  dictionary->Lookup(text.c_str(), m_nListLanguage, first, last);
  return first;
}

int CDicoListBox::LookUp(const Text& text) {
  const int position = Find(text);
  if (position != -1) {
    SetCurSel(position, true);
    SetTopIndex(position);
  }
  return GetCurSel();
}

void CDicoListBox::ShowLanguage(Language language) {
  if (language == m_nListLanguage) return;
  m_nListLanguage = language;
  SetCount(RecordCount());
  EnsureVisible(0);
  SetCurSel(0, true);
}

void CDicoListBox::ClearForLanguage(Language language) {
  if (language == m_nListLanguage) return;
  m_nListLanguage = language;
  SetCount(0);
}

int CDicoListBox::LookUpReverse(const Text& text) {
  const int position = Find(text);
  if (position == -1) {
    SetCount(0);
    SetCurSel(0, true);
  } else {
    SetCount(RecordCount());
    SetCurSel(position, true);
    SetTopIndex(position);
  }
  return GetCurSel();
}

Language CDicoListBox::LanguageOf(int index) {
  return IsTranslation(index) ? OtherLanguage(m_nListLanguage) : m_nListLanguage;
}

void CDicoListBox::Reset() {
  JTextListBox::Reset();
  SetCount(RecordCount());
}

void CDicoListBox::GetMargins(int index, int& firstIndent, int& continuationIndent) {
  firstIndent = 3 + (IsTranslation(index) ? m_nIndentWidth : 0);
  continuationIndent = m_nIndentWidth / 3;
}

void CDicoListBox::GetSelectedText(Text& text) {
  text.clear();
  if (m_nSelStart < 0 || m_nSelEnd < m_nSelStart) return;
  GlyphCells cells;
  LayoutItem(cells, m_nCurSel);
  if (m_nSelEnd >= static_cast<int>(cells.size())) return;
  for (int i = m_nSelStart; i <= m_nSelEnd; ++i) text.push_back(cells[i].character);
}

void CDicoListBox::GetItemText(int index, Text& text) {
  text.clear();
  DictionaryFile* dictionary = Dictionary();
  if (!dictionary) return;
  int start = 0;
  int end = 0;
  dictionary->GetEntryText(index, m_nListLanguage, text, start, end);
  std::erase(text, kItalicMark);
  // Most entries carry no note: they keep their whole text.
  const size_t note = text.find('[');
  if (note != Text::npos) text.erase(note);
  TrimBlanks(text);
  RemoveTrailingMarkers(text);
}

void CDicoListBox::GetItemFormattedText(int index, Text& text) {
  text.clear();
  DictionaryFile* dictionary = Dictionary();
  if (!dictionary) return;
  Text markup;
  if (dictionary->GetEntryMarkup(index, m_nListLanguage, markup)) {
    text = std::move(markup);
    return;
  }
  text.assign(std::begin(kTranslationColour), std::end(kTranslationColour));
  text += markup;
  text.append(std::begin(kDefaultColour), std::end(kDefaultColour));
}

void CDicoListBox::SetDisplayFont(int size, const char* face) {
  JTextListBox::SetDisplayFont(size, face);
  SIZE extent = {};
  if (HDC dc = OwnDC()) ::GetTextExtentPoint32A(dc, "www", 3, &extent);
  m_nIndentWidth = extent.cx;
  // The indent wraps translations: the last page depends on it.
  RecalcScroll();
}

LookupView* CDicoListBox::View() const {
  return m_hWnd ? dynamic_cast<LookupView*>(Window::FromHandle(::GetParent(m_hWnd))) : nullptr;
}

bool CDicoListBox::OnClick(UINT flags, int x, int y) {
  if (!(flags & MK_CONTROL)) return JTextListBox::OnClick(flags, x, y);
  if (LookupView* view = View()) {
    Text text;
    GetSelectedText(text);
    view->SetSearchText(text);
  }
  return true;
}

void CDicoListBox::OnReturn() {
  LookupView* view = View();
  if (!view) return;
  const Language language = LanguageOf(m_nCurSel);
  Text text;
  GetSelectedText(text);
  if (language != view->GetSourceLanguage()) view->OnChangeTargetLanguage();
  view->SetSearchText(text);
}

LRESULT CDicoListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    OnReturn();
    return 0;
  }
  return JTextListBox::WindowProc(message, wParam, lParam);
}
