// Window system on SDL2: SDL events become the program's messages in a fixed
// ring (no allocation per frame); the window procedure runs on dispatch.
#include <X11/Xlib.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstring>

#include "platform/quiet_stderr.h"
#include "platform/sdl_video.h"
#include "platform/window_system.h"

struct win::Window {
  SDL_Window* sdl_window;
  WindowProcedure procedure;
};
struct win::Instance {
  int unused;
};

namespace {

constexpr int MAX_CLASSES = 4;
constexpr int QUEUE_SIZE = 256;

win::WindowClass classes[MAX_CLASSES];
int class_count = 0;
win::Instance program_instance;
win::Window program_window{nullptr, nullptr};

// Messages waiting for the pump: posted ones and translated SDL events.
win::Message queue[QUEUE_SIZE];
int queue_head = 0;
int queue_length = 0;

// Set when the display destroyed the window under the program (another X
// client or the window manager); reported once as a destroy message.
bool window_lost = false;
bool window_lost_reported = false;
XErrorHandler previous_x_error_handler = nullptr;

// Xlib's handler for errors the server reports. A window or drawable that no
// longer exists means the program's window was destroyed from outside: the run
// learns it through the destroy message rather than Xlib's default of ending
// the process. Every other error goes to the handler that was there before.
int on_x_error(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable) {
    window_lost = true;
    return 0;
  }
  return previous_x_error_handler != nullptr ? previous_x_error_handler(display, error) : 0;
}

// On X11, puts on_x_error in front of the handler SDL installed. Xlib is
// already loaded by SDL; it is looked up rather than linked.
void watch_for_a_lost_window() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0 || previous_x_error_handler != nullptr) return;
  void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
  if (xlib == nullptr) return;
  using SetHandler = XErrorHandler (*)(XErrorHandler);
  if (auto set_handler = reinterpret_cast<SetHandler>(dlsym(xlib, "XSetErrorHandler")))
    previous_x_error_handler = set_handler(on_x_error);
  dlclose(xlib);
}

bool push_message(const win::Message& message) {
  if (queue_length == QUEUE_SIZE) return false;  // a flood of input: drop the newest
  queue[(queue_head + queue_length) % QUEUE_SIZE] = message;
  ++queue_length;
  return true;
}

win::WParam virtual_key(SDL_Keycode key) {
  if (key == SDLK_ESCAPE) return win::KEY_ESCAPE;
  if (key == SDLK_SPACE) return win::KEY_SPACE;
  if (key == SDLK_F4) return win::KEY_F4;
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<win::WParam>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<win::WParam>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<win::WParam>(0x70 + (key - SDLK_F1));
  return 0xFF;  // a key the program has no name for
}

// Turns pending SDL events into queued messages for the program's window.
void translate_sdl_events() {
  win::WindowHandle window = program_window.sdl_window ? &program_window : nullptr;
  if (window_lost && !window_lost_reported && window != nullptr) {
    window_lost_reported = true;
    push_message({window, win::MSG_DESTROY, 0, 0});
  }
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_KEYDOWN: {
        bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
        push_message({window, alt ? win::MSG_SYSKEYDOWN : win::MSG_KEYDOWN,
                      virtual_key(event.key.keysym.sym), 0});
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) push_message({window, win::MSG_LBUTTONDOWN, 0, 0});
        break;
      case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT)
          push_message({window, win::MSG_LBUTTONUP, 0, 0});
        else if (event.button.button == SDL_BUTTON_RIGHT)
          push_message({window, win::MSG_RBUTTONUP, 0, 0});
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) push_message({window, win::MSG_CLOSE, 0, 0});
        break;
      case SDL_QUIT:
        // The last window closed, or SIGINT/SIGTERM: a close request.
        push_message({window, win::MSG_CLOSE, 0, 0});
        break;
      default:
        break;
    }
  }
}

}  // namespace

bool sdl_video_start() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  if (with_quiet_stderr([] { return SDL_InitSubSystem(SDL_INIT_VIDEO); }) != 0) return false;
  // Without a display SDL falls back to drawing nowhere; that is no window
  // for a person, unless they asked for such a driver by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  bool invisible = driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
  if (invisible && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  return true;
}

SDL_Window* sdl_program_window() { return program_window.sdl_window; }

namespace win {

InstanceHandle current_instance() { return &program_instance; }
int startup_show_command() { return SHOW_DEFAULT; }

bool register_window_class(const WindowClass& window_class) {
  if (class_count == MAX_CLASSES || window_class.class_name == nullptr) return false;
  classes[class_count++] = window_class;
  return true;
}

WindowHandle create_window(std::uint32_t, const char* class_name, const char* title, std::uint32_t,
                           int x, int y, int width, int height, WindowHandle, const void*,
                           InstanceHandle, void*) {
  const WindowClass* window_class = nullptr;
  for (int i = 0; i < class_count; ++i)
    if (std::strcmp(classes[i].class_name, class_name) == 0) window_class = &classes[i];
  if (window_class == nullptr || program_window.sdl_window != nullptr) return nullptr;
  if (!sdl_video_start() || width <= 0 || height <= 0) return nullptr;
  SDL_Window* sdl_window = SDL_CreateWindow(title, x, y, width, height, SDL_WINDOW_HIDDEN);
  if (sdl_window == nullptr) return nullptr;
  program_window = Window{sdl_window, window_class->procedure};
  watch_for_a_lost_window();
  return &program_window;
}

void show_window(WindowHandle window, int) {
  if (window != nullptr && window->sdl_window != nullptr) SDL_ShowWindow(window->sdl_window);
}

Icon* load_icon(InstanceHandle, const char*) { return nullptr; }
Cursor* load_arrow_cursor() { return nullptr; }

bool peek_message(Message* message, WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t flags) {
  if (queue_length == 0 && SDL_WasInit(SDL_INIT_VIDEO) != 0) translate_sdl_events();
  if (queue_length == 0) return false;
  *message = queue[queue_head];
  if (flags & PEEK_REMOVE) {
    queue_head = (queue_head + 1) % QUEUE_SIZE;
    --queue_length;
  }
  return true;
}

bool translate_message(const Message*) { return true; }

LResult dispatch_message(const Message* message) {
  Window* window = message->window;
  if (window == nullptr || window->procedure == nullptr) return 0;
  return window->procedure(window, message->message, message->wparam, message->lparam);
}

bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  if (window == nullptr) return false;
  return push_message({window, message, wparam, lparam});
}

void post_quit_message(int exit_code) {
  push_message({nullptr, MSG_QUIT, static_cast<WParam>(exit_code), 0});
}

LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam) {
  // Alt+F4 asks the window to close, as a desktop does.
  if (message == MSG_SYSKEYDOWN && wparam == KEY_F4) post_message(window, MSG_CLOSE, 0, 0);
  return 0;
}

int get_system_metrics(int index) {
  if (!sdl_video_start()) return 0;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return index == METRIC_SCREEN_WIDTH ? mode.w : mode.h;
}

bool get_cursor_pos(Point* point) {
  if (program_window.sdl_window == nullptr) return false;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  // Report the position in the console's 640 x 480 pixels, whatever the window's size.
  int console_x = 0, console_y = 0;
  if (sdl_window_to_console(x, y, &console_x, &console_y)) {
    x = console_x;
    y = console_y;
  }
  point->x = x < 0 ? 0 : (x > 639 ? 639 : x);
  point->y = y < 0 ? 0 : (y > 479 ? 479 : y);
  return true;
}

int message_box(WindowHandle, const char* text, const char* title, std::uint32_t) {
  // A real box where there is a display; otherwise a line on standard error.
  const char* display = SDL_getenv("DISPLAY");
  const char* wayland = SDL_getenv("WAYLAND_DISPLAY");
  bool has_display = (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
  if (has_display && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr) == 0) return 1;
  std::fprintf(stderr, "%s: %s\n", title, text);
  return 1;
}

}  // namespace win
