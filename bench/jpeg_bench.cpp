// read_jpeg beside libjpeg's bare decode of the same file (scanlines read
// into one row, nothing converted or kept), for photographs of 320 x 240 and
// 640 x 480 encoded at set-up.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "bare_jpeg.h"
#include "image/jpeg_reader.h"
#include "image/readers.h"
#include "support/jpeg_encode.h"

namespace {

// Something with the statistics of a photograph: a shaded sky, a sun, a
// textured ground and sensor grain, stored as a camera would (quality 85,
// chroma subsampled).
std::vector<std::uint8_t> encode_photograph(unsigned width, unsigned height) {
  std::vector<std::uint8_t> rgb(std::size_t{width} * height * 3);
  std::uint32_t seed = 2024;
  for (unsigned y = 0; y < height; ++y)
    for (unsigned x = 0; x < width; ++x) {
      double u = double(x) / width, v = double(y) / height;
      double r, g, b;
      if (v < 0.55 + 0.05 * std::sin(u * 9.0)) {
        r = 90 + 120 * v;
        g = 140 + 90 * v;
        b = 230 - 30 * v;
        double d = std::hypot(u - 0.7, v - 0.2);
        if (d < 0.08) r = g = b = 250;
      } else {
        double texture = 30 * std::sin(x * 0.35 + 3 * std::sin(y * 0.21)) * std::cos(y * 0.5);
        r = 110 + texture;
        g = 95 + 0.8 * texture;
        b = 60 + 0.5 * texture;
      }
      seed = seed * 1664525u + 1013904223u;
      double grain = int(seed >> 27) - 16;
      std::uint8_t* p = &rgb[(std::size_t{y} * width + x) * 3];
      p[0] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, r + grain)));
      p[1] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, g + grain)));
      p[2] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, b + grain)));
    }

  fixture::JpegEncoding camera;
  camera.quality = 85;
  camera.subsampled = true;
  return fixture::encode_jpeg(width, height, 3, JCS_RGB, rgb, camera);
}

// Temporary photograph files, removed when the benchmark program ends.
struct PhotographFiles {
  std::string paths[2];
  ~PhotographFiles() {
    for (const std::string& path : paths)
      if (!path.empty()) std::remove(path.c_str());
  }
};

// The photograph of the given size, written once to a temporary file.
const std::string& photograph_path(unsigned width, unsigned height) {
  static PhotographFiles files;
  std::string& path = files.paths[width > 320 ? 1 : 0];
  if (path.empty()) {
    char name[] = "/tmp/report_bench_XXXXXX";
    int fd = mkstemp(name);
    std::vector<std::uint8_t> file = encode_photograph(width, height);
    if (fd < 0 || write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) std::abort();
    close(fd);
    path = name;
  }
  return path;
}

void set_counters(benchmark::State& state, unsigned width, unsigned height) {
  state.SetItemsProcessed(state.iterations() * std::int64_t{width} * height);
  state.counters["pixels"] = double(width) * height;
}

void BM_read_jpeg(benchmark::State& state) {
  unsigned width = static_cast<unsigned>(state.range(0)), height = static_cast<unsigned>(state.range(1));
  const std::string& path = photograph_path(width, height);
  Image image;
  for (auto _ : state) {
    read_jpeg(path.c_str(), image);
    benchmark::DoNotOptimize(image.pixels.get());
  }
  set_counters(state, width, height);
}

// libjpeg alone on the same file: the stdio source, default parameters,
// scanlines read one at a time into one row and dropped.
void BM_bare_libjpeg_decode(benchmark::State& state) {
  unsigned width = static_cast<unsigned>(state.range(0)), height = static_cast<unsigned>(state.range(1));
  const std::string& path = photograph_path(width, height);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    bare_jpeg_decode([&](jpeg_decompress_struct& info) { jpeg_stdio_src(&info, file); });
    std::fclose(file);
  }
  set_counters(state, width, height);
}

// The decode step of read_jpeg alone (file read, libjpeg, RGB buffer), to
// show where read_jpeg's time beyond the bare decode goes.
void BM_decode_jpeg_rgb(benchmark::State& state) {
  unsigned width = static_cast<unsigned>(state.range(0)), height = static_cast<unsigned>(state.range(1));
  const std::string& path = photograph_path(width, height);
  for (auto _ : state) {
    std::uint32_t w = 0, h = 0;
    std::unique_ptr<std::uint8_t[]> rgb = decode_jpeg_rgb(path.c_str(), w, h);
    benchmark::DoNotOptimize(rgb.get());
  }
  set_counters(state, width, height);
}

}  // namespace

BENCHMARK(BM_bare_libjpeg_decode)->Args({320, 240})->Args({640, 480})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_decode_jpeg_rgb)->Args({320, 240})->Args({640, 480})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_read_jpeg)->Args({320, 240})->Args({640, 480})->Unit(benchmark::kMicrosecond);
