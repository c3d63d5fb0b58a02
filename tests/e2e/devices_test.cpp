// Missing and failing devices with the real program: no display, no sound
// device, the display destroying the window, and the signals a desktop sends
// to end a program. Each ends with a clear message or carries on quietly;
// nothing crashes.
#include <gtest/gtest.h>
#include <signal.h>

#include <string>
#include <thread>
#include <vector>

#include "x_session.h"

using namespace std::chrono_literals;

namespace {

// The intro lasts 300 frames, about five seconds at the display's pace.
constexpr auto PAST_THE_INTRO = 6500ms;

// What the program itself wrote to standard error: the sanitizer build's leak
// checker adds a summary of the suppressions it used when the process ends.
std::string program_text(std::string output) {
  std::size_t summary = output.find("-----------------------------------------------------\nSuppressions used:");
  if (summary != std::string::npos) output.erase(summary);
  return output;
}

bool has_window(const e2e::XServer& x) { return x.xdotool("search --name \"WndProc example\""); }

// Starts `report` on `x` and waits for its window.
struct PlayerRun {
  PlayerRun(const e2e::XServer& x, std::vector<std::string> env)
      : process(e2e::report_binary(), e2e::show_folder(), with_display(x, std::move(env))) {
    window_seen = e2e::wait_until([&] { return has_window(x); }, 10s);
  }
  static std::vector<std::string> with_display(const e2e::XServer& x, std::vector<std::string> env) {
    env.push_back("DISPLAY=" + x.display());
    return env;
  }
  e2e::Process process;
  bool window_seen = false;
};

}  // namespace

TEST(Devices, AnUnreachableDisplayEndsWithCouldNotCreateWindow) {
  e2e::Process report(e2e::report_binary(), e2e::show_folder(),
                      {"DISPLAY=:4711", "WAYLAND_DISPLAY=", "SDL_AUDIODRIVER=dummy"});
  EXPECT_EQ(report.wait(30s), 1);
  EXPECT_EQ(program_text(report.error_output()), "could not create window\n");
}

// Without a sound device (the audio driver SDL picks itself on this machine,
// or one that does not exist) the show plays in silence and prints nothing.
class NoSoundDevice : public ::testing::TestWithParam<const char*> {};

TEST_P(NoSoundDevice, TheRunGoesOnInSilenceAndSaysNothing) {
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  PlayerRun run(x, {std::string("SDL_AUDIODRIVER=") + GetParam()});
  ASSERT_TRUE(run.window_seen) << run.process.error_output();
  std::this_thread::sleep_for(PAST_THE_INTRO);
  ASSERT_TRUE(run.process.running());
  ASSERT_TRUE(x.xdotool("key Escape"));
  EXPECT_EQ(run.process.wait(30s), 0);
  EXPECT_EQ(program_text(run.process.error_output()), "");
}

INSTANTIATE_TEST_SUITE_P(Drivers, NoSoundDevice, ::testing::Values("", "no_such_driver"),
                         [](const auto& info) { return std::string(*info.param ? "Unknown" : "Default"); });

// Another client destroys the window (as `xdotool windowclose` does): the
// run ends through the window's destroy message, exit code 0, without
// Xlib's error text. During the intro the destroy waits for the first loop
// frame, as every message does.
class WindowDestroyed : public ::testing::TestWithParam<std::chrono::milliseconds> {};

TEST_P(WindowDestroyed, EndsTheRunWithExitCodeZero) {
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  PlayerRun run(x, {"SDL_AUDIODRIVER=dummy"});
  ASSERT_TRUE(run.window_seen) << run.process.error_output();
  std::this_thread::sleep_for(GetParam());
  ASSERT_TRUE(x.xdotool("search --name \"WndProc example\" windowclose"));
  EXPECT_EQ(run.process.wait(15s), 0) << run.process.error_output();
  EXPECT_EQ(run.process.error_output().find("X Error"), std::string::npos) << run.process.error_output();
}

INSTANTIATE_TEST_SUITE_P(When, WindowDestroyed, ::testing::Values(1000ms, PAST_THE_INTRO),
                         [](const auto& info) { return info.param < PAST_THE_INTRO ? "DuringTheIntro" : "InThePlayer"; });

// SIGINT and SIGTERM in the player end the run as a close request does: the
// fade, then exit code 0.
class EndSignal : public ::testing::TestWithParam<int> {};

TEST_P(EndSignal, EndsTheRunLikeACloseRequest) {
  e2e::XServer x;
  ASSERT_TRUE(x.running());
  // A shell that starts the tests in the background leaves SIGINT ignored,
  // and an ignored signal stays ignored in the child; start it with the default.
  struct sigaction inherited {}, standard {};
  standard.sa_handler = SIG_DFL;
  sigaction(GetParam(), &standard, &inherited);
  PlayerRun run(x, {"SDL_AUDIODRIVER=dummy"});
  sigaction(GetParam(), &inherited, nullptr);
  ASSERT_TRUE(run.window_seen) << run.process.error_output();
  std::this_thread::sleep_for(PAST_THE_INTRO);
  ASSERT_TRUE(run.process.running());
  run.process.signal(GetParam());
  EXPECT_EQ(run.process.wait(10s), 0) << run.process.error_output();
  EXPECT_EQ(program_text(run.process.error_output()), "");
}

INSTANTIATE_TEST_SUITE_P(Signals, EndSignal, ::testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) { return std::string(info.param == SIGINT ? "Interrupt" : "Terminate"); });
