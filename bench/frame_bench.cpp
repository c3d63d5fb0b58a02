// The program's own work in-process, each beside the bare reference the
// performance goals are stated against:
// - an ordinary player frame (pointer pump, restore, sample, logo, controls
//   with a hover, cursor; present excluded) and the fade step, beside a
//   memcpy of one 1,228,800-byte frame;
// - a slide change (compose_slide, photograph read and decode included),
//   beside libjpeg's bare decode of the same photograph from memory;
// - the bare decodes of all artwork (the start-up reference);
// - heap allocations per ordinary frame, and memory after 10,000 slide changes.
// The built-in show is loaded through the fake platform.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "alloc_count.h"
#include "bare_jpeg.h"
#include "app/catalogue.h"
#include "app/fade.h"
#include "app/run.h"
#include "app/window.h"
#include "player/player_controls.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/blit.h"
#include "render/framebuffer.h"
#include "support/fake_platform.h"

namespace {

constexpr std::size_t FRAME_BYTES = 640 * 480 * 4;  // 1,228,800
// The pointer rests on the play button, so the controls draw its hover image.
constexpr int HOVER_X = 385;
constexpr int HOVER_Y = 240;
// The slide whose photograph the slide-change benchmarks read.
constexpr int BENCH_SLIDE = 5;

// The show loaded as the run loads it, the first player screen composed and
// the pointer over a button; done once for the whole benchmark program.
void load_show() {
  static bool loaded = false;
  if (loaded) return;
  fake::RunOptions options;
  options.script = {fake::pointer_at(0, HOVER_X, HOVER_Y)};
  fake::begin_recording(options);
  fake::reset_program_state();
  if (chdir(fake::show_folder().c_str()) != 0) throw std::runtime_error("no built-in show");
  build_slide_table();
  load_logo_strip(logo_strip);
  load_artwork_catalogue();
  sample_cursor();
  show_first_slide();
  draw_cursor(artwork_pixels(ART_CURSOR), framebuffer, cursor_save_under, 0, cursor_x, cursor_y);
  loaded = true;
}

std::vector<unsigned char> file_bytes(const char* program_path) {
  std::string path = program_path;
  for (char& c : path)
    if (c == '\\') c = '/';
  std::vector<unsigned char> bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    unsigned char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
  }
  if (bytes.empty()) throw std::runtime_error(std::string("cannot read ") + path);
  return bytes;
}

// libjpeg alone on a file in memory: default parameters, scanlines read one
// at a time into one row and dropped.
void bare_decode(const std::vector<unsigned char>& jpeg) {
  bare_jpeg_decode([&](jpeg_decompress_struct& info) {
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  });
}

long status_kb(const char* field) {
  long value = -1;
  if (std::FILE* file = std::fopen("/proc/self/status", "r")) {
    char line[256];
    std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file))
      if (std::strncmp(line, field, length) == 0) value = std::atol(line + length);
    std::fclose(file);
  }
  return value;
}

alignas(64) unsigned char copy_source[FRAME_BYTES];
alignas(64) unsigned char copy_target[FRAME_BYTES];

void BM_memcpy_frame(benchmark::State& state) {
  std::memset(copy_source, 0x5A, FRAME_BYTES);
  for (auto _ : state) {
    benchmark::DoNotOptimize(copy_target);
    std::memcpy(copy_target, copy_source, FRAME_BYTES);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t{FRAME_BYTES});
}

// One ordinary frame of the loop, as run_frame_loop does it, without the present.
void ordinary_frame(win::WindowHandle window) {
  win::Message message{};
  while (win::peek_message(&message, window, 0, 0, win::PEEK_REMOVE)) win::dispatch_message(&message);
  restore_cursor(framebuffer, cursor_save_under, cursor_x, cursor_y);
  sample_cursor();
  draw_logo_frame(logo_strip, framebuffer, anim_tick);
  update_player_controls();
  click_pending = 0;
  draw_cursor(artwork_pixels(ART_CURSOR), framebuffer, cursor_save_under, 0, cursor_x, cursor_y);
}

void BM_player_frame(benchmark::State& state) {
  load_show();
  ordinary_frame(nullptr);
  long allocations_before = heap_allocations();
  for (auto _ : state) {
    ordinary_frame(nullptr);
    benchmark::ClobberMemory();
  }
  long allocations = heap_allocations() - allocations_before;
  state.counters["allocs_per_frame"] = double(allocations) / double(state.iterations());
  state.counters["hover_zone"] = player_controls.hover_zone;
}

void BM_halve_brightness(benchmark::State& state) {
  static std::uint32_t frame[640 * 480];
  std::memset(frame, 0xC3, sizeof frame);
  for (auto _ : state) {
    halve_brightness(frame);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t{FRAME_BYTES});
}

void BM_compose_slide(benchmark::State& state) {
  load_show();
  const Slide& slide = *slide_table.entries[BENCH_SLIDE];
  for (auto _ : state) {
    compose_slide(slide, artwork_pixels(ART_BACKGROUND), framebuffer, artwork_pixels(ART_FONT),
                  artwork_pixels(ART_CORNER));
    benchmark::ClobberMemory();
  }
}

void BM_bare_decode_photograph(benchmark::State& state) {
  load_show();
  std::vector<unsigned char> jpeg = file_bytes(slide_table.entries[BENCH_SLIDE]->photo_path);
  for (auto _ : state) bare_decode(jpeg);
}

// What start-up cannot do without: every artwork file and logo frame read,
// and the JPEG ones decoded by libjpeg alone.
void BM_bare_artwork_decodes(benchmark::State& state) {
  load_show();
  std::vector<std::string> paths;
  for (const ArtworkFile& file : artwork_files) paths.push_back(file.path);
  for (int i = 0; i < 10; ++i) paths.push_back("images\\01000" + std::to_string(i) + ".tga");
  for (auto _ : state)
    for (const std::string& path : paths) {
      std::vector<unsigned char> bytes = file_bytes(path.c_str());
      if (path.compare(path.size() - 3, 3, "jpg") == 0) bare_decode(bytes);
      benchmark::DoNotOptimize(bytes.data());
    }
}

// 10,000 slide changes through the controls' own path (fwd clicks); the
// memory in use afterwards is compared with the memory after the first 100.
void BM_slide_changes_memory(benchmark::State& state) {
  load_show();
  const int changes = static_cast<int>(state.range(0));
  long rss_growth = 0, heap_growth = 0;
  for (auto _ : state) {
    auto change = [](int k) {
      current_slide = static_cast<std::uint32_t>(k % SLIDE_COUNT);
      compose_slide(*slide_table.entries[current_slide], artwork_pixels(ART_BACKGROUND), framebuffer,
                    artwork_pixels(ART_FONT), artwork_pixels(ART_CORNER));
    };
    for (int k = 0; k < 100; ++k) change(k);
    long rss_before = status_kb("VmRSS:");
    long heap_before = static_cast<long>(mallinfo2().uordblks);
    for (int k = 100; k < 100 + changes; ++k) change(k);
    rss_growth = status_kb("VmRSS:") - rss_before;
    heap_growth = static_cast<long>(mallinfo2().uordblks) - heap_before;
  }
  state.counters["rss_growth_kb"] = double(rss_growth);
  state.counters["heap_growth_bytes"] = double(heap_growth);
}

}  // namespace

BENCHMARK(BM_memcpy_frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_player_frame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_halve_brightness)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_bare_decode_photograph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_compose_slide)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_bare_artwork_decodes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_slide_changes_memory)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
