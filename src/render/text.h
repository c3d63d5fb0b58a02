// Caption text in the bitmap font: 11 x 11 glyph cells taken from the font
// image (320 pixels wide), a 13-pixel pen advance for every byte.
#pragma once

#include <cstdint>

constexpr int FONT_IMAGE_WIDTH = 320;
constexpr int FONT_IMAGE_MIN_HEIGHT = 23;

// Draws `text` with character j's cell at (x + 13 * j, y + 1). Capital
// letters, digits and ' ( ) * + , - . / have glyphs; every other byte draws
// nothing but still advances. Glyph pixels of value 0 are transparent.
void draw_text(const std::uint32_t* font, std::uint32_t* frame, const char* text, int x, int y);
