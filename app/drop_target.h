// Dropping data on a window with OLE drag and drop: the object the system
// calls while something is dragged over the window, which hands every step
// to the window's handler with the pointer in the window's client coordinates.
#pragma once
#include <ole2.h>
#include <windows.h>

#include <string>

// What a window does with data dragged over it. Effects are DROPEFFECT values.
class DropHandler {
 public:
  virtual DWORD OnDragEnter(IDataObject* data, DWORD keyState, POINT point) = 0;
  virtual DWORD OnDragOver(IDataObject* data, DWORD keyState, POINT point) = 0;
  virtual void OnDragLeave() = 0;
  // True when the drop was taken.
  virtual bool OnDrop(IDataObject* data, DWORD effect, POINT point) = 0;

 protected:
  ~DropHandler() = default;
};

// Lives as long as its owner, which revokes it before it goes: the reference
// counting of the system is not needed.
class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(DropHandler* handler) : m_pHandler(handler) {}
  ~DropTarget() { Revoke(); }
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;

  bool Register(HWND window);
  void Revoke();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  // `point` is in screen coordinates; `effect` holds the effects the source
  // allows and receives the one the handler chose among them.
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                 DWORD* effect) override;

 private:
  POINT ToClient(POINTL point) const;
  void ReleaseData();

  DropHandler* m_pHandler;
  HWND m_hWnd = nullptr;
  IDataObject* m_pData = nullptr;  // what is dragged over the window, from enter to leave or drop
};

// Whether the data offers plain text (CF_TEXT).
bool OffersText(IDataObject* data);
// The plain text (CF_TEXT) that the data offers, up to its first NUL; false
// when it offers none.
bool GetDroppedText(IDataObject* data, std::string& text);
