// The drop source of a list drag. While it lives, a held button never starts a
// drag by itself: only moving the pointer out of the start rectangle does.
#pragma once
#include "display/text_drag.h"

class CListDropSource : public DropSource {
 public:
  static constexpr UINT kNoDragDelay = 1000000;

  CListDropSource() : m_nSavedDragDelay(s_nDragDelay) { s_nDragDelay = kNoDragDelay; }
  ~CListDropSource() override { s_nDragDelay = m_nSavedDragDelay; }
  CListDropSource(const CListDropSource&) = delete;
  CListDropSource& operator=(const CListDropSource&) = delete;

 private:
  UINT m_nSavedDragDelay;  // the delay in force before the drag
};
