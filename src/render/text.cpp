// Caption text in the bitmap font, drawn by the slide composition. Each byte
// is one 11 x 11 cell of the font image, pasted with the keyed blit so that
// glyph pixels of value 0 let the caption panel show through.
#include "render/text.h"

#include "render/blit.h"

namespace {

constexpr int GLYPH_SIZE = 11;
constexpr int CELL_PITCH = 12;   // 11 pixels of glyph, 1 between cells in the font image
constexpr int PEN_ADVANCE = 13;  // 11 pixels of glyph, 2 between characters on screen
constexpr int LETTER_ROW = 1;
constexpr int SECOND_ROW = 12;         // digits, then the punctuation marks
constexpr int PUNCTUATION_COLUMN = 132;

// Where the cell of `c` starts in the font image, or nullptr for a byte
// without a glyph.
const std::uint32_t* glyph_cell(const std::uint32_t* font, unsigned char c) {
  int column;
  int row;
  if (c >= 'A' && c <= 'Z') {
    column = CELL_PITCH * (c - 'A');
    row = LETTER_ROW;
  } else if (c >= '0' && c <= '9') {
    column = CELL_PITCH * (c - '0');
    row = SECOND_ROW;
  } else if (c >= '\'' && c <= '/') {  // ' ( ) * + , - . /
    column = PUNCTUATION_COLUMN + CELL_PITCH * (c - '\'');
    row = SECOND_ROW;
  } else {
    return nullptr;
  }
  return font + column + FONT_IMAGE_WIDTH * row;
}

}  // namespace

void draw_text(const std::uint32_t* font, std::uint32_t* frame, const char* text, int x, int y) {
  // The pen moves on for every byte, drawn or not.
  for (int pen = x; *text != '\0'; ++text, pen += PEN_ADVANCE) {
    const std::uint32_t* cell = glyph_cell(font, static_cast<unsigned char>(*text));
    if (cell != nullptr)
      blit_keyed(cell, FONT_IMAGE_WIDTH, frame, GLYPH_SIZE, GLYPH_SIZE, pen, y + 1);
  }
}
