// The charsets SGF's CA names, and their text turned into UTF-8, which this program keeps and
// writes. Latin-1 and Windows-1252, the charsets of older Western records, are decoded here;
// text in any other charset keeps its bytes and its CA.
#pragma once

#include <string>
#include <string_view>

namespace sgf {

enum class Charset {
  Utf8,         // UTF-8, kept as it is.
  Latin1,       // ISO-8859-1 and its aliases, US-ASCII among them: each byte is its code point.
  Windows1252,  // Latin-1 with typographic characters in place of the controls 0x80 to 0x9F.
  Other,        // Anything else: not decoded.
};

// The charset a CA value names, its case and aliases ignored.
Charset CharsetNamed(std::string_view name);

// True when text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// Text in charset (Latin1 or Windows1252) as UTF-8.
std::string ToUtf8(std::string_view text, Charset charset);

}  // namespace sgf
