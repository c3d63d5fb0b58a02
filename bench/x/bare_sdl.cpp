// The bare SDL2 reference: a window the size of the screen and 640 x 480
// frames presented at a fixed pace with nothing else going on, by one of
// three paths:
//   surface      the window's own surface, pixels copied in and updated
//   software     SDL's software renderer and a streaming texture
//   accelerated  SDL's default renderer (software OpenGL without a GPU)
// Usage: bare_sdl PATH FRAMES [PICTURES]. FRAMES 0 runs until SIGTERM or a
// close; PICTURES (1 to 8, default 8) different frames are shown in turn.
// Prints "cpu_us_per_frame N" over the frames after the first 30.
#include <signal.h>
#include <time.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "test_frames.h"

namespace {

volatile sig_atomic_t stop_requested = 0;
void on_term(int) { stop_requested = 1; }

long long monotonic_ns() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000ll + now.tv_nsec;
}

// CPU time of the whole process (every thread), from the scheduler's own
// accounting rather than clock ticks.
double cpu_us() {
  timespec used;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return used.tv_sec * 1e6 + used.tv_nsec / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bare_sdl surface|software|accelerated FRAMES [PICTURES]\n");
    return 2;
  }
  const char* path = argv[1];
  long frames = std::atol(argv[2]);
  int picture_count = argc > 3 ? std::atoi(argv[3]) : bench::TEST_FRAME_COUNT;
  if (picture_count < 1 || picture_count > bench::TEST_FRAME_COUNT) picture_count = bench::TEST_FRAME_COUNT;
  const int hz = 60;
  signal(SIGTERM, on_term);

  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_DisplayMode desktop;
  SDL_GetDesktopDisplayMode(0, &desktop);
  SDL_Window* window = SDL_CreateWindow("bare", 0, 0, desktop.w, desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (window == nullptr) return 1;
  SDL_ShowCursor(SDL_DISABLE);

  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool surface_path = std::strcmp(path, "surface") == 0;
  if (surface_path) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  } else {
    bool software = std::strcmp(path, "software") == 0;
    if (software) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(window, -1, software ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED);
    if (renderer == nullptr) return 1;
    SDL_RenderSetLogicalSize(renderer, bench::FRAME_WIDTH, bench::FRAME_HEIGHT);
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                bench::FRAME_WIDTH, bench::FRAME_HEIGHT);
  }

  std::vector<std::uint32_t> pictures[bench::TEST_FRAME_COUNT];
  SDL_Surface* sources[bench::TEST_FRAME_COUNT] = {};
  for (int k = 0; k < picture_count; ++k) {
    pictures[k] = bench::make_test_frame(k);
    sources[k] = SDL_CreateRGBSurfaceWithFormatFrom(pictures[k].data(), bench::FRAME_WIDTH,
                                                    bench::FRAME_HEIGHT, 32, bench::FRAME_WIDTH * 4,
                                                    SDL_PIXELFORMAT_RGB888);
  }

  const long long period = 1000000000ll / hz;
  long long deadline = monotonic_ns();
  double cpu_start = 0;
  for (long n = 0; (frames == 0 || n < frames) && !stop_requested; ++n) {
    if (n == 30) cpu_start = cpu_us();
    SDL_Event event;
    while (SDL_PollEvent(&event))
      if (event.type == SDL_QUIT) stop_requested = 1;
    if (surface_path) {
      // The cheapest path on a machine without a GPU: straight into the
      // shared-memory image the window is shown from.
      SDL_Surface* surface = SDL_GetWindowSurface(window);
      SDL_Surface* source = sources[n % picture_count];
      if (surface->w == bench::FRAME_WIDTH && surface->h == bench::FRAME_HEIGHT)
        SDL_BlitSurface(source, nullptr, surface, nullptr);
      else
        SDL_BlitScaled(source, nullptr, surface, nullptr);
      SDL_UpdateWindowSurface(window);
    } else {
      SDL_UpdateTexture(texture, nullptr, pictures[n % picture_count].data(), bench::FRAME_WIDTH * 4);
      SDL_RenderCopy(renderer, texture, nullptr, nullptr);
      SDL_RenderPresent(renderer);
    }
    deadline += period;
    timespec until{static_cast<time_t>(deadline / 1000000000ll), static_cast<long>(deadline % 1000000000ll)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0 && !stop_requested) {
    }
  }
  long measured = frames > 30 ? frames - 30 : 0;
  if (measured > 0) std::printf("cpu_us_per_frame %.1f\n", (cpu_us() - cpu_start) / measured);
  for (SDL_Surface* source : sources)
    if (source != nullptr) SDL_FreeSurface(source);
  if (texture != nullptr) SDL_DestroyTexture(texture);
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
