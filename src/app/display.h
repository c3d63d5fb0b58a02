// The program's side of the display console: the pixel format of every frame,
// opening the console on the window, presenting one frame and the fatal error
// path that every image reader ends in.
#pragma once

#include <cstdint>

#include "platform/display_console.h"

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr int SCREEN_PIXELS = SCREEN_WIDTH * SCREEN_HEIGHT;  // 307,200
constexpr int SCREEN_PITCH = SCREEN_WIDTH * 4;               // bytes per row

// The console and its pixel format, made during start-up and kept to the end.
struct Display {
  ptc::Console* console;
  ptc::PixelFormat* format;
};

// 32 bits, red 0x00FF0000, green 0x0000FF00, blue 0x000000FF, no alpha.
ptc::PixelFormat* create_display_pixel_format();
// create_console, the options "DirectX" and "fullscreen output", open_console
// on `window` at 640 x 480 in `display.format`.
void open_display(Display& display, win::WindowHandle window);
// The program's one display, owned by display.cpp.
extern Display program_display;

// Hands one whole 640 x 480 frame to the console of `program_display` and
// shows it: a palette and a pixel format are made and released around the upload.
void present_frame(const std::uint32_t* pixels);
// Ends the process with exit code 1 after printing `message` (and `path`, when
// given) on standard error. Nothing is closed or stopped first.
[[noreturn]] void report_fatal(const char* message, const char* path = nullptr);

// destroy_console, then destroy_pixel_format of the console's format.
void destroy_display(Display& display);
