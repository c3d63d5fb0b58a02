// A private X server (Xvfb, 640 x 480 x 24) for the real-window tests, the
// real `report` process started in it, and the tools that drive and watch
// it: xdotool for the pointer and keys, an Xlib connection for screen
// captures, a click at a known moment, the close request and the pointer's
// image.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

typedef struct _XDisplay Display;

namespace e2e {

// A whole screen: 640 x 480 pixels 0x00RRGGBB, rows top first.
using Screen = std::vector<std::uint32_t>;

// An Xvfb server on a free display number; stopped when the value dies.
class XServer {
 public:
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  bool running() const { return pid_ > 0; }
  const std::string& display() const { return display_; }  // ":N"

  // Runs an xdotool command line against this display; true when it succeeded.
  bool xdotool(const std::string& arguments) const;
  // The whole screen as the framebuffer of the root window holds it; empty on failure.
  Screen capture() const;
  // A left click (press and release) sent at once from this connection,
  // for when the moment of the click matters: xdotool sends its click only
  // after its own start-up, which takes long on a loaded machine.
  bool click_now() const;
  // Asks the window with this title to close (WM_DELETE_WINDOW), as a
  // desktop's close button does; false when there is no such window.
  bool request_close(const std::string& title) const;
  // True when the pointer's image on screen is wholly transparent.
  bool pointer_hidden() const;

 private:
  pid_t pid_ = -1;
  std::string display_;
  Display* connection_ = nullptr;  // the tests' own client connection
};

// A child process with its standard error collected into a file.
class Process {
 public:
  // Starts `program` in `folder` with the environment of the test plus `env`
  // ("NAME=value"; "NAME=" removes NAME).
  Process(const std::string& program, const std::string& folder, const std::vector<std::string>& env);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  pid_t pid() const { return pid_; }
  // Waits for the end; the exit code, 128 + signal for a signal, -1 on timeout.
  int wait(std::chrono::milliseconds timeout);
  bool running();
  std::string error_output() const;
  void signal(int number) const;

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  bool reaped_ = false;
  std::string error_file_;
};

// Polls `ready` every 20 ms until it holds or `timeout` runs out.
template <typename Ready>
bool wait_until(Ready ready, std::chrono::milliseconds timeout) {
  auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (ready()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    struct timespec pause{0, 20 * 1000 * 1000};
    nanosleep(&pause, nullptr);
  }
}

// Paths fixed by the build.
std::string report_binary();
std::string show_folder();

}  // namespace e2e
