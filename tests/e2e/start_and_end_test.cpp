// The real program in a real X window, its start and its ends: Escape during
// the intro does not shorten it, the window's close request ends the run
// with 0, and without a display it says so and ends with 1.
#include <gtest/gtest.h>

#include "expected_frames.h"
#include "x_session.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int POINTER_X = 150, POINTER_Y = 200;  // over the photograph

// The intro logo and the first player screen, rendered in-process with the
// pointer where the tests put it.
const fake::RunResult& first_frames() {
  static const fake::RunResult run = e2e::render_in_process(
      {fake::pointer_at(0, POINTER_X, POINTER_Y), fake::escape_at(e2e::FIRST_PLAYER_FRAME + 1)},
      {e2e::INTRO_LOGO_FRAME, e2e::FIRST_PLAYER_FRAME});
  return run;
}

std::vector<std::string> report_environment(const e2e::XServer& x) {
  return {"DISPLAY=" + x.display(), "SDL_AUDIODRIVER=dummy"};
}

TEST(RealWindow, EscapeDuringTheIntroDoesNotShortenItAndTheRunEndsWithZero) {
  const std::uint32_t* intro = first_frames().frame(e2e::INTRO_LOGO_FRAME)->data();
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  e2e::Process report(e2e::report_binary(), e2e::show_folder(), report_environment(x));
  ASSERT_TRUE(e2e::wait_until([&] { return e2e::shows_exactly(x.capture(), intro); }, 20s))
      << "the intro logo never showed\n" << report.error_output();
  Clock::time_point pressed = Clock::now();
  ASSERT_TRUE(x.xdotool("key Escape"));
  EXPECT_EQ(report.wait(30s), 0) << report.error_output();
  // The intro lasts 300 frames, 5 s at 60 Hz, from before the logo was seen.
  EXPECT_GT(std::chrono::duration<double>(Clock::now() - pressed).count(), 4.5);
}

TEST(RealWindow, TheWindowsCloseRequestEndsTheRunWithZero) {
  const std::uint32_t* player = first_frames().frame(e2e::FIRST_PLAYER_FRAME)->data();
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  ASSERT_TRUE(x.xdotool("mousemove " + std::to_string(POINTER_X) + " " + std::to_string(POINTER_Y)));
  e2e::Process report(e2e::report_binary(), e2e::show_folder(), report_environment(x));
  e2e::Screen screen;
  ASSERT_TRUE(e2e::wait_until([&] { return e2e::shows_frame(screen = x.capture(), player); }, 20s))
      << "the first player screen never showed: " << e2e::describe_difference(screen, player) << "\n"
      << report.error_output();
  ASSERT_TRUE(x.request_close(e2e::WINDOW_TITLE));
  EXPECT_EQ(report.wait(5s), 0) << report.error_output();
}

TEST(RealWindow, WithoutADisplayItSaysSoAndEndsWithOne) {
  e2e::Process report(e2e::report_binary(), e2e::show_folder(),
                      {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_AUDIODRIVER=dummy"});
  EXPECT_EQ(report.wait(30s), 1);
  EXPECT_NE(report.error_output().find("could not create window"), std::string::npos)
      << report.error_output();
}

}  // namespace
