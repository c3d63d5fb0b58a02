// The player's per-frame step: hover and idle images of the five buttons,
// clicks, slide changes, autoplay, the credits panel and the quit zone.
#pragma once

#include <cstdint>

// The slide on screen, 0 to 33.
extern std::uint32_t current_slide;

// Hover, click, autoplay, credits and quit handling for this frame, from
// cursor_x, cursor_y and click_pending.
void update_player_controls();
