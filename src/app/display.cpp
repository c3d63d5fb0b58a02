// Presenting frames through the display console, and the fatal error path.
#include "app/display.h"

#include <cstdio>

#include "platform/process.h"

Display program_display{nullptr, nullptr};

namespace {
constexpr std::uint32_t RED_MASK = 0x00FF0000u;
constexpr std::uint32_t GREEN_MASK = 0x0000FF00u;
constexpr std::uint32_t BLUE_MASK = 0x000000FFu;
}  // namespace

ptc::PixelFormat* create_display_pixel_format() {
  ptc::acquire_component();
  return ptc::create_pixel_format(32, RED_MASK, GREEN_MASK, BLUE_MASK, 0);
}

void open_display(Display& display, win::WindowHandle window) {
  ptc::acquire_component();
  display.console = ptc::create_console();
  ptc::set_console_option(display.console, "DirectX");
  ptc::set_console_option(display.console, "fullscreen output");
  ptc::open_console(display.console, window, SCREEN_WIDTH, SCREEN_HEIGHT, display.format, 0);
}

void present_frame(const std::uint32_t* pixels) {
  ptc::acquire_component();
  ptc::Palette* palette = ptc::create_palette();
  ptc::PixelFormat* format = create_display_pixel_format();
  ptc::upload_frame(program_display.console, pixels, SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_PITCH,
                    format, palette);
  ptc::destroy_pixel_format(format);
  ptc::destroy_palette(palette);
  ptc::show_frame(program_display.console);
}

void report_fatal(const char* message, const char* path) {
  ptc::acquire_component();
  ptc::destroy_error(ptc::create_error(message));
  if (path != nullptr)
    std::fprintf(stderr, "%s: %s\n", message, path);
  else
    std::fprintf(stderr, "%s\n", message);
  end_process(1);
}

void destroy_display(Display& display) {
  ptc::destroy_console(display.console);
  ptc::destroy_pixel_format(display.format);
  display.console = nullptr;
  display.format = nullptr;
}
