// The window procedure's flags, the pointer sample and the fade step.
#include <gtest/gtest.h>

#include <vector>

#include "app/fade.h"
#include "app/window.h"
#include "support/fake_platform.h"

namespace {

struct SampleCase {
  int x, y;
  std::uint32_t expected_x, expected_y;
};

class SampleCursor : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleCursor, ClampsEachCoordinateAsAnUnsignedNumber) {
  const SampleCase& c = GetParam();
  fake::RunOptions options;
  options.script = {fake::pointer_at(0, c.x, c.y)};
  fake::begin_recording(options);
  sample_cursor();
  EXPECT_EQ(cursor_x, c.expected_x);
  EXPECT_EQ(cursor_y, c.expected_y);
}

INSTANTIATE_TEST_SUITE_P(Positions, SampleCursor,
                         ::testing::Values(SampleCase{635, 10, 629, 10}, SampleCase{-5, 10, 629, 10},
                                           SampleCase{10, 470, 10, 460}, SampleCase{10, -1, 10, 460},
                                           SampleCase{0, 0, 0, 0}, SampleCase{629, 460, 629, 460},
                                           SampleCase{630, 461, 629, 460}));

TEST(SampleCursorFailure, AFailedQueryGivesZero) {
  fake::RunOptions options;
  options.script = {fake::pointer_at(0, 300, 200)};
  options.pointer_query_fails = true;
  fake::begin_recording(options);
  sample_cursor();
  EXPECT_EQ(cursor_x, 0u);
  EXPECT_EQ(cursor_y, 0u);
}

TEST(WindowProcedure, SetsTheFlagsAndLeavesOtherMessagesAlone) {
  fake::reset_program_state();
  win::WindowHandle window = nullptr;
  EXPECT_EQ(window_procedure(window, win::MSG_KEYDOWN, 'Q', 0), 0);
  EXPECT_EQ(window_procedure(window, win::MSG_LBUTTONDOWN, 0, 0), 0);
  EXPECT_EQ(quit_requested, 0);
  EXPECT_EQ(click_pending, 0);
  window_procedure(window, win::MSG_LBUTTONUP, 0, 0);
  EXPECT_EQ(click_pending, 1);
  window_procedure(window, win::MSG_KEYDOWN, win::KEY_ESCAPE, 0);
  EXPECT_EQ(quit_requested, 1);
  fake::reset_program_state();
  window_procedure(window, win::MSG_CLOSE, 0, 0);
  EXPECT_EQ(quit_requested, 1);
  fake::reset_program_state();
}

TEST(HalveBrightness, HalvesEveryByteWithoutCarry) {
  std::vector<std::uint32_t> frame(640 * 480, 0xFFFFFFFFu);
  frame[1] = 0x01010101u;
  frame[2] = 0x80FF0180u;
  halve_brightness(frame.data());
  EXPECT_EQ(frame[0], 0x7F7F7F7Fu);
  EXPECT_EQ(frame[1], 0u);
  EXPECT_EQ(frame[2], 0x407F0040u);
  for (int step = 1; step < 8; ++step) halve_brightness(frame.data());
  for (std::uint32_t p : frame) ASSERT_EQ(p, 0u);
}

}  // namespace
