// The whole journey in a real X window: the real `report` under Xvfb, driven
// with xdotool, each step's screen held against the frame that the fake
// platform renders in-process for the same input. The music goes to SDL's
// disk audio driver and is held against the module rendered in-process.
#include <gtest/gtest.h>
#include <xmp.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "expected_frames.h"
#include "player/player_controls.h"
#include "x_session.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Where the pointer goes, in screen pixels: inside one zone, clear of the others.
struct Spot {
  int x, y;
};
constexpr Spot START{150, 200};  // over the photograph
constexpr Spot PLAY{385, 240};
constexpr Spot RWD{390, 290};
constexpr Spot FWD{380, 340};
constexpr Spot STOP{375, 390};
constexpr Spot HELP{380, 440};
constexpr Spot QUIT{620, 465};  // the cursor is drawn at the clamped (620, 460)

enum class Action { none, move, click };

struct Step {
  const char* shows;  // what the screen shows once the program has handled the action
  Action action;
  Spot to;            // where a move goes
  int frames;         // frames the in-process run presents after the action's frame before the one compared
  bool holds = false; // the picture was already on screen and must stay, frame after frame
};

const Step JOURNEY[] = {
    {"the first player screen: slide 0, the cursor at the pointer", Action::none, {}, 0},
    {"fwd's hover image", Action::move, FWD, 1},
    {"slide 33 after a click on fwd", Action::click, {}, 1},
    {"rwd's hover image, fwd's idle image", Action::move, RWD, 1},
    {"slide 0 again after a click on rwd", Action::click, {}, 1},
    {"help's hover image", Action::move, HELP, 1},
    {"the credits panel after a click on help", Action::click, {}, 1},
    {"no credits panel one frame after a second click on help", Action::click, {}, 1},
    {"play's hover image", Action::move, PLAY, 1},
    {"the autoplay image and slide 33 after a click on play", Action::click, {}, 1},
    {"slide 32, 181 frames after the click on play", Action::none, {}, AUTOPLAY_INTERVAL},
    {"fwd's hover image during autoplay", Action::move, FWD, 1},
    {"the same picture after a click on fwd during autoplay", Action::click, {}, 1, true},
    {"stop's hover image", Action::move, STOP, 1},
    {"play's idle image after a click on stop", Action::click, {}, 1},
    {"the cursor in the quit zone", Action::move, QUIT, 1},
};
constexpr int STEP_COUNT = sizeof JOURNEY / sizeof JOURNEY[0];
constexpr int AUTOPLAY_CLICK = 9;  // the steps whose times make the autoplay interval
constexpr int AUTOPLAY_STEP = 10;

// The journey for the in-process run: each action at a frame number, the
// frame compared after it, and the click into the quit zone.
struct Script {
  std::vector<fake::InputEvent> events;
  int compared[STEP_COUNT];
  int quit_frame;
};

Script journey_script() {
  Script script;
  script.events.push_back(fake::pointer_at(0, START.x, START.y));
  int frame = e2e::FIRST_PLAYER_FRAME;
  for (int i = 0; i < STEP_COUNT; ++i) {
    const Step& step = JOURNEY[i];
    if (step.action == Action::move) script.events.push_back(fake::pointer_at(frame, step.to.x, step.to.y));
    if (step.action == Action::click) script.events.push_back(fake::click_at(frame));
    script.compared[i] = frame + step.frames;
    frame = script.compared[i] + 1;
  }
  script.events.push_back(fake::click_at(frame));
  script.quit_frame = frame;
  return script;
}

// Polls captures until one shows `frame`; false when none did in time.
bool wait_for_frame(const e2e::XServer& x, const std::uint32_t* frame, std::chrono::milliseconds timeout,
                    e2e::Screen* last) {
  return e2e::wait_until([&] { return e2e::shows_frame(*last = x.capture(), frame); }, timeout);
}

// Captures until the logo has moved on twice (at least five frames, so any
// input sent before has been handled); false when a capture differs from `frame`.
bool holds_frame(const e2e::XServer& x, const std::uint32_t* frame, e2e::Screen* last) {
  int changes = 0, picture = -1;
  bool held = true;
  e2e::wait_until(
      [&] {
        *last = x.capture();
        if (!e2e::shows_frame(*last, frame)) {
          held = false;
          return true;
        }
        int now = e2e::logo_picture_shown(*last);
        if (picture >= 0 && now != picture) ++changes;
        picture = now;
        return changes >= 2;
      },
      5s);
  return held && changes >= 2;
}

double seconds_between(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

std::vector<unsigned char> read_bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The module rendered in-process as the program's music backend renders it:
// 44.1 kHz, 16-bit stereo, from its start.
std::vector<unsigned char> render_module(std::size_t bytes) {
  std::vector<unsigned char> sound(bytes);
  xmp_context context = xmp_create_context();
  std::string path = e2e::show_folder() + "/musik/report.xm";
  bool rendered = xmp_load_module(context, path.c_str()) == 0;
  rendered = rendered && xmp_start_player(context, 44100, 0) == 0;
  rendered = rendered && xmp_play_buffer(context, sound.data(), static_cast<int>(bytes), 0) == 0;
  if (!rendered) sound.clear();
  xmp_end_player(context);
  xmp_free_context(context);
  return sound;
}

// The audio after its leading silence.
std::vector<unsigned char> without_leading_silence(const std::vector<unsigned char>& audio) {
  auto first_sound = std::find_if(audio.begin(), audio.end(), [](unsigned char byte) { return byte != 0; });
  return {first_sound, audio.end()};
}

// A temporary file name, the file removed with the value.
struct TemporaryFile {
  std::string name;
  TemporaryFile() {
    char pattern[] = "/tmp/report-e2e-audio-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    name = pattern;
  }
  ~TemporaryFile() { std::remove(name.c_str()); }
};

// The sanitizers' leak scan at exit adds its own time to the end of a run.
#ifdef REPORT_SANITIZED
constexpr double QUIT_SECONDS = 3.0;
#else
constexpr double QUIT_SECONDS = 0.5;
#endif

TEST(RealWindow, TheWholeJourneyShowsTheInProcessFrames) {
  Script script = journey_script();
  std::set<int> keep{e2e::INTRO_LOGO_FRAME};
  for (int frame : script.compared) keep.insert(frame);
  fake::RunResult expected = e2e::render_in_process(script.events, keep);
  ASSERT_EQ(expected.exit_code, 0);
  ASSERT_NE(expected.frame(script.quit_frame + 8), nullptr);

  e2e::XServer x;
  ASSERT_TRUE(x.running());
  ASSERT_TRUE(x.xdotool("mousemove " + std::to_string(START.x) + " " + std::to_string(START.y)));
  ASSERT_FALSE(x.pointer_hidden()) << "the server's own pointer should show before the program runs";

  TemporaryFile audio;
  e2e::Process report(e2e::report_binary(), e2e::show_folder(),
                      {"DISPLAY=" + x.display(), "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + audio.name});
  e2e::Screen screen;

  // 1. The intro logo.
  const std::uint32_t* intro = expected.frame(e2e::INTRO_LOGO_FRAME)->data();
  ASSERT_TRUE(e2e::wait_until([&] { return e2e::shows_exactly(screen = x.capture(), intro); }, 20s))
      << "the intro logo never showed; " << e2e::describe_difference(screen, intro) << "\n"
      << report.error_output();

  // 2 to 5. The player, step by step.
  Clock::time_point acted[STEP_COUNT], seen[STEP_COUNT];
  for (int i = 0; i < STEP_COUNT; ++i) {
    const Step& step = JOURNEY[i];
    const std::uint32_t* frame = expected.frame(script.compared[i])->data();
    acted[i] = Clock::now();
    if (step.action == Action::move) {
      ASSERT_TRUE(x.xdotool("mousemove " + std::to_string(step.to.x) + " " + std::to_string(step.to.y)));
    } else if (step.action == Action::click) {
      ASSERT_TRUE(x.xdotool("click 1"));
    }
    bool shown = step.holds ? holds_frame(x, frame, &screen) : wait_for_frame(x, frame, 10s, &screen);
    seen[i] = Clock::now();
    ASSERT_TRUE(shown) << "step " << i << ", " << step.shows << ": " << e2e::describe_difference(screen, frame)
                       << "\n" << report.error_output();
    if (i == 0) {
      EXPECT_TRUE(x.pointer_hidden()) << "the system pointer shows over the player";
    }
  }
  // 180 frames after the frame that took the click, at 60 Hz: 3 s.
  double autoplay_seconds = seconds_between(acted[AUTOPLAY_CLICK], seen[AUTOPLAY_STEP]);
  RecordProperty("autoplay_seconds", std::to_string(autoplay_seconds));
  EXPECT_GT(autoplay_seconds, 2.95);
  EXPECT_LT(autoplay_seconds, 4.5);

  // 6. A click in the quit zone: until the screen is black every capture
  // shows the last frame or a step of the fade; then exit code 0, soon.
  // The click is timed, so it is sent at once rather than through xdotool.
  const std::uint32_t* black = expected.frame(script.quit_frame + 8)->data();
  auto fade_step_shown = [&](const e2e::Screen& shown) {
    for (int step = 0; step <= 8; ++step)
      if (e2e::shows_frame(shown, expected.frame(script.quit_frame + step)->data(), step)) return true;
    return false;
  };
  ASSERT_TRUE(x.click_now());
  Clock::time_point clicked = Clock::now();
  bool only_fade = true;
  bool went_black = e2e::wait_until(
      [&] {
        if (!fade_step_shown(screen = x.capture())) only_fade = false;
        return e2e::shows_exactly(screen, black) || !report.running();
      },
      10s);
  int exit_code = report.wait(10s);
  double quit_seconds = seconds_between(clicked, Clock::now());
  RecordProperty("quit_seconds", std::to_string(quit_seconds));
  EXPECT_TRUE(only_fade) << "a capture during the fade shows something else";
  EXPECT_TRUE(went_black && e2e::shows_exactly(x.capture(), black)) << "the screen is not black at the end";
  EXPECT_EQ(exit_code, 0) << report.error_output();
  EXPECT_LT(quit_seconds, QUIT_SECONDS);

  // The music: after the silence before the module starts, the disk audio
  // driver wrote the module's sound.
  std::vector<unsigned char> written = without_leading_silence(read_bytes(audio.name));
  std::vector<unsigned char> module = without_leading_silence(render_module(2 * 44100 * 4));
  ASSERT_GT(written.size(), std::size_t{44100 * 4}) << "not a second of sound was written";
  ASSERT_GT(module.size(), std::size_t{44100 * 4});
  std::size_t compared = std::min(written.size(), module.size());
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + compared, module.begin()))
      << "the written audio is not the module's sound";
}

}  // namespace
