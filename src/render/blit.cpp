// The framebuffer's drawing operations: block copies, keyed blits, the corner
// sprite and the cursor with its save-under. Used by the run sequence, the logo
// strip, the text and the player. Nothing here clips, checks or allocates: the
// callers keep every block inside the frame and every image at its drawn size.
#include "render/blit.h"

#include <cstring>

#include "render/framebuffer.h"

namespace {

constexpr int CORNER_X = 326;
constexpr int CORNER_Y = 221;
constexpr int CORNER_WIDTH = 15;
constexpr int CORNER_HEIGHT = 25;

// One row of a keyed blit. Every destination pixel is rewritten, with its own
// value where the source pixel equals the key: a mask instead of a branch, so
// the loop is straight-line code, and compares and selects on whole vectors
// where the compiler vectorises it. Source and destination never overlap.
inline void copy_row_keyed(const std::uint32_t* __restrict source,
                           std::uint32_t* __restrict destination, int w, std::uint32_t key) {
  for (int i = 0; i < w; ++i) {
    const std::uint32_t p = source[i];
    const std::uint32_t keep = 0u - static_cast<std::uint32_t>(p == key);  // all ones or 0
    destination[i] = (p & ~keep) | (destination[i] & keep);
  }
}

}  // namespace

void copy_pixels(const std::uint32_t* source, std::uint32_t* destination, std::uint32_t count) {
  // memcpy with a size of 0 is defined and does nothing.
  std::memcpy(destination, source, std::size_t{count} * sizeof(std::uint32_t));
}

void copy_screen(const std::uint32_t* surface, std::uint32_t* frame) {
  copy_pixels(surface, frame, FRAME_PIXELS);
}

void blit_opaque(const std::uint32_t* source, std::uint32_t* frame, int w, int h, int x, int y) {
  std::uint32_t* row = frame + x + FRAME_WIDTH * y;
  for (int j = 0; j < h; ++j, source += w, row += FRAME_WIDTH)
    copy_pixels(source, row, static_cast<std::uint32_t>(w));
}

void copy_region(const std::uint32_t* surface, std::uint32_t* frame, int x, int y, int w, int h) {
  const std::size_t start = static_cast<std::size_t>(x) + std::size_t{FRAME_WIDTH} * y;
  for (int j = 0; j < h; ++j) {
    const std::size_t offset = start + std::size_t{FRAME_WIDTH} * j;
    copy_pixels(surface + offset, frame + offset, static_cast<std::uint32_t>(w));
  }
}

void blit_keyed(const std::uint32_t* source, int stride, std::uint32_t* frame, int w, int h, int x,
                int y) {
  std::uint32_t* row = frame + x + FRAME_WIDTH * y;
  for (int j = 0; j < h; ++j, source += stride, row += FRAME_WIDTH)
    copy_row_keyed(source, row, w, 0);
}

void draw_corner_sprite(std::uint32_t* frame, const std::uint32_t* sprite) {
  blit_keyed(sprite, CORNER_WIDTH, frame, CORNER_WIDTH, CORNER_HEIGHT, CORNER_X, CORNER_Y);
}

void draw_cursor(const std::uint32_t* cursor, std::uint32_t* frame, std::uint32_t* save_under,
                 std::uint32_t key, std::uint32_t x, std::uint32_t y) {
  // Each row is saved whole before it is drawn, so the save holds the frame as
  // it was, covered and visible pixels alike.
  std::uint32_t* row = frame + x + std::size_t{FRAME_WIDTH} * y;
  for (int j = 0; j < CURSOR_HEIGHT; ++j, row += FRAME_WIDTH) {
    std::memcpy(save_under + CURSOR_WIDTH * j, row, CURSOR_WIDTH * sizeof(std::uint32_t));
    copy_row_keyed(cursor + CURSOR_WIDTH * j, row, CURSOR_WIDTH, key);
  }
}

void restore_cursor(std::uint32_t* frame, const std::uint32_t* save_under, std::uint32_t x,
                    std::uint32_t y) {
  std::uint32_t* row = frame + x + std::size_t{FRAME_WIDTH} * y;
  for (int j = 0; j < CURSOR_HEIGHT; ++j, row += FRAME_WIDTH)
    std::memcpy(row, save_under + CURSOR_WIDTH * j, CURSOR_WIDTH * sizeof(std::uint32_t));
}
