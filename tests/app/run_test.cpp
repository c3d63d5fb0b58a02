// The whole run on the fake platform: start-up order, the ways a run ends,
// the exit fade and the teardown.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/window_system.h"
#include "support/fake_platform.h"

namespace {

constexpr int INTRO = 300;

std::vector<std::string> tail(const std::vector<std::string>& calls, std::size_t n) {
  return std::vector<std::string>(calls.end() - std::min(n, calls.size()), calls.end());
}

bool all_zero(const std::vector<std::uint32_t>& frame) {
  return std::all_of(frame.begin(), frame.end(), [](std::uint32_t p) { return p == 0; });
}

}  // namespace

TEST(Run, StartsMusicBeforeTheWindowAndOpensTheConsoleInOrder) {
  fake::RunOptions options;
  options.script = {fake::escape_at(INTRO)};
  fake::RunResult run = fake::run_program(options);
  ASSERT_EQ(run.exit_code, 0) << run.error_output;

  std::vector<std::string> expected_music = {"startup", "init", "start_background_play 0",
                                             "load_module musik\\report.xm", "play_module handle 1",
                                             "stop_module handle", "free_module handle",
                                             "stop_background_play", "close"};
  EXPECT_EQ(run.music_calls, expected_music);
  std::vector<std::string> expected_display = {
      "create_window WNDPROC_EXAMPLE_WINDOW \"WndProc example\" 0,0 640x480", "show_window 10",
      "create_console", "option DirectX", "option fullscreen output", "open_console handle 640x480",
      "close_console", "post_message 2", "destroy_console", "destroy_pixel_format"};
  EXPECT_EQ(run.display_calls, expected_display);
}

// Escape, a close request or a quit message in loop frame k: what is presented
// afterwards and how the run is torn down.
struct EndingCase {
  const char* name;
  fake::InputEvent event;
  bool fades;
};

class RunEnding : public ::testing::TestWithParam<EndingCase> {};

TEST_P(RunEnding, EndsAsTheKindOfRequestSays) {
  const EndingCase& c = GetParam();
  const int k = 5;  // the event arrives once the intro and k loop frames are shown
  fake::InputEvent event = c.event;
  event.frame = INTRO + k;
  fake::RunOptions options;
  options.script = {event};
  options.keep_last_frames = true;
  fake::RunResult run = fake::run_program(options);

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_FALSE(run.ended_by_fatal);
  if (c.fades) {
    // Loop frames 0..k were presented, the last one handling the request, then 8 fade frames.
    ASSERT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + k + 1 + 8));
    const auto* last = run.frame(static_cast<int>(run.frame_hashes.size()) - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(all_zero(*last));
    const auto* before_fade = run.frame(INTRO + k);
    const auto* first_fade = run.frame(INTRO + k + 1);
    ASSERT_NE(before_fade, nullptr);
    ASSERT_NE(first_fade, nullptr);
    for (std::size_t i = 0; i < before_fade->size(); i += 997)
      EXPECT_EQ((*first_fade)[i], ((*before_fade)[i] >> 1) & 0x7F7F7F7Fu);
    EXPECT_EQ(tail(run.display_calls, 4),
              (std::vector<std::string>{"close_console", "post_message 2", "destroy_console",
                                        "destroy_pixel_format"}));
    EXPECT_EQ(run.music_calls.back(), "close");
  } else {
    // The quit message is taken in the pump of loop frame k: that frame is never presented.
    EXPECT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + k));
    EXPECT_EQ(tail(run.display_calls, 2),
              (std::vector<std::string>{"destroy_console", "destroy_pixel_format"}));
    EXPECT_EQ(std::count(run.display_calls.begin(), run.display_calls.end(), "close_console"), 0);
    EXPECT_EQ(run.music_calls.back(), "play_module handle 1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, RunEnding,
    ::testing::Values(EndingCase{"Escape", fake::escape_at(0), true},
                      EndingCase{"CloseRequest", fake::close_at(0), true},
                      EndingCase{"QuitMessage", fake::quit_message_at(0), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Run, EscapeDuringTheIntroIsHandledByTheFirstLoopFrame) {
  fake::RunOptions options;
  options.script = {fake::escape_at(10)};
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  // The intro runs to its end, one loop frame is presented, then the fade.
  EXPECT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + 1 + 8));
}

TEST(Run, OtherKeysAndButtonsChangeNothing) {
  fake::RunOptions options;
  options.script = {fake::key_at(INTRO + 1, 'A'), fake::key_at(INTRO + 1, win::KEY_SPACE),
                    {INTRO + 2, fake::InputEvent::right_release},
                    {INTRO + 2, fake::InputEvent::left_press}, fake::escape_at(INTRO + 6)};
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + 7 + 8));
}

TEST(Run, AWindowThatCannotBeMadeEndsWithAMessageAndExitCodeOne) {
  fake::RunOptions options;
  options.window_fails = true;
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error_output.find("could not create window"), std::string::npos);
  EXPECT_TRUE(run.frame_hashes.empty());
  // The music had already started.
  EXPECT_EQ(run.music_calls.back(), "play_module handle 1");
}

TEST(Run, ADestroyedWindowEndsTheLoopThroughTheQuitMessage) {
  fake::RunOptions options;
  options.script = {{INTRO + 3, fake::InputEvent::destroy}};
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  // The destroy posts a quit message, taken in the same pump: loop frames 0..2 presented.
  EXPECT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + 3));
}

TEST(Run, AQuitSeenDuringTheIntroSkipsTheLoopAndFadesTheComposedFrame) {
  fake::RunOptions options;
  options.dispatch_while_showing = true;
  options.script = {fake::escape_at(100)};
  options.keep_last_frames = true;
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  // No loop frame: the intro's 300 frames, then straight into the 8 fade frames.
  ASSERT_EQ(run.frame_hashes.size(), static_cast<std::size_t>(INTRO + 8));
  const auto* black = run.frame(INTRO + 7);
  ASSERT_NE(black, nullptr);
  EXPECT_TRUE(all_zero(*black));
}
