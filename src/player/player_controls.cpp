// The player controls: five buttons to the right of the photograph, the
// credits panel, the autoplay timer and the invisible quit zone.
#include "player/player_controls.h"

#include "app/catalogue.h"
#include "app/window.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/blit.h"
#include "render/framebuffer.h"

std::uint32_t current_slide = 0;
PlayerControls player_controls;

namespace {

// A hot zone: the cursor is in it when left < x < right and top < y < bottom.
struct Zone {
  std::uint32_t left, right, top, bottom;
};

// Where a button is drawn and which artwork it shows.
struct Button {
  Zone zone;
  int x, y, width, height;
  ArtworkIndex hover_image;
  ArtworkIndex idle_image;
};

// Indexed by zone number - 1: play, rwd, fwd, stop, help.
constexpr Button BUTTONS[5] = {
    {{362, 413, 223, 263}, 360, 217, 57, 50, ART_PLAY_OVER, ART_PLAY_CLICK},
    {{373, 414, 271, 312}, 365, 267, 56, 49, ART_RWD_OVER, ART_RWD_CLICK},
    {{364, 403, 320, 361}, 352, 316, 61, 48, ART_FWD_OVER, ART_FWD_CLICK},
    {{353, 396, 369, 408}, 347, 364, 53, 48, ART_STOP_OVER, ART_STOP},
    {{356, 405, 419, 459}, 351, 413, 58, 49, ART_HELP_OVER, ART_HELP},
};
constexpr Zone QUIT_ZONE = {600, 640, 440, 480};

constexpr int CREDITS_X = 427;
constexpr int CREDITS_Y = 106;
constexpr int CREDITS_WIDTH = 198;
constexpr int CREDITS_HEIGHT = 265;

bool in_zone(const Zone& zone, std::uint32_t x, std::uint32_t y) {
  return zone.left < x && x < zone.right && zone.top < y && y < zone.bottom;
}

void draw_button(int zone_number, ArtworkIndex image) {
  const Button& button = BUTTONS[zone_number - 1];
  blit_opaque(artwork_pixels(image), framebuffer, button.width, button.height, button.x, button.y);
}

void compose_current_slide() {
  compose_slide(*slide_table.entries[current_slide], artwork_pixels(ART_BACKGROUND), framebuffer,
                artwork_pixels(ART_FONT), artwork_pixels(ART_CORNER));
}

// Play, fwd and the timer go down the table: 0, 33, 32, ... 1, 0.
void step_down() {
  current_slide = current_slide == 0 ? SLIDE_COUNT - 1 : current_slide - 1;
  compose_current_slide();
}

// rwd goes back up to the slide shown before.
void step_up() {
  current_slide = current_slide == SLIDE_COUNT - 1 ? 0 : current_slide + 1;
  compose_current_slide();
}

void draw_credits() {
  blit_opaque(artwork_pixels(ART_CREDITS), framebuffer, CREDITS_WIDTH, CREDITS_HEIGHT, CREDITS_X,
              CREDITS_Y);
}

void take_credits_away() {
  copy_region(artwork_pixels(ART_BACKGROUND), framebuffer, CREDITS_X, CREDITS_Y, CREDITS_WIDTH,
              CREDITS_HEIGHT);
}

// Takes the pending click, if there is one.
bool use_click() {
  if (click_pending != 1) return false;
  click_pending = 0;
  return true;
}

}  // namespace

void update_player_controls() {
  PlayerControls& c = player_controls;
  const std::uint32_t x = cursor_x, y = cursor_y;

  c.previous_hover_zone = c.hover_zone;
  c.hover_zone = ZONE_NONE;

  // The panel shown by a second help click goes one frame later, with any click of this frame.
  if (c.help_clicks == 2) {
    take_credits_away();
    click_pending = 0;
    c.help_clicks = 0;
  }

  if (in_zone(BUTTONS[ZONE_PLAY - 1].zone, x, y)) {
    c.hover_zone = ZONE_PLAY;
    if (use_click()) {
      c.autoplay_on = 1;
      step_down();
    }
  } else if (in_zone(BUTTONS[ZONE_RWD - 1].zone, x, y)) {
    c.hover_zone = ZONE_RWD;
    if (c.autoplay_on != 1 && use_click()) step_up();
  } else if (in_zone(BUTTONS[ZONE_FWD - 1].zone, x, y)) {
    c.hover_zone = ZONE_FWD;
    if (c.autoplay_on != 1 && use_click()) step_down();
  } else if (in_zone(BUTTONS[ZONE_STOP - 1].zone, x, y)) {
    c.hover_zone = ZONE_STOP;
    if (use_click()) {
      c.autoplay_on = 0;
      draw_button(ZONE_PLAY, BUTTONS[ZONE_PLAY - 1].idle_image);
    }
  } else if (in_zone(BUTTONS[ZONE_HELP - 1].zone, x, y)) {
    c.hover_zone = ZONE_HELP;
    if (use_click()) {
      draw_credits();
      ++c.help_clicks;
    }
  } else if (in_zone(QUIT_ZONE, x, y)) {
    if (use_click()) quit_requested = 1;
  }

  if (c.hover_zone != ZONE_NONE) draw_button(c.hover_zone, BUTTONS[c.hover_zone - 1].hover_image);
  if (c.previous_hover_zone != ZONE_NONE && c.previous_hover_zone != c.hover_zone)
    draw_button(c.previous_hover_zone, BUTTONS[c.previous_hover_zone - 1].idle_image);

  if (c.autoplay_on == 1) {
    draw_button(ZONE_PLAY, ART_PLAY);
    if (++c.autoplay_frames > AUTOPLAY_INTERVAL) {
      step_down();
      c.autoplay_frames = 0;
    }
  }
}
