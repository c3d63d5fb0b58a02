// Window system service: one top-level window, its message queue, the pointer
// and a message box. The program's window procedure receives the messages it
// handles; the backend (SDL2 in the program, a scripted fake in the tests)
// turns its own events into these messages.
#pragma once

#include <cstdint>

namespace win {

struct Window;    // opaque window
struct Instance;  // opaque program instance
struct Icon;      // opaque icon
struct Cursor;    // opaque system pointer shape

using WindowHandle = Window*;
using InstanceHandle = Instance*;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using WindowProcedure = LResult (*)(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);

// Messages the program sees.
constexpr std::uint32_t MSG_DESTROY = 0x0002;
constexpr std::uint32_t MSG_CLOSE = 0x0010;
constexpr std::uint32_t MSG_QUIT = 0x0012;
constexpr std::uint32_t MSG_KEYDOWN = 0x0100;
constexpr std::uint32_t MSG_KEYUP = 0x0101;
constexpr std::uint32_t MSG_CHAR = 0x0102;
constexpr std::uint32_t MSG_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t MSG_MOUSEMOVE = 0x0200;
constexpr std::uint32_t MSG_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t MSG_LBUTTONUP = 0x0202;
constexpr std::uint32_t MSG_RBUTTONUP = 0x0205;

// Virtual keys.
constexpr WParam KEY_ESCAPE = 0x1B;
constexpr WParam KEY_SPACE = 0x20;
constexpr WParam KEY_F4 = 0x73;

// Window class styles, window styles, show commands, screen metrics, peek flags.
constexpr std::uint32_t CLASS_HREDRAW = 0x0002;
constexpr std::uint32_t CLASS_VREDRAW = 0x0001;
constexpr std::uint32_t STYLE_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr int SHOW_DEFAULT = 10;
constexpr int METRIC_SCREEN_WIDTH = 0;
constexpr int METRIC_SCREEN_HEIGHT = 1;
constexpr std::uint32_t PEEK_REMOVE = 0x0001;
constexpr std::uint32_t BOX_ICON_STOP = 0x10;  // stop icon, one OK button

struct Message {
  WindowHandle window;
  std::uint32_t message;
  WParam wparam;
  LParam lparam;
};

struct Point {
  std::int32_t x;
  std::int32_t y;
};

struct WindowClass {
  std::uint32_t style;
  WindowProcedure procedure;
  int class_extra_bytes;
  int window_extra_bytes;
  InstanceHandle instance;
  Icon* icon;
  Cursor* cursor;
  const void* background_brush;
  const char* menu_name;
  const char* class_name;
};

// The instance and show command the system handed the program at start.
InstanceHandle current_instance();
int startup_show_command();

// Registers a window class; false when it could not be registered.
bool register_window_class(const WindowClass& window_class);

// Creates a top-level window of a registered class; nullptr on failure
// (no display, unknown class).
WindowHandle create_window(std::uint32_t ex_style, const char* class_name, const char* title,
                           std::uint32_t style, int x, int y, int width, int height,
                           WindowHandle parent, const void* menu, InstanceHandle instance,
                           void* creation_data);

void show_window(WindowHandle window, int show_command);

// Looks up an icon resource by name; nullptr when there is none.
Icon* load_icon(InstanceHandle instance, const char* name);
// The system's standard arrow pointer.
Cursor* load_arrow_cursor();

// Takes the next message for `window` (or any message with nullptr) in the
// range [min, max] (0, 0 for all) off the queue when `flags` holds
// PEEK_REMOVE. Returns false when the queue holds none. A quit message is
// delivered whatever the filter.
bool peek_message(Message* message, WindowHandle window, std::uint32_t min, std::uint32_t max,
                  std::uint32_t flags);
// Turns key messages into character messages (which the program ignores).
bool translate_message(const Message* message);
// Calls the window procedure of the message's window.
LResult dispatch_message(const Message* message);
// Queues a message for the window; false when the window is unknown.
bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam);
// Queues a quit message carrying `exit_code`.
void post_quit_message(int exit_code);
// What the system does with a message the program does not handle.
LResult default_window_procedure(WindowHandle window, std::uint32_t message, WParam wparam,
                                 LParam lparam);

// Screen width or height in pixels.
int get_system_metrics(int index);
// The pointer position; false when it cannot be read.
bool get_cursor_pos(Point* point);

// Shows a modal message box and returns when it has been closed. Without a
// display, title and text go to standard error instead; it never blocks then.
int message_box(WindowHandle owner, const char* text, const char* title, std::uint32_t style);

}  // namespace win
