// What the SDL2 window system and display console backends share: the one
// window, the renderer drawing into it, and the start of SDL's video.
#pragma once

#include <SDL.h>

// Starts SDL's video once; false when there is no display to talk to.
bool sdl_video_start();
// The program's window, once created; nullptr before.
SDL_Window* sdl_program_window();
// The console's renderer while the console is open; nullptr otherwise.
SDL_Renderer* sdl_console_renderer();
void set_sdl_console_renderer(SDL_Renderer* renderer);
