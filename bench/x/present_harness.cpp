// present_frame on the real SDL2 backend: the program's window and console,
// opened as the program opens them, presenting the benchmark's eight test
// frames in turn (each differs from the one before).
// Usage: present_harness FRAMES. Prints "cpu_us_per_frame N" over the frames
// after the first 30, measured as the CPU time of the whole process.

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/display.h"
#include "app/window.h"
#include "test_frames.h"

namespace {

// CPU time of the whole process (every thread), from the scheduler's own
// accounting rather than clock ticks.
double cpu_us() {
  timespec used;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return used.tv_sec * 1e6 + used.tv_nsec / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  long frames = argc > 1 ? std::atol(argv[1]) : 300;
  std::vector<std::uint32_t> pictures[bench::TEST_FRAME_COUNT];
  for (int k = 0; k < bench::TEST_FRAME_COUNT; ++k) pictures[k] = bench::make_test_frame(k);

  program_display.format = create_display_pixel_format();
  win::WindowHandle window = create_program_window(win::current_instance(), win::startup_show_command());
  open_display(program_display, window);

  double cpu_start = 0;
  for (long n = 0; n < frames; ++n) {
    if (n == 30) cpu_start = cpu_us();
    win::Message message{};
    while (win::peek_message(&message, window, 0, 0, win::PEEK_REMOVE)) win::dispatch_message(&message);
    present_frame(pictures[n % bench::TEST_FRAME_COUNT].data());
  }
  if (frames > 30) std::printf("cpu_us_per_frame %.1f\n", (cpu_us() - cpu_start) / (frames - 30));
  ptc::close_console(program_display.console);
  destroy_display(program_display);
  return 0;
}
