// The program's window, its window procedure and the per-frame pointer sample.
#include "app/window.h"

#include "platform/display_console.h"

std::uint8_t quit_requested = 0;
std::uint8_t click_pending = 0;
std::uint32_t cursor_x = 0;
std::uint32_t cursor_y = 0;

namespace {
constexpr const char* WINDOW_CLASS_NAME = "WNDPROC_EXAMPLE_WINDOW";
constexpr const char* WINDOW_TITLE = "WndProc example";
}  // namespace

win::WindowHandle create_program_window(win::InstanceHandle instance, int show_command) {
  int screen_width = win::get_system_metrics(win::METRIC_SCREEN_WIDTH);
  int screen_height = win::get_system_metrics(win::METRIC_SCREEN_HEIGHT);

  win::WindowClass window_class{};
  window_class.style = win::CLASS_HREDRAW | win::CLASS_VREDRAW;
  window_class.procedure = window_procedure;
  window_class.instance = instance;
  // The program carries no icon under this name, so the class gets none and
  // the system shows its default.
  window_class.icon = win::load_icon(instance, "IDI_MAIN");
  window_class.cursor = win::load_arrow_cursor();
  window_class.class_name = WINDOW_CLASS_NAME;
  // A failed registration shows up as a failed creation below.
  win::register_window_class(window_class);

  win::WindowHandle window =
      win::create_window(0, WINDOW_CLASS_NAME, WINDOW_TITLE, win::STYLE_OVERLAPPEDWINDOW, 0, 0,
                         screen_width, screen_height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    ptc::acquire_component();
    throw ptc::DynamicError(ptc::create_error("could not create window"));
  }
  win::show_window(window, show_command);
  return window;
}

win::LResult window_procedure(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                              win::LParam lparam) {
  switch (message) {
    case win::MSG_KEYDOWN:
      if (wparam == win::KEY_ESCAPE) quit_requested = 1;
      return 0;
    case win::MSG_CLOSE:
      // The window stays; the run ends through the exit fade.
      quit_requested = 1;
      return 0;
    case win::MSG_LBUTTONUP:
      click_pending = 1;
      return 0;
    case win::MSG_DESTROY:
      win::post_quit_message(0);
      return 0;
    default:
      return win::default_window_procedure(window, message, wparam, lparam);
  }
}

void sample_cursor() {
  win::Point point{};
  std::uint32_t x = win::get_cursor_pos(&point) ? static_cast<std::uint32_t>(point.x) : 0;
  cursor_x = x > CURSOR_MAX_X ? CURSOR_MAX_X : x;
  point = win::Point{};
  std::uint32_t y = win::get_cursor_pos(&point) ? static_cast<std::uint32_t>(point.y) : 0;
  cursor_y = y > CURSOR_MAX_Y ? CURSOR_MAX_Y : y;
}
