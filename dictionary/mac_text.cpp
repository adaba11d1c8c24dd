#include "dictionary/mac_text.h"

#include "dictionary/charset.h"
#include "dictionary/text_stream.h"

void ConvertMacText(std::FILE* source, std::FILE* destination) {
  if (source == nullptr || destination == nullptr) return;
  TextStream in(source);
  for (int c = in.Get(); c >= 0; c = in.Get()) {
    if (c == '\r') {
      std::fputc('\r', destination);
      std::fputc('\n', destination);
    } else {
      std::fputc(MacToWindows(static_cast<Byte>(c)), destination);
    }
  }
}
