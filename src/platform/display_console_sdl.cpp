// Display console on SDL2: the 640 x 480 picture on the program's window,
// scaled up with its aspect kept, and show_frame paced to the display's
// refresh.
//
// Two paths, picked by what is cheap on this machine:
// - accelerated: an SDL renderer with vertical sync and one streaming
//   texture, where a GPU is present;
// - software: the window's own surface (a shared-memory image on X11), which
//   a frame is copied into directly. Without a GPU this costs far less than
//   SDL's software renderer (one copy fewer, no clear) and a fraction of
//   software OpenGL. Only the rows that differ from the frame on screen are
//   copied and sent to the display; a frame identical to the one on screen
//   sends nothing, and show_frame still keeps the pace.
// REPORT_RENDERER=software or =accelerated forces either.
#include <time.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
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
  int width, height;         // the frame's size
  // Accelerated path.
  SDL_Renderer* renderer;
  SDL_Texture* texture;
  bool vsync;                // the renderer waits for the refresh itself
  // Software path.
  SDL_Surface* surface;      // the window's surface the frame was last drawn into
  SDL_Surface* scaled_source;// wraps `last_frame` for the scaled copy
  SDL_Rect picture;          // where the frame lands in the window
  bool whole_update;         // the window needs every pixel again (new surface, exposed)
  int dirty_top, dirty_end;  // rows of the frame changed since the last show
  long long period_ns;       // one refresh period
  long long next_deadline;   // when the next frame is due, monotonic ns
};

namespace {

constexpr int POOL_SIZE = 8;
constexpr int MAX_WIDTH = 640;
constexpr int MAX_HEIGHT = 480;
ptc::PixelFormat formats[POOL_SIZE];
ptc::Palette palettes[POOL_SIZE];
ptc::Console the_console;
// The frame on screen, kept only when the window shows it scaled (the window
// surface then holds other pixels); untouched, so not resident, otherwise.
std::uint32_t last_frame[MAX_WIDTH * MAX_HEIGHT];

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

bool open_accelerated(ptc::Console& console, SDL_Window* window) {
  console.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (console.renderer == nullptr) return false;
  SDL_RendererInfo info;
  console.vsync = SDL_GetRendererInfo(console.renderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
  SDL_RenderSetLogicalSize(console.renderer, console.width, console.height);
  // Frame pixels are little-endian words 0x00RRGGBB; the fourth byte is not shown.
  console.texture = SDL_CreateTexture(console.renderer, SDL_PIXELFORMAT_RGB888,
                                      SDL_TEXTUREACCESS_STREAMING, console.width, console.height);
  if (console.texture != nullptr) return true;
  SDL_DestroyRenderer(console.renderer);
  console.renderer = nullptr;
  return false;
}

// SDL tells of a new size or an uncovered window through its event queue;
// the next frame then goes out whole.
int watch_window_events(void*, SDL_Event* event) {
  if (event->type == SDL_WINDOWEVENT) {
    Uint8 what = event->window.event;
    if (what == SDL_WINDOWEVENT_EXPOSED || what == SDL_WINDOWEVENT_SIZE_CHANGED ||
        what == SDL_WINDOWEVENT_RESIZED || what == SDL_WINDOWEVENT_SHOWN || what == SDL_WINDOWEVENT_RESTORED)
      the_console.whole_update = true;
  }
  return 1;
}

bool open_software(ptc::Console& console, SDL_Window* window) {
  // A plain shared-memory image rather than one drawn through OpenGL.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(window) == nullptr) return false;
  console.scaled_source = SDL_CreateRGBSurfaceWithFormatFrom(last_frame, console.width, console.height, 32,
                                                             console.width * 4, SDL_PIXELFORMAT_RGB888);
  if (console.scaled_source == nullptr) return false;
  console.vsync = false;
  console.whole_update = true;
  SDL_AddEventWatch(watch_window_events, nullptr);
  return true;
}

// The window's surface, with `picture` placed in it (aspect kept, centred);
// a new surface is painted black and marked for a whole update.
SDL_Surface* current_surface(ptc::Console& console) {
  SDL_Surface* surface = SDL_GetWindowSurface(sdl_program_window());
  if (surface == nullptr) return nullptr;
  if (surface != console.surface || console.whole_update) {
    console.surface = surface;
    console.whole_update = true;
    int w = surface->w, h = surface->h;
    if (std::int64_t{w} * console.height > std::int64_t{h} * console.width)
      w = static_cast<int>(std::int64_t{h} * console.width / console.height);
    else
      h = static_cast<int>(std::int64_t{w} * console.height / console.width);
    console.picture = SDL_Rect{(surface->w - w) / 2, (surface->h - h) / 2, w, h};
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  }
  return surface;
}

// The frame goes straight into the surface, row for row.
bool shown_unscaled(const ptc::Console& console, const SDL_Surface* surface) {
  return console.picture.w == console.width && console.picture.h == console.height &&
         surface->format->format == SDL_PIXELFORMAT_RGB888 && surface->pitch >= console.width * 4;
}

// Copies one row into the window's surface. The display reads the surface
// from memory, not from this core's cache, so streaming stores that bypass
// the cache save reading every target line first.
void copy_row(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes) {
#if defined(__SSE2__)
  if (reinterpret_cast<std::uintptr_t>(to) % 16 == 0 && bytes % 64 == 0) {
    auto* target = reinterpret_cast<__m128i*>(to);
    const auto* source = reinterpret_cast<const __m128i*>(from);
    for (std::size_t i = 0; i < bytes / 16; i += 4) {
      __m128i a = _mm_loadu_si128(source + i), b = _mm_loadu_si128(source + i + 1);
      __m128i c = _mm_loadu_si128(source + i + 2), d = _mm_loadu_si128(source + i + 3);
      _mm_stream_si128(target + i, a);
      _mm_stream_si128(target + i + 1, b);
      _mm_stream_si128(target + i + 2, c);
      _mm_stream_si128(target + i + 3, d);
    }
    return;
  }
#endif
  std::memcpy(to, from, bytes);
}

// Copies the rows of `pixels` that differ from `target` (every row when
// `all`) and widens the console's band of changed rows to cover them. Rows
// bound for the window's surface are streamed; those for `last_frame` are
// read again at once by the scaling and go through the cache.
void copy_changed_rows(ptc::Console& console, const std::uint8_t* pixels, int pitch, std::uint8_t* target,
                       int target_pitch, bool all, bool to_surface) {
  const std::size_t row_bytes = static_cast<std::size_t>(console.width) * 4;
  int top = console.height, end = 0;
  for (int y = 0; y < console.height; ++y) {
    const std::uint8_t* from = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
    std::uint8_t* to = target + static_cast<std::ptrdiff_t>(y) * target_pitch;
    if (!all && std::memcmp(from, to, row_bytes) == 0) continue;
    if (to_surface)
      copy_row(to, from, row_bytes);
    else
      std::memcpy(to, from, row_bytes);
    top = std::min(top, y);
    end = y + 1;
  }
#if defined(__SSE2__)
  _mm_sfence();  // the streamed rows are in memory before the display is told
#endif
  if (top >= end) return;
  bool empty = console.dirty_top >= console.dirty_end;
  console.dirty_top = empty ? top : std::min(console.dirty_top, top);
  console.dirty_end = empty ? end : std::max(console.dirty_end, end);
}

// Rows [first, end) of the frame on the window's rows they cover (the end
// rounded up when `cover`, so that a band never misses a partly covered row).
SDL_Rect window_band(const ptc::Console& console, int first, int end, bool cover) {
  const SDL_Rect& p = console.picture;
  int top = p.y + static_cast<int>(std::int64_t{first} * p.h / console.height);
  std::int64_t scaled_end = std::int64_t{end} * p.h + (cover ? console.height - 1 : 0);
  int bottom = p.y + static_cast<int>(scaled_end / console.height);
  return SDL_Rect{p.x, top, p.w, bottom - top};
}

bool upload_software(ptc::Console& console, const void* pixels, int pitch) {
  SDL_Surface* surface = current_surface(console);
  if (surface == nullptr) return false;
  const auto* rows = static_cast<const std::uint8_t*>(pixels);
  if (shown_unscaled(console, surface)) {
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    auto* target = static_cast<std::uint8_t*>(surface->pixels) +
                   static_cast<std::ptrdiff_t>(console.picture.y) * surface->pitch + console.picture.x * 4;
    copy_changed_rows(console, rows, pitch, target, surface->pitch, console.whole_update, true);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    return true;
  }
  copy_changed_rows(console, rows, pitch, reinterpret_cast<std::uint8_t*>(last_frame), console.width * 4,
                    console.whole_update, false);
  if (console.dirty_top >= console.dirty_end) return true;
  // Scale the changed band of rows onto the rows of the window it covers.
  SDL_Rect from{0, console.dirty_top, console.width, console.dirty_end - console.dirty_top};
  SDL_Rect to = window_band(console, console.dirty_top, console.dirty_end, false);
  return SDL_BlitScaled(console.scaled_source, &from, surface, &to) == 0;
}

void show_software(ptc::Console& console) {
  if (console.surface == nullptr || console.dirty_top >= console.dirty_end) return;
  SDL_Window* window = sdl_program_window();
  if (console.whole_update) {
    SDL_UpdateWindowSurface(window);
  } else {
    SDL_Rect band = window_band(console, console.dirty_top, console.dirty_end, true);
    SDL_UpdateWindowSurfaceRects(window, &band, 1);
  }
  console.whole_update = false;
  console.dirty_top = console.dirty_end = 0;
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
  if (width <= 0 || height <= 0 || width > MAX_WIDTH || height > MAX_HEIGHT) return false;
  console->width = width;
  console->height = height;
  if (console->fullscreen) SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  bool opened = (want_accelerated(*console) && open_accelerated(*console, window)) ||
                open_software(*console, window);
  if (!opened) return false;
  // The program draws its own pointer.
  SDL_ShowCursor(SDL_DISABLE);
  console->period_ns = refresh_period_ns(window);
  console->next_deadline = 0;
  console->open = true;
  return true;
}

bool upload_frame(Console* console, const void* pixels, int, int, int pitch, const PixelFormat*,
                  const Palette*) {
  if (console == nullptr || !console->open) return false;
  if (console->renderer == nullptr) return upload_software(*console, pixels, pitch);
  return SDL_UpdateTexture(console->texture, nullptr, pixels, pitch) == 0;
}

void show_frame(Console* console) {
  if (console == nullptr || !console->open) return;
  long long before = monotonic_ns();
  if (console->renderer != nullptr) {
    SDL_SetRenderDrawColor(console->renderer, 0, 0, 0, 255);
    SDL_RenderClear(console->renderer);
    SDL_RenderCopy(console->renderer, console->texture, nullptr, nullptr);
    before = monotonic_ns();
    SDL_RenderPresent(console->renderer);
  } else {
    show_software(*console);
  }
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
  if (console->renderer != nullptr) {
    SDL_DestroyTexture(console->texture);
    SDL_DestroyRenderer(console->renderer);
  } else {
    SDL_DelEventWatch(watch_window_events, nullptr);
    SDL_FreeSurface(console->scaled_source);
  }
  console->texture = nullptr;
  console->renderer = nullptr;
  console->scaled_source = nullptr;
  console->surface = nullptr;
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

bool sdl_window_to_console(int x, int y, int* console_x, int* console_y) {
  const ptc::Console& console = the_console;
  if (!console.open) return false;
  if (console.renderer != nullptr) {
    float lx = 0, ly = 0;
    SDL_RenderWindowToLogical(console.renderer, x, y, &lx, &ly);
    *console_x = static_cast<int>(lx);
    *console_y = static_cast<int>(ly);
    return true;
  }
  if (console.surface == nullptr || console.picture.w <= 0 || console.picture.h <= 0) return false;
  // Floor division, so that points left of or above the picture stay negative.
  auto scale = [](int offset, int console_size, int picture_size) {
    std::int64_t n = std::int64_t{offset} * console_size;
    return static_cast<int>(n >= 0 ? n / picture_size : -((-n + picture_size - 1) / picture_size));
  };
  *console_x = scale(x - console.picture.x, console.width, console.picture.w);
  *console_y = scale(y - console.picture.y, console.height, console.picture.h);
  return true;
}
