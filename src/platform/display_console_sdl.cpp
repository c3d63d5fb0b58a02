// Display console on SDL2: one renderer and one streaming texture on the
// program's window, the 640 x 480 picture scaled up with its aspect kept, and
// show_frame paced to the display's refresh.
//
// The renderer is picked by what is cheap on this machine: the accelerated
// one (with vertical sync) where a GPU is present, else SDL's software
// renderer, which on a machine without a GPU costs a fraction of software
// OpenGL. REPORT_RENDERER=software or =accelerated forces either.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/display_console.h"
#include "platform/sdl_video.h"

struct ptc::PixelFormat {
  int bits;
  std::uint32_t masks[4];
  bool in_use;
};
struct ptc::Palette {
  bool in_use;
};
struct ptc::Error {
  std::string message;
};

struct ptc::Console {
  bool fullscreen;
  bool accelerated_allowed;
  bool open;
  SDL_Renderer* renderer;
  SDL_Texture* texture;
  bool vsync;                // the renderer waits for the refresh itself
  long long period_ns;       // one refresh period
  long long next_deadline;   // when the next frame is due, monotonic ns
};

namespace {

constexpr int POOL_SIZE = 8;
ptc::PixelFormat formats[POOL_SIZE];
ptc::Palette palettes[POOL_SIZE];
ptc::Console the_console;

long long monotonic_ns() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000ll + now.tv_nsec;
}

void sleep_until(long long deadline_ns) {
  timespec until{static_cast<time_t>(deadline_ns / 1000000000ll), static_cast<long>(deadline_ns % 1000000000ll)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0) {
  }
}

// A GPU is worth using where the kernel exposes a render node.
bool gpu_present() { return access("/dev/dri/renderD128", R_OK | W_OK) == 0; }

bool want_accelerated(const ptc::Console& console) {
  const char* forced = SDL_getenv("REPORT_RENDERER");
  if (forced != nullptr && std::strcmp(forced, "software") == 0) return false;
  if (forced != nullptr && std::strcmp(forced, "accelerated") == 0) return true;
  return console.accelerated_allowed && gpu_present();
}

SDL_Renderer* make_renderer(SDL_Window* window, bool accelerated, bool* vsync) {
  if (accelerated) {
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer != nullptr) {
      SDL_RendererInfo info;
      *vsync = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
      return renderer;
    }
  }
  // The software renderer draws into the window's own surface: keep that a
  // plain shared-memory image rather than a GL texture.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  *vsync = false;
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

long long refresh_period_ns(SDL_Window* window) {
  SDL_DisplayMode mode;
  int hz = 0;
  if (SDL_GetWindowDisplayMode(window, &mode) == 0) hz = mode.refresh_rate;
  if (hz < 20 || hz > 500) hz = 60;
  return 1000000000ll / hz;
}

}  // namespace

namespace ptc {

int acquire_component() { return 0; }

PixelFormat* create_pixel_format(int bits, std::uint32_t red_mask, std::uint32_t green_mask,
                                 std::uint32_t blue_mask, std::uint32_t alpha_mask) {
  for (PixelFormat& format : formats)
    if (!format.in_use) {
      format = PixelFormat{bits, {red_mask, green_mask, blue_mask, alpha_mask}, true};
      return &format;
    }
  return nullptr;
}

void destroy_pixel_format(PixelFormat* format) {
  if (format != nullptr) format->in_use = false;
}

Palette* create_palette() {
  for (Palette& palette : palettes)
    if (!palette.in_use) {
      palette.in_use = true;
      return &palette;
    }
  return nullptr;
}

void destroy_palette(Palette* palette) {
  if (palette != nullptr) palette->in_use = false;
}

Console* create_console() {
  the_console = Console{};
  return &the_console;
}

bool set_console_option(Console* console, const char* option) {
  if (std::strcmp(option, "DirectX") == 0) {
    console->accelerated_allowed = true;
    return true;
  }
  if (std::strcmp(option, "fullscreen output") == 0) {
    console->fullscreen = true;
    return true;
  }
  return false;
}

bool open_console(Console* console, win::WindowHandle, int width, int height, const PixelFormat*, int) {
  SDL_Window* window = sdl_program_window();
  if (console == nullptr || window == nullptr) return false;
  if (console->fullscreen) SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  console->renderer = make_renderer(window, want_accelerated(*console), &console->vsync);
  if (console->renderer == nullptr) return false;
  SDL_RenderSetLogicalSize(console->renderer, width, height);
  // Frame pixels are little-endian words 0x00RRGGBB; the fourth byte is not shown.
  console->texture = SDL_CreateTexture(console->renderer, SDL_PIXELFORMAT_RGB888,
                                       SDL_TEXTUREACCESS_STREAMING, width, height);
  // The program draws its own pointer.
  SDL_ShowCursor(SDL_DISABLE);
  console->period_ns = refresh_period_ns(window);
  console->next_deadline = 0;
  console->open = console->texture != nullptr;
  set_sdl_console_renderer(console->renderer);
  return console->open;
}

bool upload_frame(Console* console, const void* pixels, int, int, int pitch, const PixelFormat*,
                  const Palette*) {
  if (console == nullptr || !console->open) return false;
  return SDL_UpdateTexture(console->texture, nullptr, pixels, pitch) == 0;
}

void show_frame(Console* console) {
  if (console == nullptr || !console->open) return;
  SDL_SetRenderDrawColor(console->renderer, 0, 0, 0, 255);
  SDL_RenderClear(console->renderer);
  SDL_RenderCopy(console->renderer, console->texture, nullptr, nullptr);
  long long before = monotonic_ns();
  SDL_RenderPresent(console->renderer);
  long long now = monotonic_ns();

  // Where the present waited for the refresh, that wait is the pace.
  if (console->vsync && now - before > console->period_ns / 4) {
    console->next_deadline = now + console->period_ns;
    return;
  }
  // Otherwise sleep to the next period; after a long stall start afresh
  // rather than racing to catch up.
  if (console->next_deadline == 0 || now - console->next_deadline > console->period_ns)
    console->next_deadline = now + console->period_ns;
  else
    console->next_deadline += console->period_ns;
  sleep_until(console->next_deadline);
}

void close_console(Console* console) {
  if (console == nullptr || !console->open) return;
  set_sdl_console_renderer(nullptr);
  SDL_DestroyTexture(console->texture);
  SDL_DestroyRenderer(console->renderer);
  console->texture = nullptr;
  console->renderer = nullptr;
  console->open = false;
  SDL_ShowCursor(SDL_ENABLE);
  // The window itself stays, showing the last (black) frame, until the
  // process ends moments later. Hiding it would first take it out of full
  // screen, and SDL waits up to 100 ms for a window manager to answer that,
  // which without one never comes: time added to every quit.
}

void destroy_console(Console* console) {
  if (console != nullptr && console->open) close_console(console);
}

Error* create_error(const char* message) { return new Error{message}; }
const char* error_message(const Error* error) { return error->message.c_str(); }
void destroy_error(Error* error) { delete error; }

}  // namespace ptc

namespace {
SDL_Renderer* console_renderer = nullptr;
}

SDL_Renderer* sdl_console_renderer() { return console_renderer; }
void set_sdl_console_renderer(SDL_Renderer* renderer) { console_renderer = renderer; }
