// A GTP engine run as a child process over pipes: GNU Go as a referee, or our own GTP program.
#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

// Where Debian installs GNU Go.
inline constexpr const char* GnuGoPath = "/usr/games/gnugo";

// True when GNU Go is installed and executable; tests that need it skip themselves otherwise.
bool GnuGoAvailable();

// The GTP vertex ("D16", "pass") of one of our points; row 0 is the top line, GTP counts rows
// from the bottom and skips the letter I.
std::string GtpVertex(int column, int row);

// Parses a GTP vertex into our (column, row); false for "pass" or anything malformed.
bool ParseGtpVertex(const std::string& vertex, int& column, int& row);

class GtpProcess {
 public:
  struct Response {
    bool ok;  // "=" rather than "?".
    std::string
        text;        // The response without its status character, leading blank and last newlines.
    std::string id;  // The numeric id echoed after the status character, empty when there is none.
  };

  // Starts the program; throws std::runtime_error when it cannot be started.
  explicit GtpProcess(const std::vector<std::string>& argv);
  GtpProcess(const GtpProcess&) = delete;
  GtpProcess& operator=(const GtpProcess&) = delete;
  // Sends quit, closes the pipes and reaps the child.
  ~GtpProcess();

  // Sends one command line and reads its response; throws std::runtime_error if the program dies.
  Response Send(const std::string& command);

  // Sends raw bytes without waiting for anything, for tests of malformed input.
  void Write(const std::string& bytes);

  // Reads one complete response (up to its empty line); throws if the program dies first.
  Response Read();

  // Closes our end of the program's input and waits for it to exit; returns its exit status,
  // or -1 when it was ended by a signal.
  int CloseAndWait();

 private:
  pid_t child_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
  std::string pending_;
};
