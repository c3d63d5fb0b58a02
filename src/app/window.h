// The program's window and its input: the window procedure reduces keyboard,
// mouse and close requests to two flags, and sample_cursor reads the pointer
// once per frame.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

// Set to 1 by Escape, a close request or the quit zone; never cleared.
extern std::uint8_t quit_requested;
// Set to 1 when the left button is released; cleared by the controls when
// they use the click and by the frame loop every frame.
extern std::uint8_t click_pending;
// The pointer of this frame, clamped to 0-629 and 0-460 so that the 11 x 19
// cursor stays inside the frame.
extern std::uint32_t cursor_x;
extern std::uint32_t cursor_y;

constexpr std::uint32_t CURSOR_MAX_X = 629;
constexpr std::uint32_t CURSOR_MAX_Y = 460;

// Registers the window class, creates the full-screen window titled
// "WndProc example" and shows it. Throws ptc::DynamicError with "could not
// create window" when no window can be made.
win::WindowHandle create_program_window(win::InstanceHandle instance, int show_command);

// Escape and close requests set quit_requested, a left-button release sets
// click_pending, destroy posts a quit message; the rest goes to the default.
win::LResult window_procedure(win::WindowHandle window, std::uint32_t message, win::WParam wparam,
                              win::LParam lparam);

// Reads the pointer into cursor_x and cursor_y, each clamped as an unsigned
// number (so a negative coordinate clamps to the maximum) from its own query.
void sample_cursor();
