#include "gtp/command_line.h"

#include <algorithm>
#include <cctype>

namespace gtp {
namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t') || byte == 0x7f;
}

std::vector<std::string> SplitOnSpaces(std::string_view text) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < text.size()) {
    start = text.find_first_not_of(' ', start);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(text.find(' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = end;
  }
  return words;
}

bool AllDigits(const std::string& word) {
  return std::all_of(word.begin(), word.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::string Preprocess(std::string_view line) {
  std::string clean;
  clean.reserve(line.size());
  for (char c : line) {
    if (c == '#') break;
    if (IsControl(c)) continue;
    clean.push_back(c == '\t' ? ' ' : c);
  }
  return clean;
}

std::optional<CommandLine> ParseCommandLine(std::string_view line) {
  std::vector<std::string> words = SplitOnSpaces(Preprocess(line));
  if (words.empty()) return std::nullopt;
  CommandLine command;
  auto next = words.begin();
  if (AllDigits(*next)) command.id = *next++;
  if (next != words.end()) command.name = *next++;
  command.args.assign(next, words.end());
  return command;
}

}  // namespace gtp
