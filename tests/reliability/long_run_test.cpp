// A long run in-process: 10,000 slide changes through the player's fwd
// button, one per frame, then Escape. The heap in use after the run has
// settled does not grow with the number of changes, and no single request
// grows either; the sanitizer build also reports any block never released.
#include <gtest/gtest.h>
#include <malloc.h>

#include "player/player_controls.h"
#include "reliability/allocation_guard.h"
#include "support/fake_platform.h"

namespace {

constexpr int INTRO = 300;
constexpr int CHANGES = 10000;
constexpr int FWD_X = 380, FWD_Y = 340;

TEST(LongRun, TenThousandSlideChangesKeepTheHeapFlat) {
  fake::RunOptions options;
  options.frame_limit = INTRO + CHANGES + 100;
  options.script.push_back(fake::pointer_at(INTRO, FWD_X, FWD_Y));
  for (int i = 0; i < CHANGES; ++i) options.script.push_back(fake::click_at(INTRO + i));
  options.script.push_back(fake::escape_at(INTRO + CHANGES));

  // Heap in use (glibc's count; the sanitizer keeps its own) after 8,000
  // changes and after the last one: 2,000 changes apart, and between the
  // same two doublings of the recorder's list of frame hashes.
  std::size_t early = 0, late = 0;
  options.on_frame = [&](int n, const std::uint32_t*) {
    if (n == INTRO + 8000) early = mallinfo2().uordblks;
    if (n == INTRO + CHANGES) late = mallinfo2().uordblks;
  };
  guard::reset_largest_request();
  fake::RunResult run = fake::run_program(options);

  EXPECT_EQ(run.exit_code, 0) << run.error_output;
  EXPECT_FALSE(run.hit_frame_limit);
  EXPECT_EQ(current_slide, (34 - CHANGES % 34) % 34);  // fwd counts down, every click a change
  EXPECT_LT(guard::largest_request(), std::size_t{2} << 20);  // a photograph's buffers, no more
#if !defined(__SANITIZE_ADDRESS__)
  // A photograph kept alive is 300 kB; a byte per change would show as well.
  EXPECT_LE(late, early + 1024) << "heap grew from " << early << " to " << late;
#endif
}

}  // namespace
