// The show: 34 slides, each a photograph and five caption lines, built into
// the program as constant data.
#pragma once

#include <cstdint>

struct Slide {
  const char* photo_path;       // "images\\....jpg", 320 x 240
  const char* caption_lines[5];  // top line first, at most 24 characters each
};

constexpr int SLIDE_TABLE_ROOM = 50;
constexpr std::uint32_t SLIDE_COUNT = 34;

struct SlideTable {
  const Slide* entries[SLIDE_TABLE_ROOM];  // 0 to 33 hold the show
};

extern SlideTable slide_table;

// Points entries 0 to 33 at the show's slides, in order.
void build_slide_table();
