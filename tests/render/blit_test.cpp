// The framebuffer's drawing operations: which pixels each one writes, the
// key test of the keyed blits, and the cursor's save-under round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "render/blit.h"
#include "render/framebuffer.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

// `n` distinct, non-zero pixels that differ from any other `seed`'s.
Pixels pattern(std::size_t n, std::uint32_t seed) {
  Pixels pixels(n);
  for (std::size_t i = 0; i < n; ++i)
    pixels[i] = ((static_cast<std::uint32_t>(i) * 2654435761u) ^ (seed * 0x9E3779B9u)) | 1u;
  return pixels;
}

Pixels screen(std::uint32_t seed) { return pattern(FRAME_PIXELS, seed); }

std::size_t at(int x, int y) { return static_cast<std::size_t>(x) + FRAME_WIDTH * y; }

bool inside(int px, int py, int x, int y, int w, int h) {
  return px >= x && px < x + w && py >= y && py < y + h;
}

// Every pixel outside the w x h rectangle at (x, y) is as it was.
void expect_untouched_outside(const Pixels& before, const Pixels& after, int x, int y, int w,
                              int h) {
  int stray = 0;
  for (int py = 0; py < FRAME_HEIGHT; ++py)
    for (int px = 0; px < FRAME_WIDTH; ++px)
      if (!inside(px, py, x, y, w, h) && after[at(px, py)] != before[at(px, py)]) ++stray;
  EXPECT_EQ(stray, 0) << "pixels written outside " << w << "x" << h << " at " << x << "," << y;
}

struct Rect {
  int x, y, w, h;
};

class BlockCopy : public ::testing::TestWithParam<Rect> {};

TEST_P(BlockCopy, BlitOpaqueAndCopyRegionWriteExactlyTheirRectangle) {
  const Rect r = GetParam();
  const Pixels background = screen(1);

  // blit_opaque: a packed block of exactly w x h, so a read past it is caught.
  const Pixels block = pattern(static_cast<std::size_t>(r.w) * r.h, 2);
  Pixels frame = background;
  blit_opaque(block.data(), frame.data(), r.w, r.h, r.x, r.y);
  expect_untouched_outside(background, frame, r.x, r.y, r.w, r.h);
  for (int j = 0; j < r.h; ++j)
    for (int i = 0; i < r.w; ++i)
      ASSERT_EQ(frame[at(r.x + i, r.y + j)], block[static_cast<std::size_t>(r.w) * j + i])
          << "blit_opaque at block pixel " << i << "," << j;

  // copy_region: the same rectangle of a full-screen surface, same place.
  const Pixels surface = screen(3);
  frame = background;
  copy_region(surface.data(), frame.data(), r.x, r.y, r.w, r.h);
  expect_untouched_outside(background, frame, r.x, r.y, r.w, r.h);
  for (int j = 0; j < r.h; ++j)
    for (int i = 0; i < r.w; ++i)
      ASSERT_EQ(frame[at(r.x + i, r.y + j)], surface[at(r.x + i, r.y + j)])
          << "copy_region at " << r.x + i << "," << r.y + j;
}

INSTANTIATE_TEST_SUITE_P(Rectangles, BlockCopy,
                         ::testing::Values(Rect{0, 0, 1, 1}, Rect{10, 20, 70, 70},
                                           Rect{20, 219, 320, 240}, Rect{569, 409, 71, 71},
                                           Rect{639, 0, 1, 480}, Rect{0, 0, 640, 480}));

TEST(CopyPixels, CopiesExactlyCountPixelsAndNothingForZero) {
  const Pixels source = pattern(8, 4);
  const Pixels original = pattern(8, 5);
  Pixels destination = original;
  copy_pixels(source.data(), destination.data(), 0);
  EXPECT_EQ(destination, original);

  copy_pixels(source.data(), destination.data(), 5);
  for (std::size_t i = 0; i < 8; ++i)
    EXPECT_EQ(destination[i], i < 5 ? source[i] : original[i]) << "pixel " << i;

  const Pixels surface = screen(6);
  Pixels frame = screen(7);
  copy_screen(surface.data(), frame.data());
  EXPECT_EQ(frame, surface);
}

TEST(BlitKeyed, AnAllZeroSourceChangesNothing) {
  const Pixels background = screen(8);
  const Pixels zeros(320 * 30, 0);
  Pixels frame = background;
  blit_keyed(zeros.data(), 320, frame.data(), 300, 30, 100, 200);
  EXPECT_EQ(frame, background);
}

TEST(BlitKeyed, DrawsEveryNonZeroPixelWithItsFourthByte) {
  // One row of a wider source (stride 5, width 4), with a zero, a black pixel
  // that has only its undisplayed byte set, and a pixel that differs from the
  // zero key in that byte alone.
  const Pixels source = {0x00000000u, 0xFF000000u, 0x01000000u, 0x00123456u, 0xDEADBEEFu};
  const Pixels background = screen(9);
  Pixels frame = background;
  blit_keyed(source.data(), 5, frame.data(), 4, 1, 50, 60);
  EXPECT_EQ(frame[at(50, 60)], background[at(50, 60)]);
  EXPECT_EQ(frame[at(51, 60)], 0xFF000000u);
  EXPECT_EQ(frame[at(52, 60)], 0x01000000u);
  EXPECT_EQ(frame[at(53, 60)], 0x00123456u);
  expect_untouched_outside(background, frame, 50, 60, 4, 1);
}

TEST(CornerSprite, DrawsItsKeyedBlockAtTheFixedPlaceOnly) {
  Pixels sprite = pattern(15 * 25, 10);  // exactly the sprite, so an overread is caught
  for (std::size_t i = 0; i < sprite.size(); i += 4) sprite[i] = 0;
  const Pixels background = screen(11);
  Pixels frame = background;
  draw_corner_sprite(frame.data(), sprite.data());
  expect_untouched_outside(background, frame, 326, 221, 15, 25);
  for (int j = 0; j < 25; ++j)
    for (int i = 0; i < 15; ++i) {
      const std::uint32_t p = sprite[15 * j + i];
      ASSERT_EQ(frame[at(326 + i, 221 + j)], p != 0 ? p : background[at(326 + i, 221 + j)])
          << "sprite pixel " << i << "," << j;
    }
}

// --- the cursor ---

constexpr int CURSOR_PIXELS = CURSOR_WIDTH * CURSOR_HEIGHT;

TEST(Cursor, KeyZeroPixelsAreSkippedAndBlackWithAFourthByteIsDrawn) {
  Pixels cursor = pattern(CURSOR_PIXELS, 12);
  cursor[0] = 0;              // transparent
  cursor[11 * 5 + 3] = 0;     // transparent
  cursor[11 * 7 + 2] = 0xFF000000u;  // black, but not 0 in all four bytes
  cursor[11 * 18 + 10] = 0x01000000u;
  const int x = 200, y = 150;
  const Pixels background = screen(13);
  Pixels frame = background;
  Pixels save(CURSOR_PIXELS, 0xCCCCCCCCu);

  draw_cursor(cursor.data(), frame.data(), save.data(), 0, x, y);
  expect_untouched_outside(background, frame, x, y, CURSOR_WIDTH, CURSOR_HEIGHT);
  for (int j = 0; j < CURSOR_HEIGHT; ++j)
    for (int i = 0; i < CURSOR_WIDTH; ++i) {
      const std::uint32_t under = background[at(x + i, y + j)];
      const std::uint32_t p = cursor[CURSOR_WIDTH * j + i];
      // The whole rectangle is saved, the pixels that stay visible as well.
      ASSERT_EQ(save[CURSOR_WIDTH * j + i], under) << "saved pixel " << i << "," << j;
      ASSERT_EQ(frame[at(x + i, y + j)], p != 0 ? p : under) << "drawn pixel " << i << "," << j;
    }
  EXPECT_EQ(frame[at(x + 2, y + 7)], 0xFF000000u);
  EXPECT_EQ(frame[at(x, y)], background[at(x, y)]);

  restore_cursor(frame.data(), save.data(), x, y);
  EXPECT_EQ(frame, background);
}

class CursorAtTheCorner : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(CursorAtTheCorner, ChangesOnlyItsRectangleAndRestoresExactly) {
  const std::uint32_t key = GetParam();
  Pixels cursor = pattern(CURSOR_PIXELS, 14);
  cursor[11 * 9 + 4] = key;  // one pixel the draw skips, whatever the key
  const Pixels background = screen(15);
  Pixels frame = background;
  Pixels save(CURSOR_PIXELS);

  draw_cursor(cursor.data(), frame.data(), save.data(), key, 629, 460);
  expect_untouched_outside(background, frame, 629, 460, CURSOR_WIDTH, CURSOR_HEIGHT);
  for (int px = 629; px <= 639; ++px) EXPECT_EQ(frame[at(px, 479)], background[at(px, 479)]);
  int drawn = 0;
  for (int j = 0; j < CURSOR_HEIGHT; ++j)
    for (int i = 0; i < CURSOR_WIDTH; ++i)
      if (frame[at(629 + i, 460 + j)] != background[at(629 + i, 460 + j)]) ++drawn;
  EXPECT_EQ(drawn, CURSOR_PIXELS - 1);

  restore_cursor(frame.data(), save.data(), 629, 460);
  EXPECT_EQ(frame, background);
}

INSTANTIATE_TEST_SUITE_P(Keys, CursorAtTheCorner,
                         ::testing::Values(0u, 0xFF000000u, 0x00FFFFFFu));

TEST(Cursor, ARandomWalkOfDrawsAndRestoresLeavesNoTrace) {
  // The run's own buffers, used in the frame loop's order: restore where the
  // last draw was, then draw at the new position.
  std::mt19937 random(20240601u);
  for (std::uint32_t& p : framebuffer) p = static_cast<std::uint32_t>(random());
  const Pixels background(framebuffer, framebuffer + FRAME_PIXELS);
  Pixels cursor(CURSOR_PIXELS);
  for (std::uint32_t& p : cursor) p = random() % 4 == 0 ? 0u : static_cast<std::uint32_t>(random());

  std::uniform_int_distribution<std::uint32_t> column(0, 629), row(0, 460);
  std::uint32_t x = column(random), y = row(random);
  draw_cursor(cursor.data(), framebuffer, cursor_save_under, 0, x, y);
  for (int step = 0; step < 500; ++step) {
    restore_cursor(framebuffer, cursor_save_under, x, y);
    ASSERT_TRUE(std::equal(background.begin(), background.end(), framebuffer))
        << "trace left at step " << step << " after the cursor at " << x << "," << y;
    // Mostly small moves, now and then a jump, and the edges of the range.
    if (step % 50 == 0) {
      x = step % 100 == 0 ? 629 : 0;
      y = step % 100 == 0 ? 460 : 0;
    } else if (step % 7 == 0) {
      x = column(random);
      y = row(random);
    } else {
      x = static_cast<std::uint32_t>(std::clamp(static_cast<int>(x + random() % 7) - 3, 0, 629));
      y = static_cast<std::uint32_t>(std::clamp(static_cast<int>(y + random() % 7) - 3, 0, 460));
    }
    draw_cursor(cursor.data(), framebuffer, cursor_save_under, 0, x, y);
  }
  restore_cursor(framebuffer, cursor_save_under, x, y);
  EXPECT_TRUE(std::equal(background.begin(), background.end(), framebuffer));
}

}  // namespace
