#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <thread>

#include "display/display_test_support.h"
#include "display/list_box.h"
#include "display/text_drag.h"
#include "display/text_list_box.h"

namespace {

// A window that accepts dropped plain text and keeps it.
class TextDropTarget : public IDropTarget {
 public:
  explicit TextDropTarget(HWND window) : m_hWnd(window) { RegisterDragDrop(window, this); }
  ~TextDropTarget() { RevokeDragDrop(m_hWnd); }

  std::string m_strDropped;
  int m_nDrops = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect &= DROPEFFECT_COPY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect &= DROPEFFECT_COPY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (SUCCEEDED(data->GetData(&format, &medium))) {
      m_strDropped = static_cast<const char*>(GlobalLock(medium.hGlobal));
      GlobalUnlock(medium.hGlobal);
      ReleaseStgMedium(&medium);
    }
    ++m_nDrops;
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }

 private:
  HWND m_hWnd;
};

class ListExportTest : public ::testing::Test {
 protected:
  ListExportTest() { OleInitialize(nullptr); }
  ~ListExportTest() override { OleUninitialize(); }

  // Puts the pointer on the host below the list, where the drop target is,
  // and moves it there in `list`'s coordinates, as the system reports the
  // move to the window that holds the mouse.
  void MovePointerToTarget(HWND list) {
    POINT point = {200, 350};
    ClientToScreen(m_host.m_hWnd, &point);
    SetCursorPos(point.x, point.y);
    ScreenToClient(list, &point);
    PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, Point(point.x, point.y));
  }

  Application m_app{"Orvanto Test"};
  TestHost m_host{600, 400};
  ScriptedUserDialogs m_dialogs;
};

TEST_F(ListExportTest, CopyPutsTheSelectedTextOnTheClipboard) {
  JListBox list(3, 1005);
  PlaceList(list, m_host, 400, 100);
  list.SetCurSel(1, true);
  list.CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "1. This is the default JListBox selected string.");
  EXPECT_TRUE(m_dialogs.m_messages.empty());
}

TEST_F(ListExportTest, ABusyClipboardIsReportedAndLeftAsItWas) {
  ASSERT_TRUE(SetClipboardText("before"));
  JListBox list(3, 1005);
  PlaceList(list, m_host, 400, 100);

  // Another program holds the clipboard open.
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    OpenClipboard(nullptr);
    SetEvent(opened);
    WaitForSingleObject(done, 10000);
    CloseClipboard();
  });
  WaitForSingleObject(opened, 10000);
  list.CopyToClipboard();
  SetEvent(done);
  holder.join();
  CloseHandle(opened);
  CloseHandle(done);

  ASSERT_EQ(m_dialogs.m_messages.size(), 1u);
  EXPECT_EQ(m_dialogs.m_messages[0].m_strText, "Cannot open the Clipboard");
  EXPECT_EQ(m_dialogs.m_messages[0].m_strCaption, "Orvanto Test");
  EXPECT_EQ(m_dialogs.m_messages[0].m_nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(ClipboardText(), "before");
}

TEST_F(ListExportTest, AClickDragsTheSelectedTextOutOfTheList) {
  TextDropTarget target(m_host.m_hWnd);
  JListBox list(3, 1005);
  PlaceList(list, m_host, 400, 100);
  const UINT dragDelay = DropSource::s_nDragDelay;

  // The press waits until the pointer leaves the list, then drags.
  MovePointerToTarget(list.m_hWnd);
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 25));
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(target.m_nDrops, 1);
  EXPECT_EQ(target.m_strDropped, "1. This is the default JListBox selected string.");
  EXPECT_EQ(DropSource::s_nDragDelay, dragDelay);
}

TEST_F(ListExportTest, PressingOnSelectedCharactersDragsThemOut) {
  TextDropTarget target(m_host.m_hWnd);
  class WordList : public ScriptedList<JTextListBox> {
   public:
    WordList() : ScriptedList(1, [](int) { return std::string("one two"); }) {}
    void GetSelectedText(Text& text) override {
      GlyphCells cells;
      LayoutItem(cells, m_nCurSel);
      text.clear();
      for (int i = m_nSelStart; i <= m_nSelEnd; ++i) text.push_back(cells[i].character);
    }
  } list;
  PlaceList(list, m_host, 400, 100);
  list.m_nSelStart = 4;
  list.m_nSelEnd = 6;
  GlyphCells cells;
  list.LayoutItemAt(cells, 0);

  MovePointerToTarget(list.m_hWnd);
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(cells[5].left, cells[5].top + 2));
  EXPECT_EQ(target.m_strDropped, "two");
  EXPECT_EQ(list.m_nSelStart, 4) << "the selection stays after a drag";
  EXPECT_EQ(list.m_nSelEnd, 6);
}

}  // namespace
