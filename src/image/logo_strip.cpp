// The animated logo strip: loading the numbered frames and drawing one per frame.
#include "image/logo_strip.h"

#include <cstdio>
#include <cstring>

#include "image/image.h"
#include "render/blit.h"

void load_frame_strip(FrameStrip& strip) {
  Image scratch;
  // Frames are copied and drawn in fixed 70 x 70 slots; never make a slot smaller.
  std::uint64_t frame_words = std::uint64_t(strip.width) * std::uint64_t(strip.height);
  if (frame_words < LOGO_FRAME_WORDS) frame_words = LOGO_FRAME_WORDS;
  strip.pixels.reset(new std::uint32_t[frame_words * strip.frame_count]());
  for (std::uint32_t i = 0; i < strip.frame_count; ++i) {
    char name[256];
    std::snprintf(name, sizeof name, "%s%u%s", strip.name_prefix, i, strip.name_suffix);
    // Each frame must be a 32-bit 70 x 70 picture: exactly one slot of the strip.
    load_image_checked(name, scratch, LOGO_SIZE, LOGO_SIZE);
    std::memcpy(strip.pixels.get() + LOGO_FRAME_WORDS * i, scratch.pixels.get(), LOGO_FRAME_WORDS * 4);
    scratch.pixels.reset();
  }
}

void draw_logo_frame(const FrameStrip& strip, std::uint32_t* frame, std::uint32_t& anim_tick) {
  std::uint32_t f = anim_tick / 4;
  blit_opaque(strip.pixels.get() + LOGO_FRAME_WORDS * f, frame, LOGO_SIZE, LOGO_SIZE, LOGO_X, LOGO_Y);
  if (++anim_tick == LOGO_TICKS) anim_tick = 0;
}
