// The picture being built and the pixels under the cursor. Both are made
// before the run starts and kept until the process ends.
#pragma once

#include <cstdint>

constexpr int FRAME_WIDTH = 640;
constexpr int FRAME_HEIGHT = 480;
constexpr int FRAME_PIXELS = FRAME_WIDTH * FRAME_HEIGHT;

constexpr int CURSOR_WIDTH = 11;
constexpr int CURSOR_HEIGHT = 19;

// 640 x 480 pixels, rows top first, pitch 640; pixel (x, y) is x + 640 * y.
// Each pixel is blue in bits 0-7, green 8-15, red 16-23, bits 24-31 not shown.
extern std::uint32_t framebuffer[FRAME_PIXELS];
// The 11 x 19 pixels the last cursor draw covered, 11 per row, top row first.
extern std::uint32_t cursor_save_under[CURSOR_WIDTH * CURSOR_HEIGHT];
