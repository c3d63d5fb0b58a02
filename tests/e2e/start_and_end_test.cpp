// The real program in a real X window: it starts, takes Escape and ends
// with 0; without a display it says so and ends with 1.
#include <gtest/gtest.h>

#include "x_session.h"

using namespace std::chrono_literals;

TEST(RealWindow, EscapeEndsTheRunWithExitCodeZero) {
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  e2e::Process report(e2e::report_binary(), e2e::show_folder(),
                      {"DISPLAY=" + x.display(), "SDL_AUDIODRIVER=dummy"});
  ASSERT_TRUE(e2e::wait_until([&] { return x.xdotool("search --name \"WndProc example\""); }, 10s))
      << report.error_output();
  // Escape during the intro waits for the player's first frame, then the fade.
  ASSERT_TRUE(x.xdotool("key Escape"));
  EXPECT_EQ(report.wait(30s), 0) << report.error_output();
}

TEST(RealWindow, WithoutADisplayItSaysSoAndEndsWithOne) {
  e2e::Process report(e2e::report_binary(), e2e::show_folder(),
                      {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_AUDIODRIVER=dummy"});
  EXPECT_EQ(report.wait(30s), 1);
  EXPECT_NE(report.error_output().find("could not create window"), std::string::npos)
      << report.error_output();
}
