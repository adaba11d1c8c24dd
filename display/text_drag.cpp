#include "display/text_drag.h"

#include <shlobj.h>

#include <cstring>

namespace {

FORMATETC TextFormat() { return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool IsTextFormat(const FORMATETC* format) {
  return format && format->cfFormat == CF_TEXT && (format->tymed & TYMED_HGLOBAL) &&
         format->dwAspect == DVASPECT_CONTENT;
}

bool IsButtonMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return true;
    default:
      return false;
  }
}

}  // namespace

HGLOBAL CopyToGlobalMemory(const char* text, size_t length) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length + 1);
  if (!block) return nullptr;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(bytes, text, length);
  bytes[length] = '\0';
  GlobalUnlock(block);
  return block;
}

HRESULT TextDataObject::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDataObject) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TextDataObject::Release() {
  ULONG refs = --m_nRefs;
  if (refs == 0) delete this;
  return refs;
}

HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!IsTextFormat(format)) return DV_E_FORMATETC;
  // The receiver owns what it gets: it is handed a copy.
  const char* text = static_cast<const char*>(GlobalLock(m_hText));
  if (!text) return E_OUTOFMEMORY;
  HGLOBAL copy = CopyToGlobalMemory(text, std::strlen(text));
  GlobalUnlock(m_hText);
  if (!copy) return E_OUTOFMEMORY;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TextDataObject::QueryGetData(FORMATETC* format) {
  return IsTextFormat(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT TextDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  const FORMATETC format = TextFormat();
  return SHCreateStdEnumFmtEtc(1, &format, formats);
}

UINT DropSource::s_nDragDelay = GetProfileIntA("windows", "DragDelay", DD_DEFDRAGDELAY);

bool DropSource::OnBeginDrag(HWND window, const RECT& startRect) {
  SetCapture(window);
  const DWORD start = GetTickCount();
  bool drag = false;
  for (;;) {
    if (GetCapture() != window) break;
    MSG msg;
    if (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE) ||
        PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE)) {
      if (IsButtonMessage(msg.message)) break;
      PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
      if (msg.message == WM_MOUSEMOVE) {
        POINT point = {static_cast<short>(LOWORD(msg.lParam)),
                       static_cast<short>(HIWORD(msg.lParam))};
        ClientToScreen(msg.hwnd, &point);
        if (!PtInRect(&startRect, point)) {
          drag = true;
          break;
        }
      }
      continue;
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= s_nDragDelay) {
      drag = true;
      break;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, s_nDragDelay - elapsed, QS_ALLINPUT);
  }
  ReleaseCapture();
  return drag;
}

HRESULT DropSource::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropSource) {
    *object = static_cast<IDropSource*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  if (!(keyState & MK_LBUTTON)) return DRAGDROP_S_DROP;
  return S_OK;
}
