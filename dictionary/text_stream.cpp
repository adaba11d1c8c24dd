#include "dictionary/text_stream.h"

int TextStream::GetRaw() {
  if (m_nPos == m_nLength) {
    if (m_bEnded || m_pFile == nullptr) return -1;
    m_nLength = std::fread(m_buffer, 1, sizeof m_buffer, m_pFile);
    m_nPos = 0;
    if (m_nLength == 0) {
      m_bEnded = true;
      return -1;
    }
  }
  return m_buffer[m_nPos++];
}

int TextStream::Get() {
  constexpr int kEndOfText = 0x1A;
  int c = GetRaw();
  if (c == kEndOfText) {
    m_bEnded = true;
    m_nPos = m_nLength;
    return -1;
  }
  if (c == '\r') {
    const int next = GetRaw();
    if (next == '\n') return '\n';
    if (next >= 0) --m_nPos;  // the byte just read is still in the buffer
  }
  return c;
}
