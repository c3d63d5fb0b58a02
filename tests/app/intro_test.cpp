// The intro in a whole run: 300 frames of the logo, darkening over the last nine.
#include <gtest/gtest.h>

#include "../player/show_helpers.h"
#include "support/fake_platform.h"

TEST(Intro, HoldsTheLogoThenHalvesItNineTimesAndThePlayerFollowsAtFullBrightness) {
  const std::uint32_t* logo = show::picture("images\\qovlogo.jpg").pixels.get();
  const std::uint32_t* background = show::picture("images\\interface.jpg").pixels.get();
  int full = 0;
  std::vector<int> darkened;
  bool player_bright = false;
  fake::RunOptions options;
  options.script = {fake::escape_at(300)};
  options.on_frame = [&](int n, const std::uint32_t* frame) {
    if (n < 291) {
      full += std::equal(frame, frame + 640 * 480, logo, [](std::uint32_t a, std::uint32_t b) {
        return (a & 0xFFFFFF) == (b & 0xFFFFFF);
      });
    } else if (n < 300) {
      int shift = n - 290;
      bool ok = true;
      for (int i = 0; i < 640 * 480 && ok; ++i) {
        std::uint32_t expected = 0;
        for (int byte = 0; byte < 4; ++byte)
          expected |= (((logo[i] >> (8 * byte)) & 0xFF) >> shift) << (8 * byte);
        // The JPEG reader writes a fourth byte of 0; compare every byte.
        ok = frame[i] == expected;
      }
      if (ok) darkened.push_back(n);
    } else if (n == 300) {
      player_bright = show::region_equals(frame, {0, 100, 20, 380}, background);
    }
  };
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(full, 291);
  EXPECT_EQ(darkened, (std::vector<int>{291, 292, 293, 294, 295, 296, 297, 298, 299}));
  EXPECT_TRUE(player_bright);
  // Frames 298 and 299 are black.
  EXPECT_EQ(run.frame_hashes[298], run.frame_hashes[299]);
}
