// The generated show's artwork: every file is of the size and depth the
// program draws it at, the font has the glyphs the captions need, the keyed
// images are transparent and opaque where they should be, and the images
// drawn over the player background match it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "app/catalogue.h"
#include "player/slide_table.h"
#include "show_reading.h"

using namespace show_reading;

namespace {

bool ends_with(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

Picture load(const std::string& program_path) {
  return ends_with(program_path, ".jpg") ? read_jpeg(disk_path(program_path)) : read_tga32(disk_path(program_path));
}

struct Block {
  const char* idle;
  const char* hover;
  const char* third;  // autoplay for play, the never-drawn pressed look for the others
  int x, y, w, h;
};

// The five button blocks of the player screen.
const Block blocks[5] = {
    {"images\\play_click.tga", "images\\play_over.tga", "images\\play.tga", 360, 217, 57, 50},
    {"images\\rwd_click.tga", "images\\rwd_over.tga", "images\\rwd.tga", 365, 267, 56, 49},
    {"images\\fwd_click.tga", "images\\fwd_over.tga", "images\\fwd.tga", 352, 316, 61, 48},
    {"images\\stop.tga", "images\\stop_over.tga", "images\\stop_click.tga", 347, 364, 53, 48},
    {"images\\help.tga", "images\\help_over.tga", "images\\help_click.tga", 351, 413, 58, 49},
};

// Mean absolute difference per channel between two pictures of one size.
double mean_difference(const Picture& a, const Picture& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i)
    for (int shift = 0; shift < 24; shift += 8)
      sum += std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xff) - static_cast<int>((b.pixels[i] >> shift) & 0xff));
  return sum / (a.pixels.size() * 3.0);
}

}  // namespace

TEST(ContentFiles, EveryCatalogueFileHasTheSizeItIsDrawnAt) {
  for (const ArtworkFile& file : artwork_files) {
    SCOPED_TRACE(file.path);
    Picture p = load(file.path);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.depth, 32);
    int w = file.width, h = file.height;
    for (const Block& b : blocks)  // files loaded but never drawn still have their block's size
      if (std::strcmp(file.path, b.third) == 0) w = b.w, h = b.h;
    if (std::strcmp(file.path, "images\\fonte.tga") == 0) {
      EXPECT_EQ(p.width, 320);
      EXPECT_GE(p.height, 23);
    } else {
      EXPECT_EQ(p.width, w);
      EXPECT_EQ(p.height, h);
    }
  }
}

TEST(ContentFiles, LogoFramesAreSeventyByTwentyBitTga) {
  for (int i = 0; i < 10; ++i) {
    std::string path = "images\\01000" + std::to_string(i) + ".tga";
    SCOPED_TRACE(path);
    Picture p = read_tga32(disk_path(path));
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.width, 70);
    EXPECT_EQ(p.height, 70);
  }
}

TEST(ContentFont, EveryCharacterOfTheCaptionsHasAGlyph) {
  Picture font = read_tga32(disk_path("images\\fonte.tga"));
  ASSERT_TRUE(font.ok);
  build_slide_table();
  std::set<char> used;
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k)
    for (const char* line : slide_table.entries[k]->caption_lines)
      for (const char* c = line; *c != 0; ++c) used.insert(*c);
  int checked = 0;
  for (char c : used) {
    int x, y;
    if (c >= 'A' && c <= 'Z')
      x = 12 * (c - 'A'), y = 1;
    else if (c >= '0' && c <= '9')
      x = 12 * (c - '0'), y = 12;
    else if (c >= '\'' && c <= '/')
      x = 132 + 12 * (c - '\''), y = 12;
    else
      continue;  // space, colon and tab draw nothing by design
    int ink = 0;
    for (int j = 0; j < 11; ++j)
      for (int i = 0; i < 11; ++i) ink += font.at(x + i, y + j) != 0;
    EXPECT_GE(ink, 4) << "glyph of '" << c << "'";
    ++checked;
  }
  EXPECT_GE(checked, 36);  // all letters and digits at least
}

TEST(ContentFont, GlyphsStayInsideTheirCells) {
  // The columns between cells and the row above the letters are never read:
  // ink there would be a glyph cut off.
  Picture font = read_tga32(disk_path("images\\fonte.tga"));
  ASSERT_TRUE(font.ok);
  for (int y = 0; y < font.height; ++y)
    for (int x = 0; x < font.width; ++x) {
      bool in_letter = y >= 1 && y <= 11 && x < 311 && x % 12 != 11;
      bool in_digit = y >= 12 && y <= 22 && x < 119 && x % 12 != 11;
      bool in_mark = y >= 12 && y <= 22 && x >= 132 && x < 239 && (x - 132) % 12 != 11;
      if (!in_letter && !in_digit && !in_mark) {
        EXPECT_EQ(font.at(x, y), 0u) << x << "," << y;
      }
    }
}

TEST(ContentFiles, CursorHasATransparentKeyAndADarkOpaqueOutline) {
  Picture cursor = read_tga32(disk_path("images\\souris.tga"));
  ASSERT_TRUE(cursor.ok);
  EXPECT_EQ(cursor.at(10, 0), 0u);   // top-right: beside the arrow
  EXPECT_EQ(cursor.at(0, 18), 0u);   // bottom-left: under the arrow
  EXPECT_NE(cursor.at(0, 0), 0u);    // the tip, the pointer's hot spot
  EXPECT_NE(cursor.at(2, 5), 0u);    // inside the arrow
  for (int y = 0; y < cursor.height; ++y)
    for (int x = 0; x < cursor.width; ++x) {
      std::uint32_t p = cursor.at(x, y);
      if (p == 0) continue;
      EXPECT_NE(p >> 24, 0u) << "opaque pixel with a zero fourth byte at " << x << "," << y;
      bool edge = x == 0 || y == 0 || x == cursor.width - 1 || y == cursor.height - 1 || cursor.at(x - 1, y) == 0 ||
                  cursor.at(x + 1, y) == 0 || cursor.at(x, y - 1) == 0 || cursor.at(x, y + 1) == 0;
      int brightness = ((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff);
      if (edge) {
        EXPECT_LT(brightness, 120) << "outline pixel " << x << "," << y << " is not dark";
      }
    }
}

TEST(ContentFiles, CornerSpriteIsKeyedAroundItsRibbon) {
  Picture corner = read_tga32(disk_path("images\\bout.tga"));
  ASSERT_TRUE(corner.ok);
  EXPECT_EQ(corner.at(0, 0), 0u);
  EXPECT_EQ(corner.at(0, 24), 0u);
  EXPECT_EQ(corner.at(7, 24), 0u);  // the notch at the ribbon's end
  EXPECT_NE(corner.at(7, 5), 0u);
  EXPECT_NE(corner.at(7, 15), 0u);
}

TEST(ContentButtons, IdleImagesAreTheBackgroundsOwnPixels) {
  Picture background = read_jpeg(disk_path("images\\interface.jpg"));
  ASSERT_TRUE(background.ok);
  for (const Block& b : blocks) {
    SCOPED_TRACE(b.idle);
    Picture idle = read_tga32(disk_path(b.idle));
    ASSERT_TRUE(idle.ok);
    for (int y = 0; y < b.h; ++y)
      for (int x = 0; x < b.w; ++x)
        ASSERT_EQ(idle.at(x, y) & 0xffffff, background.at(b.x + x, b.y + y)) << x << "," << y;
  }
}

TEST(ContentButtons, HoverAndAutoplayImagesReadAsSuchAndKeepTheBlockEdges) {
  for (const Block& b : blocks) {
    SCOPED_TRACE(b.hover);
    Picture idle = read_tga32(disk_path(b.idle));
    Picture hover = read_tga32(disk_path(b.hover));
    Picture third = read_tga32(disk_path(b.third));
    ASSERT_TRUE(idle.ok && hover.ok && third.ok);
    EXPECT_GT(mean_difference(idle, hover), 8.0);
    EXPECT_GT(mean_difference(idle, third), 4.0);
    EXPECT_GT(mean_difference(hover, third), 4.0);
    // The corners of the block are background in every look.
    for (const Picture* p : {&hover, &third})
      for (auto [x, y] : {std::pair{0, 0}, std::pair{b.w - 1, 0}, std::pair{0, b.h - 1}, std::pair{b.w - 1, b.h - 1}})
        EXPECT_EQ(p->at(x, y), idle.at(x, y));
  }
}

TEST(ContentLogo, FramesSitOnTheBackgroundAndLoopWithoutAJump) {
  Picture background = read_jpeg(disk_path("images\\interface.jpg"));
  ASSERT_TRUE(background.ok);
  std::vector<Picture> frames;
  for (int i = 0; i < 10; ++i) frames.push_back(read_tga32(disk_path("images\\01000" + std::to_string(i) + ".tga")));
  for (const Picture& f : frames) {
    ASSERT_TRUE(f.ok);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{69, 0}, std::pair{0, 69}, std::pair{69, 69}})
      EXPECT_EQ(f.at(x, y) & 0xffffff, background.at(241 + x, 12 + y));
  }
  double largest_step = 0, smallest_step = 1e9;
  for (int i = 0; i < 10; ++i) {
    double step = mean_difference(frames[i], frames[(i + 1) % 10]);
    largest_step = std::max(largest_step, step);
    smallest_step = std::min(smallest_step, step);
  }
  EXPECT_GT(smallest_step, 0.1);                  // every frame moves
  EXPECT_LT(largest_step, smallest_step * 2.0);  // and the step from 9 back to 0 is like the others
}
