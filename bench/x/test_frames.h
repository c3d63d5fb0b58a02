// The frames the display benchmarks present: eight different 640 x 480
// pictures (a shaded field with a moving band), made the same way by the
// program's harness and by the bare SDL2 reference so both show the same
// pixels. Consecutive frames always differ.
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

constexpr int FRAME_WIDTH = 640;
constexpr int FRAME_HEIGHT = 480;
constexpr int FRAME_PIXELS = FRAME_WIDTH * FRAME_HEIGHT;
constexpr int TEST_FRAME_COUNT = 8;

// Frame k of the cycle, as 0x00RRGGBB words.
inline std::vector<std::uint32_t> make_test_frame(int k) {
  std::vector<std::uint32_t> pixels(FRAME_PIXELS);
  for (int y = 0; y < FRAME_HEIGHT; ++y)
    for (int x = 0; x < FRAME_WIDTH; ++x) {
      std::uint32_t r = (x * 255 / FRAME_WIDTH) & 0xFF, g = (y * 255 / FRAME_HEIGHT) & 0xFF;
      std::uint32_t b = ((x + y) / 8 + 32 * k) & 0xFF;
      if ((y / 60) % TEST_FRAME_COUNT == k) r = g = b = 240;
      pixels[y * FRAME_WIDTH + x] = r << 16 | g << 8 | b;
    }
  return pixels;
}

}  // namespace bench
