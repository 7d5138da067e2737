// Reading the controller's input line by line with a bound on what one line may hold.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace gtp {

// One line of input without its newline.
struct InputLine {
  std::string text;      // The line, or its first maxLength bytes when it was longer.
  bool tooLong = false;  // True when bytes past maxLength were read and dropped.
};

// Splits a byte stream into lines at '\n'. Any byte, NUL included, is part of a line; a line
// longer than the bound is read to its end but only its start is kept, so a controller sending
// megabytes without a newline costs no more than the bound in memory.
class LineReader {
 public:
  // Reads from in, which must outlive the reader.
  LineReader(std::istream& in, std::size_t maxLength);

  // The next line; a last line without a newline counts as a line. nullopt at end of input.
  std::optional<InputLine> Next();

 private:
  std::istream& in_;
  std::size_t maxLength_;
};

}  // namespace gtp
