// What the real window is held against: frames the fake platform renders
// in-process for the same input, the ten logo frames of the built-in show,
// and the comparison of a screen capture with a frame, which lets the
// animated logo block show any of its ten pictures.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "x_session.h"

namespace e2e {

// The program's window title, as a desktop shows it.
inline const char* const WINDOW_TITLE = "WndProc example";
// Presented frame numbers of a run: a frame of the intro at full brightness,
// and the first player frame.
constexpr int INTRO_LOGO_FRAME = 100;
constexpr int FIRST_PLAYER_FRAME = 300;

// Runs the program in-process on the built-in show with `script` and keeps
// the presented frames numbered in `keep` (and the last ones, with the fade).
fake::RunResult render_in_process(const std::vector<fake::InputEvent>& script, const std::set<int>& keep);

// The number of the logo picture in the logo block of `screen`, the
// pictures darkened by `halvings` fade steps; -1 when it shows none of them.
int logo_picture_shown(const Screen& screen, int halvings = 0);

// True when `screen` shows `frame` exactly, pixel for pixel, with the logo
// block left to show any of the ten logo pictures (darkened by `halvings`).
bool shows_frame(const Screen& screen, const std::uint32_t* frame, int halvings = 0);
// True when `screen` shows `frame` exactly, the logo block included.
bool shows_exactly(const Screen& screen, const std::uint32_t* frame);

// For a failure message: how many pixels outside the logo block differ,
// and the first of them.
std::string describe_difference(const Screen& screen, const std::uint32_t* frame);

}  // namespace e2e
