// Xvfb, child processes and screen capture for the real-window tests.
#include "x_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

#include "support/xvfb.h"

extern char** environ;

namespace e2e {

std::string report_binary() { return REPORT_BINARY; }
std::string show_folder() { return REPORT_SHOW_DIR; }

namespace {

// A window that vanishes between two requests is no reason to end the test
// process, which is what Xlib's default handler would do.
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

// The top-level window titled `title`, or 0.
Window find_window(Display* display, const std::string& title) {
  Window root_return, parent_return, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root_return, &parent_return, &children, &count))
    return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name != nullptr) {
      if (title == name) found = children[i];
      XFree(name);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

XServer::XServer() {
  pid_t pid = xvfb::start(display_);
  if (pid < 0) return;
  pid_ = pid;
  XSetErrorHandler(ignore_x_error);
  connection_ = XOpenDisplay(display_.c_str());
}

XServer::~XServer() {
  if (connection_ != nullptr) XCloseDisplay(connection_);
  xvfb::stop(pid_);
}

bool XServer::xdotool(const std::string& arguments) const {
  std::string command = "DISPLAY=" + display_ + " xdotool " + arguments + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

Screen XServer::capture() const {
  if (connection_ == nullptr) return {};
  XImage* image = XGetImage(connection_, DefaultRootWindow(connection_), 0, 0, 640, 480, AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  Screen pixels;
  // A 24-bit screen keeps each pixel in a 32-bit word, 0x00RRGGBB.
  if (image->width == 640 && image->height == 480 && image->bits_per_pixel == 32) {
    pixels.resize(640 * 480);
    for (int y = 0; y < 480; ++y) {
      const auto* row = reinterpret_cast<const unsigned char*>(image->data) + std::size_t(y) * image->bytes_per_line;
      for (int x = 0; x < 640; ++x) {
        const unsigned char* p = row + x * 4;
        std::uint32_t v = image->byte_order == LSBFirst
                              ? std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                              : std::uint32_t(p[3]) | std::uint32_t(p[2]) << 8 | std::uint32_t(p[1]) << 16;
        pixels[std::size_t(y) * 640 + x] = v;
      }
    }
  }
  XDestroyImage(image);
  return pixels;
}

bool XServer::click_now() const {
  if (connection_ == nullptr) return false;
  bool sent = XTestFakeButtonEvent(connection_, 1, True, CurrentTime) &&
              XTestFakeButtonEvent(connection_, 1, False, CurrentTime);
  XSync(connection_, False);
  return sent;
}

bool XServer::request_close(const std::string& title) const {
  if (connection_ == nullptr) return false;
  Window window = find_window(connection_, title);
  if (window == 0) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(connection_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  bool sent = XSendEvent(connection_, window, False, NoEventMask, &event) != 0;
  XSync(connection_, False);
  return sent;
}

bool XServer::pointer_hidden() const {
  if (connection_ == nullptr) return false;
  XFixesCursorImage* cursor = XFixesGetCursorImage(connection_);
  if (cursor == nullptr) return false;
  bool hidden = true;
  // The pixels are ARGB words, one per unsigned long.
  for (int i = 0; i < cursor->width * cursor->height; ++i)
    if ((cursor->pixels[i] >> 24) & 0xFF) hidden = false;
  XFree(cursor);
  return hidden;
}

Process::Process(const std::string& program, const std::string& folder, const std::vector<std::string>& env) {
  char name[] = "/tmp/report-e2e-XXXXXX";
  int error_fd = mkstemp(name);
  error_file_ = name;
  pid_ = fork();
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // no program left behind by a test process that died
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
