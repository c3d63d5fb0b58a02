// Plug-in points whose subsystems are still being built. Each does the least
// that lets the run go from start-up to teardown; each block goes away when
// the real operation lands.
#include <cstring>

#include "app/display.h"
#include "image/logo_strip.h"
#include "player/player_controls.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/blit.h"
#include "render/framebuffer.h"
#include "render/text.h"

// --- plug-in point: slide table ---
SlideTable slide_table;
void build_slide_table() {}

// --- plug-in point: logo strip ---
void load_frame_strip(FrameStrip& strip) {
  strip.pixels.reset(new std::uint32_t[LOGO_FRAME_WORDS * strip.frame_count]());
}
void draw_logo_frame(const FrameStrip&, std::uint32_t*, std::uint32_t& anim_tick) {
  anim_tick = (anim_tick + 1) % LOGO_TICKS;
}

// --- plug-in point: drawing ---
void draw_cursor(const std::uint32_t*, std::uint32_t*, std::uint32_t*, std::uint32_t,
                 std::uint32_t, std::uint32_t) {}
void restore_cursor(std::uint32_t*, const std::uint32_t*, std::uint32_t, std::uint32_t) {}

// --- plug-in point: slides ---
void show_first_slide() { std::memset(framebuffer, 0x20, sizeof framebuffer); }

// --- plug-in point: player controls ---
std::uint32_t current_slide = 0;
void update_player_controls() {}
