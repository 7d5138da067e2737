#include "gtp/line_reader.h"

namespace gtp {

LineReader::LineReader(std::istream& in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}

std::optional<InputLine> LineReader::Next() {
  std::streambuf* buffer = in_.rdbuf();
  InputLine line;
  bool readAnything = false;
  for (;;) {
    const int byte = buffer->sbumpc();
    if (byte == std::char_traits<char>::eof()) break;
    readAnything = true;
    if (byte == '\n') return line;
    if (line.text.size() < maxLength_) {
      line.text.push_back(static_cast<char>(byte));
    } else {
      line.tooLong = true;
    }
  }
  if (!readAnything) return std::nullopt;
  return line;
}

}  // namespace gtp
