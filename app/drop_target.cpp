#include "app/drop_target.h"

bool DropTarget::Register(HWND window) {
  Revoke();
  if (FAILED(RegisterDragDrop(window, this))) return false;
  m_hWnd = window;
  return true;
}

void DropTarget::Revoke() {
  ReleaseData();
  if (!m_hWnd) return;
  RevokeDragDrop(m_hWnd);
  m_hWnd = nullptr;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

POINT DropTarget::ToClient(POINTL point) const {
  POINT client = {point.x, point.y};
  ScreenToClient(m_hWnd, &client);
  return client;
}

void DropTarget::ReleaseData() {
  if (m_pData) m_pData->Release();
  m_pData = nullptr;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
  ReleaseData();
  m_pData = data;
  if (m_pData) m_pData->AddRef();
  *effect &= m_pHandler->OnDragEnter(data, keyState, ToClient(point));
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
  *effect &= m_pHandler->OnDragOver(m_pData, keyState, ToClient(point));
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  ReleaseData();
  m_pHandler->OnDragLeave();
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
  ReleaseData();
  // The place is checked once more as for a move; a refused drop is a leave.
  const POINT client = ToClient(point);
  const DWORD chosen = *effect & m_pHandler->OnDragOver(data, keyState, client);
  if (chosen == DROPEFFECT_NONE) {
    m_pHandler->OnDragLeave();
    *effect = DROPEFFECT_NONE;
  } else {
    *effect = m_pHandler->OnDrop(data, chosen, client) ? chosen : DROPEFFECT_NONE;
  }
  return S_OK;
}

namespace {
FORMATETC TextFormat() { return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }
}  // namespace

bool OffersText(IDataObject* data) {
  FORMATETC format = TextFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

bool GetDroppedText(IDataObject* data, std::string& text) {
  text.clear();
  if (!data) return false;
  FORMATETC format = TextFormat();
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&format, &medium))) return false;
  bool found = false;
  if (medium.tymed == TYMED_HGLOBAL) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
      // A block without a NUL ends where the block ends.
      const size_t size = GlobalSize(medium.hGlobal);
      size_t length = 0;
      while (length < size && bytes[length]) ++length;
      text.assign(bytes, length);
      GlobalUnlock(medium.hGlobal);
      found = true;
    }
  }
  ReleaseStgMedium(&medium);
  return found;
}
