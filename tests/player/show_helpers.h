// What the player tests compare frames with: the decoded artwork and
// photographs of the built-in show, and block comparisons that can leave
// the cursor's rectangle out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/image.h"

namespace show {

// A decoded picture of the built-in show, by its program path ("images\\x.tga").
const Image& picture(const std::string& program_path);

// The slide whose photograph fills the photo area of `frame`, or -1.
int slide_on_screen(const std::uint32_t* frame);

// A screen rectangle, and an optional one to leave out (the cursor).
struct Rect {
  int x, y, w, h;
};

// True when the w x h block of `frame` at (x, y) equals `image` (packed,
// stride w), leaving out the pixels inside `skip`.
bool block_equals(const std::uint32_t* frame, const Rect& block, const std::uint32_t* image,
                  const Rect& skip = {0, 0, 0, 0});
// The same, against the same rectangle of a 640 x 480 surface.
bool region_equals(const std::uint32_t* frame, const Rect& block, const std::uint32_t* surface,
                   const Rect& skip = {0, 0, 0, 0});

// The cursor's rectangle at a pointer position, after the clamp.
Rect cursor_rect(int x, int y);

}  // namespace show
