// The player's per-frame step: hover and idle images of the five buttons,
// clicks, slide changes, autoplay, the credits panel and the quit zone.
#pragma once

#include <cstdint>

// The slide on screen, 0 to 33.
extern std::uint32_t current_slide;

// Zones under the cursor; the quit zone has no number.
enum HoverZone : std::uint8_t { ZONE_NONE, ZONE_PLAY, ZONE_RWD, ZONE_FWD, ZONE_STOP, ZONE_HELP };

// The rest of the controls' state, kept for the whole run.
struct PlayerControls {
  std::uint8_t hover_zone = ZONE_NONE;           // zone under the cursor this frame
  std::uint8_t previous_hover_zone = ZONE_NONE;  // and in the frame before
  std::uint8_t autoplay_on = 0;                  // the show advances by itself
  std::uint32_t autoplay_frames = 0;             // frames since the last automatic step
  std::uint8_t help_clicks = 0;                  // 0, 1 or 2 since the panel was last taken away
};

extern PlayerControls player_controls;

// Frames of autoplay after which the show steps on by itself (181st frame).
constexpr std::uint32_t AUTOPLAY_INTERVAL = 180;

// Hover, click, autoplay, credits and quit handling for this frame, from
// cursor_x, cursor_y and click_pending.
void update_player_controls();
