// Slide composition on the player screen: the caption panel at (30, 105),
// 320 x 180, and the photograph at (21, 221), 320 x 240, with the corner sprite.
#pragma once

#include <cstdint>

#include "player/slide_table.h"

// Loads the slide's photograph, restores the caption panel from `background`,
// draws the five lines, copies the photograph and puts the corner sprite on
// it, then releases the photograph.
void compose_slide(const Slide& slide, const std::uint32_t* background, std::uint32_t* frame,
                   const std::uint32_t* font, const std::uint32_t* corner_sprite);
// The whole player background into the framebuffer, then slide 0.
void show_first_slide();
