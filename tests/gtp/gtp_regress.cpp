// Runs one GTP regression file against a GTP program and reports every expectation that fails.
//
// Usage: gtp_regress PROGRAM FILE DATA_DIR
//
// File convention (close to GNU Go's regression files):
//  - The file is itself a GTP session: every line is sent to the program as it stands, comments
//    and blank lines included, after "@DATA@" is replaced by DATA_DIR and "@TMP@" by a fresh
//    scratch folder. The file can therefore also be piped into the program by hand.
//  - A line answers when, with its '#' comment cut off, it holds anything but blanks (GTP's own
//    rule). The runner reads one response per such line and checks that the response echoes the
//    line's leading number as its id (or no id when the line has none); a response to a comment
//    line would therefore show up as a wrong id on the next command.
//  - "#? [REGEX]" checks the response to the command line just before it: it must be a success
//    whose whole text matches REGEX (ECMAScript, anchored at both ends; "[\s\S]" crosses lines).
//    "#? ?[REGEX]" expects a failure whose message matches REGEX instead.
//  - A command line without an expectation is setup and must succeed.
// It ends with quit and checks the exit status 0, then prints "N passed, N failed".
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <string>

#include "tests/support/gtp_process.h"

namespace {

struct Expectation {
  bool ok;            // Success expected, rather than failure.
  std::string regex;  // Pattern for the whole response text.
};

struct Counts {
  int passed = 0;
  int failed = 0;
};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// True when GTP gives the line a response: something other than blanks before any comment.
bool Answers(const std::string& line) {
  const std::string command = line.substr(0, line.find('#'));
  return command.find_first_not_of(" \t\r") != std::string::npos;
}

// The leading number of a command line: the id the response must echo.
std::string LeadingId(const std::string& line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  const size_t end = line.find_first_not_of("0123456789", start);
  if (end == start) return "";
  if (end != std::string::npos && line[end] != ' ' && line[end] != '\t' && line[end] != '#') {
    return "";
  }
  return line.substr(start, end - start);
}

std::optional<Expectation> ParseExpectation(const std::string& line) {
  if (line.rfind("#?", 0) != 0) return std::nullopt;
  const size_t open = line.find('[');
  const size_t close = line.rfind(']');
  if (open == std::string::npos || close == std::string::npos || close < open) {
    return std::nullopt;
  }
  const bool failure = line.find('?', 2) < open;
  return Expectation{!failure, line.substr(open + 1, close - open - 1)};
}

void Report(Counts& counts, bool good, const std::string& where, const std::string& message) {
  if (good) {
    ++counts.passed;
    return;
  }
  ++counts.failed;
  std::cout << where << ": " << message << "\n";
}

std::string Describe(const GtpProcess::Response& response) {
  return std::string(response.ok ? "=" : "?") + response.id + " [" + response.text + "]";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: gtp_regress PROGRAM FILE DATA_DIR\n";
    return 2;
  }
  const std::string file = argv[2];
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("gtp_regress." + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  std::ifstream input(file);
  if (!input) {
    std::cerr << "cannot read " << file << "\n";
    return 2;
  }

  Counts counts;
  GtpProcess program({argv[1]});
  std::optional<GtpProcess::Response> last;  // Response to the latest command line.
  std::string lastCommand;
  bool lastChecked = true;
  std::string line;
  int lineNumber = 0;
  try {
    while (std::getline(input, line)) {
      ++lineNumber;
      const std::string where = file + ":" + std::to_string(lineNumber);
      line = ReplaceAll(ReplaceAll(line, "@DATA@", argv[3]), "@TMP@", scratch.string());
      const std::optional<Expectation> expected = ParseExpectation(line);
      if (!expected && line.rfind("#?", 0) == 0) {
        Report(counts, false, where, "expectation without [REGEX]");
      }
      if (expected) {
        const bool good = last && last->ok == expected->ok &&
                          std::regex_match(last->text, std::regex(expected->regex));
        Report(counts, good, where,
               lastCommand + " answered " + (last ? Describe(*last) : "nothing"));
        lastChecked = true;
      }
      program.Write(line + "\n");
      if (!Answers(line)) continue;
      if (!lastChecked && !last->ok) {
        Report(counts, false, where, "setup command " + lastCommand + " failed: " + last->text);
      }
      last = program.Read();
      lastCommand = line;
      lastChecked = false;
      const std::string id = LeadingId(line);
      if (last->id != id) Report(counts, false, where, "id not echoed: " + Describe(*last));
    }
    if (!lastChecked && !last->ok) Report(counts, false, file, "last command failed");
    const GtpProcess::Response bye = program.Send("quit");
    Report(counts, bye.ok && program.CloseAndWait() == 0, file, "quit did not end cleanly");
  } catch (const std::exception& error) {
    Report(counts, false, file + ":" + std::to_string(lineNumber), error.what());
  }
  std::filesystem::remove_all(scratch);
  std::cout << counts.passed << " passed, " << counts.failed << " failed\n";
  return counts.failed == 0 && counts.passed > 0 ? 0 : 1;
}
