// The whole life of the program: start-up, intro, player loop, exit fade and
// teardown, in that fixed order, on the program's one thread.
#pragma once

#include <cstdint>

#include "image/logo_strip.h"
#include "platform/window_system.h"

// The animated logo and its tick, kept by the run from start-up to the end.
extern FrameStrip logo_strip;
extern std::uint32_t anim_tick;

// Makes the logo strip of the run (ten 70 x 70 frames, images\01000N.tga)
// in `strip` and loads its frames.
void load_logo_strip(FrameStrip& strip);

// The program's entry: runs the show and returns the exit code. A window that
// cannot be created ends the run with "could not create window" and 1.
int program_entry(win::InstanceHandle instance, int show_command);

// The run itself; throws ptc::DynamicError when the window cannot be created.
int run_program(win::InstanceHandle instance, int show_command);

// How the frame loop ended.
enum class LoopEnd { quit_requested, quit_message };

// One iteration per presented frame until quit_requested is seen after a
// frame, or a quit message is taken from the queue.
LoopEnd run_frame_loop(win::WindowHandle window);

// Eight halvings of the framebuffer, each presented; the last frame is black.
void fade_out();
