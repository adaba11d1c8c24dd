#include "tools/vbd/cp1252.h"

namespace {

// Code points of 0x80-0x9F; the undefined bytes stand for themselves.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(Byte b) { return b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b; }

std::optional<Byte> ByteOf(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<Byte>(code);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == code) return static_cast<Byte>(0x80 + i);
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at s[i], advancing i; nothing when malformed.
std::optional<char32_t> NextCodePoint(std::string_view s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  int more;
  char32_t code;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (; more > 0; --more) {
    if (i >= s.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(s[i++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = code << 6 | (next & 0x3F);
  }
  return code;
}

}  // namespace

std::string Utf8FromCp1252(TextView text) {
  std::string out;
  for (Byte b : text) AppendUtf8(out, CodePointOf(b));
  return out;
}

std::optional<Text> Cp1252FromUtf8(std::string_view utf8) {
  Text out;
  for (size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> code = NextCodePoint(utf8, i);
    if (!code) return std::nullopt;
    const std::optional<Byte> b = ByteOf(*code);
    if (!b || *b == 0) return std::nullopt;
    out.push_back(*b);
  }
  return out;
}
