#include "sgf/text_encoding.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cstdint>

namespace sgf {
namespace {

constexpr std::array<std::string_view, 13> Latin1Names = {
    "iso-8859-1", "iso8859-1", "iso_8859-1",  "latin1",   "latin-1", "l1",       "iso-ir-100",
    "cp819",      "ibm819",    "csisolatin1", "us-ascii", "ascii",   "iso646-us"};
constexpr std::array<std::string_view, 3> Windows1252Names = {"windows-1252", "cp1252", "x-cp1252"};

// Windows-1252's characters for the bytes 0x80 to 0x9F; its five unassigned bytes keep their
// Latin-1 meaning, as web browsers decode them.
constexpr std::array<char32_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Named(std::string_view name, std::string_view candidate) {
  return std::ranges::equal(name, candidate, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

bool NamedAmong(std::string_view name, const auto& names) {
  return std::ranges::any_of(names, [&](std::string_view known) { return Named(name, known); });
}

void AppendUtf8(char32_t code, std::string& text) {
  assert(code < 0x10000);
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The length of the UTF-8 sequence that starts at text[at], 0 when none does: a stray
// continuation byte, an overlong form, a surrogate, a code point past U+10FFFF or a cut-off end.
size_t SequenceLength(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[at + i]); };
  const uint8_t lead = byte(0);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  const bool overlong = (lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xF0 && byte(1) < 0x90);
  const bool outside = (lead == 0xED && byte(1) >= 0xA0) || (lead == 0xF4 && byte(1) >= 0x90);
  return overlong || outside ? 0 : length;
}

}  // namespace

Charset CharsetNamed(std::string_view name) {
  if (Named(name, "utf-8") || Named(name, "utf8")) return Charset::Utf8;
  if (NamedAmong(name, Latin1Names)) return Charset::Latin1;
  if (NamedAmong(name, Windows1252Names)) return Charset::Windows1252;
  return Charset::Other;
}

bool IsUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string ToUtf8(std::string_view text, Charset charset) {
  assert(charset == Charset::Latin1 || charset == Charset::Windows1252);
  std::string decoded;
  decoded.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    const bool high = charset == Charset::Windows1252 && byte >= 0x80 && byte < 0xA0;
    AppendUtf8(high ? Windows1252High[byte - 0x80] : char32_t{byte}, decoded);
  }
  return decoded;
}

}  // namespace sgf
