#include "bench/gtp_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cctype>
#include <csignal>
#include <cstring>
#include <stdexcept>

namespace {
constexpr const char* ColumnLetters = "ABCDEFGHJKLMNOPQRST";

void WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("GTP program closed its input");
    done += static_cast<size_t>(n);
  }
}
}  // namespace

bool GnuGoAvailable() {
  return ::access(GnuGoPath, X_OK) == 0;
}

std::string GtpVertex(int column, int row) {
  if (column < 0 || row < 0) return "pass";
  // Appended, not added: GCC 12 at -O3 warns (-Wrestrict) about a char string + a temporary.
  std::string vertex(1, ColumnLetters[column]);
  vertex += std::to_string(19 - row);
  return vertex;
}

bool ParseGtpVertex(const std::string& vertex, int& column, int& row) {
  if (vertex.size() < 2 || vertex.size() > 3) return false;
  const char* letter =
      std::strchr(ColumnLetters, std::toupper(static_cast<unsigned char>(vertex[0])));
  if (letter == nullptr || *letter == '\0') return false;
  for (size_t i = 1; i < vertex.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(vertex[i]))) return false;
  }
  const int number = std::stoi(vertex.substr(1));
  if (number < 1 || number > 19) return false;
  column = static_cast<int>(letter - ColumnLetters);
  row = 19 - number;
  return true;
}

GtpProcess::GtpProcess(const std::vector<std::string>& argv) {
  // A dead child must surface as a failed write, not kill the test with SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  int in[2];
  int out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot make pipes");
  }
  child_ = ::fork();
  if (child_ < 0) throw std::runtime_error("cannot fork");
  if (child_ == 0) {
    ::dup2(in[0], STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv)
      args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  toChild_ = in[1];
  fromChild_ = out[0];
}

GtpProcess::~GtpProcess() {
  if (toChild_ >= 0) {
    try {
      WriteAll(toChild_, "quit\n");
    } catch (const std::runtime_error&) {
      // Already gone; reaping below is all that is left to do.
    }
  }
  CloseAndWait();
}

void GtpProcess::Write(const std::string& bytes) {
  WriteAll(toChild_, bytes);
}

GtpProcess::Response GtpProcess::Send(const std::string& command) {
  Write(command + "\n");
  return Read();
}

GtpProcess::Response GtpProcess::Read() {
  for (;;) {
    const size_t end = pending_.find("\n\n");
    if (end != std::string::npos) {
      std::string block = pending_.substr(0, end);
      pending_.erase(0, end + 2);
      Response response{!block.empty() && block[0] == '=', "", ""};
      size_t start = 1;
      while (start < block.size() && std::isdigit(static_cast<unsigned char>(block[start])))
        ++start;
      if (!block.empty()) response.id = block.substr(1, start - 1);
      if (start < block.size() && block[start] == ' ') ++start;
      response.text = start < block.size() ? block.substr(start) : "";
      return response;
    }
    char buffer[4096];
    const ssize_t n = ::read(fromChild_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("GTP program ended before answering");
    // GTP allows carriage returns before newlines; drop them so the empty-line search works.
    for (ssize_t i = 0; i < n; ++i) {
      if (buffer[i] != '\r') pending_.push_back(buffer[i]);
    }
  }
}

int GtpProcess::CloseAndWait() {
  if (toChild_ >= 0) ::close(toChild_);
  if (fromChild_ >= 0) ::close(fromChild_);
  toChild_ = fromChild_ = -1;
  if (child_ <= 0) return -1;
  int status = 0;
  while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
