// The search history: the search box's drop-down list, most recent entry
// first, kept in the settings as entries each followed by a line feed.
#include <windows.h>

#include "app/dico_app.h"
#include "app/dico_view.h"
#include "app/resource.h"

namespace {

int EntryCount(HWND box) { return static_cast<int>(::SendMessageA(box, CB_GETCOUNT, 0, 0)); }

std::string EntryText(HWND box, int index) {
  const LRESULT length = ::SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  ::SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void InsertEntry(HWND box, int index, const std::string& text) {
  ::SendMessageA(box, CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void DeleteEntriesBeyond(HWND box, int maximum) {
  for (int count = EntryCount(box); count > maximum; --count) {
    ::SendMessageA(box, CB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
  }
}

// Makes the entry the first one the drop-down list shows. The list's own
// message is used: not every system honours the combo box's CB_SETTOPINDEX.
void ScrollListTo(HWND box, int index) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(box, &info) && info.hwndList) {
    ::SendMessageA(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  }
}

}  // namespace

void CDicoView::AddToHistory(const std::string& text) {
  if (text.empty()) return;
  HWND box = SearchBox();
  // The search box's exact search ignores case: "Cat" is already there as "cat".
  const LRESULT found = ::SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
  if (found != CB_ERR) {
    ScrollListTo(box, static_cast<int>(found));
  } else {
    // Typing a word letter by letter keeps one entry for it: a longer text
    // replaces the top entry it extends, a shorter one is already covered.
    const std::string top = EntryCount(box) > 0 ? EntryText(box, 0) : std::string();
    bool insert = true;
    if (!top.empty() && text.starts_with(top)) {
      ::SendMessageA(box, CB_DELETESTRING, 0, 0);
    } else if (!top.empty() && top.starts_with(text)) {
      insert = false;
    }
    if (insert) InsertEntry(box, 0, text);
    ScrollListTo(box, 0);
  }
  DeleteEntriesBeyond(box, m_nMaxHistory);
}

void CDicoView::LoadHistory() {
  HWND box = SearchBox();
  const std::string stored = TheDicoApp().GetSetting(IDS_HISTORY);
  std::string entry;
  // Text after the last line feed is no complete entry and is dropped.
  for (char c : stored) {
    if (c != '\n') {
      entry += c;
      continue;
    }
    if (EntryCount(box) >= m_nMaxHistory) break;
    InsertEntry(box, -1, entry);
    entry.clear();
  }
}

void CDicoView::SaveHistory() {
  HWND box = SearchBox();
  std::string stored;
  for (int index = 0; index < EntryCount(box); ++index) stored += EntryText(box, index) + '\n';
  TheDicoApp().WriteSetting(IDS_HISTORY, stored);
}

void CDicoView::SetHistoryLength(int n) {
  if (n <= 0) return;
  m_nMaxHistory = n;
  DeleteEntriesBeyond(SearchBox(), n);
}

void CDicoView::OnSearchDropDown() {
  // The search box fills its edit field with the entry it selects only after
  // this notification: the text goes back when the list is open.
  HWND box = SearchBox();
  m_strTypedText = GetSearchText();
  const LRESULT selection = ::SendMessageA(box, CB_GETEDITSEL, 0, 0);
  PostMessageA(m_hWnd, WM_RESTORE_TYPED_TEXT, static_cast<WPARAM>(selection), 0);
}

void CDicoView::RestoreTextAfterDropDown(DWORD editSelection) {
  // Clearing the list's selection empties the edit field.
  HWND box = SearchBox();
  ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  if (GetSearchText() != m_strTypedText) SetWindowTextA(box, m_strTypedText.c_str());
  ::SendMessageA(box, CB_SETEDITSEL, 0, static_cast<LPARAM>(editSelection));
}
