// The intro: the full-screen logo for 300 frames, darkening to black over the last nine.
#pragma once

#include "image/image.h"

constexpr int INTRO_FRAMES = 300;
constexpr int INTRO_FULL_FRAMES = 291;

// Presents the logo's own pixels 300 times, halving them in place before
// each of frames 291 to 299. Handles no messages and draws no cursor.
void run_intro(Image& logo);
