// Caption text: which font cell each byte draws, where the pen puts it, and
// that glyph pixels of value 0 let the frame show through.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "render/framebuffer.h"
#include "render/text.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr int FONT_HEIGHT = 23;  // the least height, so a read below it is caught
constexpr int GLYPH = 11;

// A font image whose every pixel tells where it came from, with transparent
// (0) pixels and black pixels that carry only a fourth byte sprinkled in.
Pixels make_font() {
  Pixels font(FONT_IMAGE_WIDTH * FONT_HEIGHT);
  for (int r = 0; r < FONT_HEIGHT; ++r)
    for (int c = 0; c < FONT_IMAGE_WIDTH; ++c) {
      std::uint32_t p = 0x00800000u | static_cast<std::uint32_t>(r << 9 | c);
      if ((c + 2 * r) % 7 == 0) p = 0;
      if ((c + 3 * r) % 11 == 0) p = 0xFF000000u;
      font[FONT_IMAGE_WIDTH * r + c] = p;
    }
  return font;
}

Pixels make_background() {
  Pixels frame(FRAME_PIXELS);
  for (std::size_t i = 0; i < frame.size(); ++i)
    frame[i] = 0x00224466u + static_cast<std::uint32_t>(i % 9973);
  return frame;
}

// One glyph cell the text must draw: its top-left in the font image and the
// frame column its top-left lands on (its row is always y + 1).
struct Cell {
  int font_column, font_row, frame_x;
};

struct TextCase {
  const char* name;
  std::string text;
  int x, y;
  std::vector<Cell> cells;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class DrawText : public ::testing::TestWithParam<TextCase> {};

TEST_P(DrawText, DrawsExactlyTheCellsOfItsGlyphs) {
  const TextCase& c = GetParam();
  const Pixels font = make_font();
  Pixels expected = make_background();
  for (const Cell& cell : c.cells)
    for (int j = 0; j < GLYPH; ++j)
      for (int i = 0; i < GLYPH; ++i) {
        const std::uint32_t p =
            font[FONT_IMAGE_WIDTH * (cell.font_row + j) + cell.font_column + i];
        if (p != 0) expected[cell.frame_x + i + FRAME_WIDTH * (c.y + 1 + j)] = p;
      }

  Pixels frame = make_background();
  draw_text(font.data(), frame.data(), c.text.c_str(), c.x, c.y);

  int wrong = 0;
  for (std::size_t i = 0; i < frame.size(); ++i)
    if (frame[i] != expected[i] && ++wrong <= 5)
      ADD_FAILURE() << "pixel " << i % FRAME_WIDTH << "," << i / FRAME_WIDTH << " is " << std::hex
                    << frame[i] << ", expected " << expected[i];
  EXPECT_EQ(wrong, 0);
}

std::string name_of(const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawText,
    ::testing::Values(
        TextCase{"LetterThenDigit", "A1", 100, 50, {{0, 1, 100}, {12, 12, 113}}},
        TextCase{"LastLetterAndDigit", "Z9", 0, 0, {{300, 1, 0}, {108, 12, 13}}},
        TextCase{"Apostrophe", "'", 7, 300, {{132, 12, 7}}},
        TextCase{"Solidus", "/", 7, 300, {{228, 12, 7}}},
        TextCase{"SpaceAdvances", " A", 40, 60, {{0, 1, 53}}},
        TextCase{"TabAdvances", "\tA", 40, 60, {{0, 1, 53}}},
        TextCase{"ColonAdvances", ":A", 40, 60, {{0, 1, 53}}},
        TextCase{"AmpersandAdvances", "&A", 40, 60, {{0, 1, 53}}},
        TextCase{"LowerCaseAdvances", "aA", 40, 60, {{0, 1, 53}}},
        TextCase{"Byte128Advances", "\x80" "A", 40, 60, {{0, 1, 53}}},
        TextCase{"Byte255Advances", "\xFF" "A", 40, 60, {{0, 1, 53}}},
        TextCase{"Empty", "", 40, 60, {}},
        // The last of 24 characters at x = 30 covers columns 329 to 339.
        TextCase{"TwentyFourCharacters",
                 "A" + std::string(22, ' ') + "Z",
                 30,
                 400,
                 {{0, 1, 30}, {300, 1, 329}}},
        TextCase{"AtTheBottomRight", "(-)", 601, 468, {{144, 12, 601}, {204, 12, 614},
                                                      {156, 12, 627}}}),
    name_of);

}  // namespace
