// What the SDL2 window system and display console backends share: the one
// window, where the console's picture lies in it, and the start of SDL's video.
#pragma once

#include <SDL.h>

// Starts SDL's video once; false when there is no display to talk to.
bool sdl_video_start();
// The program's window, once created; nullptr before.
SDL_Window* sdl_program_window();
// A window position in the console's frame pixels (outside the picture they
// fall outside the frame); false while no console is open.
bool sdl_window_to_console(int x, int y, int* console_x, int* console_y);
