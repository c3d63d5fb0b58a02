// Xvfb, child processes and screen capture for the real-window tests.
#include "x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

extern char** environ;

namespace e2e {

std::string report_binary() { return REPORT_BINARY; }
std::string show_folder() { return REPORT_SHOW_DIR; }

namespace {

std::string run_capture_output(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
  }
  return output;
}

std::uint32_t read_be32(const unsigned char* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

}  // namespace

XServer::XServer() {
  // Xvfb picks a free display itself and writes its number to the pipe.
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
    std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
           "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return;
  }
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return;
  }
  pid_ = pid;
  display_ = ":" + number;
}

XServer::~XServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

bool XServer::xdotool(const std::string& arguments) const {
  std::string command = "DISPLAY=" + display_ + " xdotool " + arguments + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::vector<std::uint32_t> XServer::capture() const {
  // xwd writes a big-endian header, then (for a 24-bit TrueColor screen)
  // 32-bit pixels in the byte order the header names.
  std::string data = run_capture_output("DISPLAY=" + display_ + " xwd -root -silent 2>/dev/null");
  if (data.size() < 100) return {};
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
  std::uint32_t header_size = read_be32(bytes);
  std::uint32_t width = read_be32(bytes + 16), height = read_be32(bytes + 20);
  std::uint32_t byte_order = read_be32(bytes + 28);
  std::uint32_t bits_per_pixel = read_be32(bytes + 44), line_bytes = read_be32(bytes + 48);
  std::uint32_t colour_entries = read_be32(bytes + 76);
  std::size_t offset = header_size + std::size_t(colour_entries) * 12;
  if (width != 640 || height != 480 || bits_per_pixel != 32 ||
      data.size() < offset + std::size_t(line_bytes) * height)
    return {};
  std::vector<std::uint32_t> pixels(640 * 480);
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      const unsigned char* p = bytes + offset + std::size_t(y) * line_bytes + x * 4;
      std::uint32_t v = byte_order == 0 ? (std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 |
                                           std::uint32_t(p[1]) << 8 | p[0])
                                        : read_be32(p);
      pixels[y * 640 + x] = v & 0x00FFFFFFu;
    }
  return pixels;
}

Process::Process(const std::string& program, const std::string& folder, const std::vector<std::string>& env) {
  char name[] = "/tmp/report-e2e-XXXXXX";
  int error_fd = mkstemp(name);
  error_file_ = name;
  pid_ = fork();
  if (pid_ == 0) {
    for (const std::string& entry : env) {
      std::size_t equals = entry.find('=');
      std::string key = entry.substr(0, equals), value = entry.substr(equals + 1);
      if (value.empty())
        unsetenv(key.c_str());
      else
        setenv(key.c_str(), value.c_str(), 1);
    }
    if (chdir(folder.c_str()) != 0) _exit(126);
    int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, 0);
    dup2(error_fd, 2);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(error_fd);
}

Process::~Process() {
  if (pid_ > 0 && !reaped_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  unlink(error_file_.c_str());
}

bool Process::running() {
  if (reaped_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    reaped_ = true;
    status_ = status;
    return false;
  }
  return true;
}

int Process::wait(std::chrono::milliseconds timeout) {
  if (!wait_until([this] { return !running(); }, timeout)) return -1;
  if (WIFEXITED(status_)) return WEXITSTATUS(status_);
  if (WIFSIGNALED(status_)) return 128 + WTERMSIG(status_);
  return -1;
}

std::string Process::error_output() const {
  std::ifstream file(error_file_);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void Process::signal(int number) const {
  if (pid_ > 0 && !reaped_) kill(pid_, number);
}

}  // namespace e2e
