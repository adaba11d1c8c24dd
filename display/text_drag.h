// Dragging plain text out of a window with OLE drag and drop: the data object
// that offers the text as CF_TEXT, and the drop source that decides when a
// held button becomes a drag and when the drag ends.
#pragma once
#include <ole2.h>
#include <windows.h>

// Offers one block of global memory holding a NUL-terminated text as CF_TEXT.
// Reference-counted; it frees the block when the last reference goes.
class TextDataObject final : public IDataObject {
 public:
  // Takes ownership of `text`; the object starts with one reference.
  explicit TextDataObject(HGLOBAL text) : m_hText(text) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  ~TextDataObject() { GlobalFree(m_hText); }

  HGLOBAL m_hText;
  ULONG m_nRefs = 1;
};

// A drop source that lives for one drag, on the stack of the code that drags.
class DropSource : public IDropSource {
 public:
  // Milliseconds after which a held button starts a drag even without
  // moving; one value for the whole process.
  static UINT s_nDragDelay;

  virtual ~DropSource() = default;

  // Waits, with the mouse captured by `window`, until the pointer leaves
  // `startRect` (screen coordinates) or the drag delay passes: true, drag.
  // A button press or release, Escape or a lost capture end the wait with
  // false; a button message stays queued for the window.
  bool OnBeginDrag(HWND window, const RECT& startRect);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  // Releasing the left button drops; Escape cancels.
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// A block of global memory holding `length` bytes of `text` and a NUL; null
// when the memory cannot be had.
HGLOBAL CopyToGlobalMemory(const char* text, size_t length);
