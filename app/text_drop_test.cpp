// Text dragged onto the view from another program: the status-bar prompts
// over each control, and drops on the buttons, the search box and the list.
#include <gtest/gtest.h>

#include "app/view_test_support.h"
#include "display/text_drag.h"

namespace {

// Data that offers no plain text, as a dragged file or picture.
class NoTextData final : public IDataObject {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
};

class TextDropTest : public ViewTest {
 protected:
  void TearDown() override {
    if (m_pText) m_pText->Release();
    ViewTest::TearDown();
  }

  IDataObject* Text(const std::string& text) {
    if (m_pText) m_pText->Release();
    m_pText = new TextDataObject(CopyToGlobalMemory(text.c_str(), text.size()));
    return m_pText;
  }
  // The middle of a control, in screen coordinates, as the system gives it.
  POINTL Over(int id) const {
    RECT rect;
    GetWindowRect(Control(id), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  DWORD Enter(IDataObject* data, int id) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    View()->m_dropTarget.DragEnter(data, MK_LBUTTON, Over(id), &effect);
    return effect;
  }
  DWORD MoveOver(int id) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    View()->m_dropTarget.DragOver(MK_LBUTTON, Over(id), &effect);
    return effect;
  }
  DWORD Drop(IDataObject* data, int id) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    View()->m_dropTarget.Drop(data, 0, Over(id), &effect);
    PumpPending(m_app);
    return effect;
  }

  IDataObject* m_pText = nullptr;
  NoTextData m_noText;
};

const char kIdle[] = "Type a word to look it up";

TEST_F(TextDropTest, OverEachControlTheStatusBarSaysWhatADropWouldTranslate) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(RegisterDragDrop(View()->m_hWnd, &View()->m_dropTarget), DRAGDROP_E_ALREADYREGISTERED)
      << "the form is a drop target from its creation";
  const std::string toFrench = "Translate \"chat\" from English to French.";
  const std::string toEnglish = "Translate \"chat\" from French to English.";
  EXPECT_EQ(Enter(Text("chat"), IDC_SEARCH), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(View()->m_strDragText, "chat");
  struct Case {
    int id;
    Language source;
    DWORD effect;
    std::string status;
  } cases[] = {
      {IDC_SEARCH, kEnglish, DROPEFFECT_COPY, toFrench},
      {IDC_RESULT_LIST, kEnglish, DROPEFFECT_COPY, toFrench},
      {IDC_SEARCH, kFrench, DROPEFFECT_COPY, toEnglish},
      {IDC_RESULT_LIST, kFrench, DROPEFFECT_COPY, toEnglish},
      {IDC_FRENCH_SOURCE, kEnglish, DROPEFFECT_COPY, toEnglish},
      {IDC_ENGLISH_SOURCE, kFrench, DROPEFFECT_COPY, toFrench},
      {IDC_REVERSE_LIST, kEnglish, DROPEFFECT_NONE, kIdle},
      {IDC_REVERSE_LABEL, kEnglish, DROPEFFECT_NONE, kIdle},
  };
  for (const Case& c : cases) {
    View()->m_nLanguage = c.source;
    EXPECT_EQ(MoveOver(c.id), c.effect) << c.id;
    EXPECT_EQ(StatusText(), c.status) << c.id;
  }
  EXPECT_EQ(View()->m_strStatusText, toFrench) << "the last prompt shown";
  View()->m_nLanguage = kEnglish;

  MoveOver(IDC_SEARCH);
  View()->m_dropTarget.DragLeave();
  EXPECT_EQ(StatusText(), kIdle);
}

TEST_F(TextDropTest, TheFrenchPromptIsShownWholeWithItsLineFeed) {
  Store("Interface Language", "French");
  ASSERT_TRUE(Start());
  Enter(Text("chat"), IDC_FRENCH_SOURCE);
  MoveOver(IDC_FRENCH_SOURCE);
  EXPECT_EQ(View()->m_strStatusText, "Traduire le fran\xE7" "ais \"chat\" en anglais.\n");
}

TEST_F(TextDropTest, ADropOnAButtonSetsItsDirectionAndLooksTheTextUp) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(View()->m_nLanguage, kEnglish);
  Enter(Text("chien"), IDC_FRENCH_SOURCE);
  MoveOver(IDC_FRENCH_SOURCE);
  EXPECT_EQ(Drop(m_pText, IDC_FRENCH_SOURCE), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(View()->m_nLanguage, kFrench);
  EXPECT_TRUE(Checked(IDC_FRENCH_SOURCE));
  EXPECT_FALSE(Checked(IDC_ENGLISH_SOURCE));
  EXPECT_EQ(SearchText(), "chien");
  EXPECT_EQ(CurrentEntry(), "chien");
  EXPECT_EQ(History(), std::vector<std::string>{"chien"});
  EXPECT_EQ(GetFocus(), SearchEdit());
  EXPECT_TRUE(AllSearchTextSelected());
  EXPECT_EQ(StatusText(), kIdle);

  Enter(Text("dog"), IDC_ENGLISH_SOURCE);
  EXPECT_EQ(Drop(m_pText, IDC_ENGLISH_SOURCE), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(View()->m_nLanguage, kEnglish);
  EXPECT_TRUE(Checked(IDC_ENGLISH_SOURCE));
  EXPECT_EQ(CurrentEntry(), "dog");
}

TEST_F(TextDropTest, ADropOnTheSearchBoxOrTheListKeepsTheDirection) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  for (auto [id, word] : {std::pair{IDC_SEARCH, "maison"}, std::pair{IDC_RESULT_LIST, "chat"}}) {
    Enter(Text(word), id);
    EXPECT_EQ(Drop(m_pText, id), static_cast<DWORD>(DROPEFFECT_COPY)) << word;
    EXPECT_EQ(View()->m_nLanguage, kFrench) << word;
    EXPECT_EQ(SearchText(), word);
    EXPECT_EQ(CurrentEntry(), word);
  }
}

TEST_F(TextDropTest, DataWithoutTextAndPlacesWithoutMeaningRefuseTheDrop) {
  ASSERT_TRUE(Start());
  Type("dog");
  EXPECT_EQ(Enter(&m_noText, IDC_SEARCH), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(View()->m_strDragText, "");
  EXPECT_EQ(MoveOver(IDC_SEARCH), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(StatusText(), kIdle);
  EXPECT_EQ(Drop(&m_noText, IDC_FRENCH_SOURCE), static_cast<DWORD>(DROPEFFECT_NONE));

  Enter(Text("chat"), IDC_REVERSE_LABEL);
  EXPECT_EQ(Drop(m_pText, IDC_REVERSE_LABEL), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(Drop(m_pText, IDC_REVERSE_LIST), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(SearchText(), "dog");
  EXPECT_EQ(View()->m_nLanguage, kEnglish);
  EXPECT_EQ(StatusText(), kIdle);
}

}  // namespace
