// The animated logo: ten 70 x 70 frames from numbered files, held one after
// another in one buffer and drawn at (241, 12), each for four frames.
#pragma once

#include <cstdint>
#include <memory>

struct FrameStrip {
  std::int32_t width = 0;   // frame width
  std::int32_t height = 0;  // frame height
  std::uint8_t bits_per_pixel = 0;  // not used: the frames are 32-bit
  std::unique_ptr<std::uint32_t[]> pixels;  // all frames, frame i at word 4900 * i
  std::unique_ptr<std::uint8_t[]> palette;  // not used
  std::uint32_t frame_count = 0;
  const char* name_prefix = nullptr;  // file name before the frame number
  const char* name_suffix = nullptr;  // file name after it
};

constexpr int LOGO_SIZE = 70;
constexpr int LOGO_X = 241;
constexpr int LOGO_Y = 12;
constexpr std::uint32_t LOGO_FRAME_WORDS = 70 * 70;  // 19,600 bytes
constexpr std::uint32_t LOGO_TICKS = 40;             // 10 frames x 4

// Allocates the strip's pixels and loads frames prefix0suffix ... prefix(n-1)suffix.
// A frame that cannot be loaded, or is not a 32-bit 70 x 70 picture, ends the program.
void load_frame_strip(FrameStrip& strip);
// Draws frame anim_tick / 4 at (241, 12) and advances anim_tick, wrapping at 40.
void draw_logo_frame(const FrameStrip& strip, std::uint32_t* frame, std::uint32_t& anim_tick);
