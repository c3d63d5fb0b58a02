// The shapes of the show's lettering: capital letters, digits and the nine
// punctuation marks the program's font knows. The font image, the title
// lettering of the artwork and the text on screens in the photographs are
// all drawn from these shapes.
#pragma once

constexpr int GLYPH_WIDTH = 9;
constexpr int GLYPH_HEIGHT = 10;

// The ten rows of the glyph for c ('#' is ink, '.' is paper), or nullptr
// for a character without a shape (space, colon, lower case...).
const char* const* glyph_rows(char c);
