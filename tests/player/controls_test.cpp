// The player controls in whole runs on the built-in show: zones, buttons,
// slide steps, autoplay, the credits panel and the quit zone.
#include <gtest/gtest.h>

#include <map>

#include "player/player_controls.h"
#include "show_helpers.h"
#include "support/fake_platform.h"

namespace {

constexpr int LOOP = 300;  // presented frame number of loop frame 0

// Loop frame k is presented frame LOOP + k; input scripted for it is seen in its pump.
int loop_frame(int k) { return LOOP + k; }

struct ButtonBlock {
  const char* name;
  show::Rect block;
  const char* hover;
  const char* idle;
};

const ButtonBlock PLAY{"play", {360, 217, 57, 50}, "images\\play_over.tga", "images\\play_click.tga"};
const ButtonBlock RWD{"rwd", {365, 267, 56, 49}, "images\\rwd_over.tga", "images\\rwd_click.tga"};
const ButtonBlock FWD{"fwd", {352, 316, 61, 48}, "images\\fwd_over.tga", "images\\fwd_click.tga"};
const ButtonBlock STOP{"stop", {347, 364, 53, 48}, "images\\stop_over.tga", "images\\stop.tga"};
const ButtonBlock HELP{"help", {351, 413, 58, 49}, "images\\help_over.tga", "images\\help.tga"};
const ButtonBlock* const BUTTONS[] = {&PLAY, &RWD, &FWD, &STOP, &HELP};

const char* const AUTOPLAY_IMAGE = "images\\play.tga";
const show::Rect CREDITS{427, 106, 198, 265};

bool shows(const std::uint32_t* frame, const ButtonBlock& button, const char* image, int px, int py) {
  return show::block_equals(frame, button.block, show::picture(image).pixels.get(), show::cursor_rect(px, py));
}

// Per-frame observations of a run.
struct Observed {
  std::map<int, int> slide;  // presented frame -> slide on screen
  fake::RunResult run;
};

// Runs `script`, ends it with Escape at loop frame `last`, and records the
// slide on screen in every loop frame; `check` sees each loop frame too.
Observed run_journey(std::vector<fake::InputEvent> script, int last,
                     std::function<void(int, const std::uint32_t*)> check = nullptr) {
  Observed observed;
  script.push_back(fake::escape_at(loop_frame(last)));
  fake::RunOptions options;
  options.script = script;
  options.on_frame = [&](int n, const std::uint32_t* pixels) {
    if (n < LOOP || n > loop_frame(last)) return;
    observed.slide[n] = show::slide_on_screen(pixels);
    if (check) check(n, pixels);
  };
  observed.run = fake::run_program(options);
  return observed;
}

// ---- zones ----

struct ZoneCase {
  int x, y;
  const ButtonBlock* hovered;  // nullptr: no button shows its hover image
};

class ZoneBounds : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneBounds, AButtonShowsItsHoverImageExactlyInsideItsZone) {
  const ZoneCase& c = GetParam();
  bool checked = false;
  run_journey({fake::pointer_at(loop_frame(1), c.x, c.y)}, 1, [&](int n, const std::uint32_t* frame) {
    if (n != loop_frame(1)) return;
    checked = true;
    for (const ButtonBlock* button : BUTTONS) {
      bool hover = shows(frame, *button, button->hover, c.x, c.y);
      EXPECT_EQ(hover, button == c.hovered) << button->name << " at " << c.x << "," << c.y;
    }
  });
  EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ZoneBounds,
    ::testing::Values(ZoneCase{362, 240, nullptr}, ZoneCase{363, 240, &PLAY}, ZoneCase{412, 240, &PLAY},
                      ZoneCase{413, 240, nullptr}, ZoneCase{380, 223, nullptr}, ZoneCase{380, 224, &PLAY},
                      ZoneCase{380, 262, &PLAY}, ZoneCase{373, 290, nullptr}, ZoneCase{374, 290, &RWD},
                      ZoneCase{413, 311, &RWD}, ZoneCase{414, 290, nullptr}, ZoneCase{390, 312, nullptr},
                      ZoneCase{364, 340, nullptr}, ZoneCase{365, 321, &FWD}, ZoneCase{402, 360, &FWD},
                      ZoneCase{403, 340, nullptr}, ZoneCase{390, 361, nullptr}, ZoneCase{353, 390, nullptr},
                      ZoneCase{354, 370, &STOP}, ZoneCase{395, 407, &STOP}, ZoneCase{396, 390, nullptr},
                      ZoneCase{390, 408, nullptr}, ZoneCase{356, 440, nullptr}, ZoneCase{357, 420, &HELP},
                      ZoneCase{404, 458, &HELP}, ZoneCase{405, 440, nullptr}, ZoneCase{380, 419, nullptr}));

// ---- slide steps ----

struct StepCase {
  const char* name;
  std::vector<fake::InputEvent> script;
  int last;
  int expected_slide;
};

class SlideSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(SlideSteps, ClicksMoveThroughTheShowAndWrapAround) {
  const StepCase& c = GetParam();
  Observed observed = run_journey(c.script, c.last);
  EXPECT_EQ(observed.slide[loop_frame(c.last)], c.expected_slide);
  EXPECT_EQ(current_slide, static_cast<std::uint32_t>(c.expected_slide));
}

const int F = loop_frame(2);
INSTANTIATE_TEST_SUITE_P(
    Clicks, SlideSteps,
    ::testing::Values(
        StepCase{"NothingClicked", {fake::pointer_at(F, 380, 340)}, 3, 0},
        StepCase{"FwdFromZero", {fake::pointer_at(F, 380, 340), fake::click_at(F)}, 3, 33},
        StepCase{"PlayFromZero", {fake::pointer_at(F, 380, 240), fake::click_at(F)}, 3, 33},
        StepCase{"RwdFromThirtyThree",
                 {fake::pointer_at(F, 380, 340), fake::click_at(F), fake::pointer_at(F + 1, 390, 290),
                  fake::click_at(F + 1)},
                 4, 0},
        StepCase{"RwdFromZero", {fake::pointer_at(F, 390, 290), fake::click_at(F)}, 3, 1},
        StepCase{"ClickOutsideIsLost",
                 {fake::pointer_at(F, 100, 100), fake::click_at(F), fake::pointer_at(F + 1, 380, 340)},
                 4, 0},
        StepCase{"FwdIgnoredDuringAutoplay",
                 {fake::pointer_at(F, 380, 240), fake::click_at(F), fake::pointer_at(F + 1, 380, 340),
                  fake::click_at(F + 1)},
                 5, 33},
        StepCase{"RwdIgnoredDuringAutoplay",
                 {fake::pointer_at(F, 380, 240), fake::click_at(F), fake::pointer_at(F + 1, 390, 290),
                  fake::click_at(F + 1)},
                 5, 33},
        StepCase{"PlayDuringAutoplayStepsAtOnce",
                 {fake::pointer_at(F, 380, 240), fake::click_at(F), fake::click_at(F + 3)}, 5, 32}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- autoplay ----

// Frames (presented numbers) at which the slide on screen changed.
std::vector<int> changes(const Observed& observed) {
  std::vector<int> frames;
  int previous = -2;
  for (const auto& [frame, slide] : observed.slide) {
    if (previous != -2 && slide != previous) frames.push_back(frame);
    previous = slide;
  }
  return frames;
}

TEST(Autoplay, StepsOneHundredEightyFramesAfterAFreshStartThenEveryOneHundredEightyOne) {
  Observed observed = run_journey({fake::pointer_at(F, 380, 240), fake::click_at(F),
                                   fake::pointer_at(F + 1, 500, 50)},
                                  2 + 180 + 181 + 181 + 5);
  EXPECT_EQ(changes(observed), (std::vector<int>{F, F + 180, F + 361, F + 542}));
  EXPECT_EQ(observed.slide[F + 542], 30);
}

TEST(Autoplay, PlayAfterStopKeepsTheCounter) {
  // Stopped 100 frames after the start, started again later: the timer goes
  // on from 100, so the automatic step comes 80 frames after the second click.
  const int stop = F + 100, again = F + 150;
  Observed observed = run_journey({fake::pointer_at(F, 380, 240), fake::click_at(F),
                                   fake::pointer_at(stop, 370, 390), fake::click_at(stop),
                                   fake::pointer_at(again, 380, 240), fake::click_at(again)},
                                  150 + 2 + 90);
  EXPECT_EQ(changes(observed), (std::vector<int>{F, again, again + 80}));
}

TEST(Autoplay, APlayClickInTheFrameTheTimerFiresStepsTwice) {
  Observed observed = run_journey({fake::pointer_at(F, 380, 240), fake::click_at(F), fake::click_at(F + 180)},
                                  2 + 182);
  EXPECT_EQ(observed.slide[F + 179], 33);
  EXPECT_EQ(observed.slide[F + 180], 31);
}

TEST(Autoplay, ThePlayBlockShowsTheAutoplayImageAndStopPutsBackTheIdleImage) {
  const int stop = F + 10;
  std::map<int, std::string> play_block;
  auto check = [&](int n, const std::uint32_t* frame) {
    if (n == F + 5) play_block[n] = shows(frame, PLAY, AUTOPLAY_IMAGE, 500, 50) ? "autoplay" : "?";
    if (n == F) play_block[n] = shows(frame, PLAY, AUTOPLAY_IMAGE, 380, 240) ? "autoplay" : "?";
    if (n == stop) play_block[n] = shows(frame, PLAY, PLAY.idle, 370, 390) ? "idle" : "?";
    if (n == stop + 2) play_block[n] = shows(frame, PLAY, PLAY.hover, 380, 240) ? "hover" : "?";
  };
  run_journey({fake::pointer_at(F, 380, 240), fake::click_at(F), fake::pointer_at(F + 1, 500, 50),
               fake::pointer_at(stop, 370, 390), fake::click_at(stop), fake::pointer_at(stop + 2, 380, 240)},
              12 + 2, check);
  EXPECT_EQ(play_block, (std::map<int, std::string>{
                            {F, "autoplay"}, {F + 5, "autoplay"}, {stop, "idle"}, {stop + 2, "hover"}}));
}

// ---- hover and idle ----

TEST(Hover, AJumpFromPlayIntoRwdDrawsBothImagesInOneFrame) {
  bool checked = false;
  run_journey({fake::pointer_at(F, 380, 240), fake::pointer_at(F + 1, 390, 290)}, 3,
              [&](int n, const std::uint32_t* frame) {
                if (n != F + 1) return;
                checked = true;
                EXPECT_TRUE(shows(frame, RWD, RWD.hover, 390, 290));
                EXPECT_TRUE(shows(frame, PLAY, PLAY.idle, 390, 290));
              });
  EXPECT_TRUE(checked);
}

// ---- credits ----

TEST(Credits, TwoHelpClicksShowThePanelForTwoFramesAndAThirdClickIsLost) {
  const show::Rect cursor = show::cursor_rect(380, 440);
  std::map<int, bool> panel;
  const std::uint32_t* credits = show::picture("images\\credit.jpg").pixels.get();
  const std::uint32_t* background = show::picture("images\\interface.jpg").pixels.get();
  run_journey({fake::pointer_at(F, 380, 440), fake::click_at(F), fake::click_at(F + 1), fake::click_at(F + 2)}, 5,
              [&](int n, const std::uint32_t* frame) {
                if (n < F - 1) return;
                bool shown = show::block_equals(frame, CREDITS, credits, cursor);
                bool gone = show::region_equals(frame, CREDITS, background, cursor);
                EXPECT_NE(shown, gone) << "frame " << n;
                panel[n] = shown;
              });
  EXPECT_EQ(panel, (std::map<int, bool>{{F - 1, false}, {F, true}, {F + 1, true}, {F + 2, false}, {F + 3, false}}));
  EXPECT_EQ(player_controls.help_clicks, 0);
}

TEST(Credits, ThePanelStaysAcrossSlideChanges) {
  const std::uint32_t* credits = show::picture("images\\credit.jpg").pixels.get();
  bool checked = false;
  run_journey({fake::pointer_at(F, 380, 440), fake::click_at(F), fake::pointer_at(F + 1, 380, 340),
               fake::click_at(F + 1)},
              3, [&](int n, const std::uint32_t* frame) {
                if (n != F + 1) return;
                checked = true;
                EXPECT_TRUE(show::block_equals(frame, CREDITS, credits));
              });
  EXPECT_TRUE(checked);
  EXPECT_EQ(current_slide, 33u);
}

// ---- quit zone ----

struct QuitCase {
  int x, y;
  bool quits;
};

class QuitZone : public ::testing::TestWithParam<QuitCase> {};

TEST_P(QuitZone, AClickInTheCornerEndsTheRunAfterThatFrame) {
  const QuitCase& c = GetParam();
  fake::RunOptions options;
  options.script = {fake::pointer_at(F, c.x, c.y), fake::click_at(F), fake::escape_at(F + 10)};
  fake::RunResult run = fake::run_program(options);
  EXPECT_EQ(run.exit_code, 0);
  int loop_frames = static_cast<int>(run.frame_hashes.size()) - LOOP - 8;
  EXPECT_EQ(loop_frames, c.quits ? 3 : 13);  // loop frames 0..2, or 0..12 ended by Escape
}

INSTANTIATE_TEST_SUITE_P(Corner, QuitZone,
                         ::testing::Values(QuitCase{601, 441, true}, QuitCase{639, 479, true},
                                           QuitCase{600, 441, false}, QuitCase{601, 440, false}));

}  // namespace
