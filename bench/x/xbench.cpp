// The real-window measurements, under a private Xvfb: the real `report` and
// the bare SDL2 reference (bare_sdl), both with the measuring shim preloaded.
// Prints one "key value" line per figure; bench/run turns them into goals.
//
// Usage: xbench BUILD_DIR [REPETITIONS [AUTOPLAY_SECONDS]]
//   BUILD_DIR holds report, show/ and bench/x/ (bare_sdl, present_harness,
//   libpresent_shim.so). AUTOPLAY_SECONDS (20) is the length of the steady
//   playback window; a long one makes this the soak run.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/xvfb.h"

namespace {

constexpr double REFRESH_HZ = 60.0;  // Xvfb reports no rate; the console then paces at 60 Hz
constexpr double PERIOD_NS = 1e9 / REFRESH_HZ;
// Where the pointer clicks play, and where it rests during playback (no zone).
constexpr int PLAY_X = 385, PLAY_Y = 240;
constexpr int REST_X = 250, REST_Y = 60;

std::string build_dir;
std::string display;

long long now_ns() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000ll + t.tv_nsec;
}

void sleep_s(double seconds) {
  timespec t{static_cast<time_t>(seconds), static_cast<long>((seconds - std::floor(seconds)) * 1e9)};
  while (nanosleep(&t, &t) != 0) {
  }
}

double median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double p) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  std::size_t index = static_cast<std::size_t>(std::ceil(p * values.size())) - 1;
  return values[std::min(index, values.size() - 1)];
}

void put(const char* key, double value) { std::printf("%s %.4f\n", key, value); std::fflush(stdout); }

// ---- processes ----

struct Child {
  pid_t pid = -1;
  long long started_ns = 0;
  std::string log;     // the shim's notes
  std::string output;  // standard output
};

Child spawn(const std::vector<std::string>& argv, const std::string& folder, const std::vector<std::string>& env) {
  static int serial = 0;
  Child child;
  std::string base = "/tmp/report-xbench-" + std::to_string(getpid()) + "-" + std::to_string(serial++);
  child.log = base + ".log";
  child.output = base + ".out";
  unlink(child.log.c_str());
  unlink((child.log + ".first").c_str());
  child.started_ns = now_ns();
  child.pid = fork();
  if (child.pid == 0) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("REPORT_BENCH_LOG", child.log.c_str(), 1);
    setenv("LD_PRELOAD", (build_dir + "/bench/x/libpresent_shim.so").c_str(), 1);
    for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
    if (chdir(folder.c_str()) != 0) _exit(126);
    int out = open(child.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, 0);
    dup2(out, 1);
    dup2(null_fd, 2);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  return child;
}

// Waits up to `seconds` for the child's end; kills it when it does not end.
void finish(Child& child, double seconds) {
  long long end = now_ns() + static_cast<long long>(seconds * 1e9);
  while (now_ns() < end) {
    if (waitpid(child.pid, nullptr, WNOHANG) == child.pid) return;
    sleep_s(0.02);
  }
  kill(child.pid, SIGKILL);
  waitpid(child.pid, nullptr, 0);
}

void clean(const Child& child) {
  unlink(child.log.c_str());
  unlink((child.log + ".first").c_str());
  unlink(child.output.c_str());
}

std::string read_text(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// "cpu_us_per_frame N" from a child's output.
double reported_cpu(const Child& child) {
  std::string text = read_text(child.output);
  std::size_t at = text.find("cpu_us_per_frame ");
  return at == std::string::npos ? NAN : std::atof(text.c_str() + at + 17);
}

// The first present's time, once the shim has written it.
long long wait_first_present(const Child& child, double seconds) {
  long long end = now_ns() + static_cast<long long>(seconds * 1e9);
  while (now_ns() < end) {
    std::string text = read_text(child.log + ".first");
    if (!text.empty() && text.back() == '\n') return std::atoll(text.c_str());
    sleep_s(0.005);
  }
  return -1;
}

// CPU time of every thread of a process so far, from the scheduler (ns).
double process_cpu_ns(pid_t pid) {
  double total = 0;
  std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  if (DIR* dir = opendir(tasks.c_str())) {
    while (dirent* entry = readdir(dir)) {
      if (entry->d_name[0] == '.') continue;
      std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
      double ns = 0;
      if (stat >> ns) total += ns;
    }
    closedir(dir);
  }
  return total;
}

double status_kb(pid_t pid, const char* field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, std::strlen(field), field) == 0) return std::atof(line.c_str() + std::strlen(field));
  return NAN;
}

void xdotool(const std::string& arguments) {
  std::string command = "DISPLAY=" + display + " xdotool " + arguments + " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "xdotool %s failed\n", arguments.c_str());
}

// ---- the shim's notes ----

struct Note {
  char kind;
  long long ns;
  long mallocs;
};

std::vector<Note> read_notes(const std::string& path) {
  std::vector<Note> notes;
  std::ifstream file(path);
  Note note;
  while (file >> note.kind >> note.ns >> note.mallocs) notes.push_back(note);
  return notes;
}

// ---- the measurements ----

std::string tool(const char* name) { return build_dir + "/bench/x/" + name; }
std::string show() { return build_dir + "/show"; }

// present_frame on the real backend beside the bare program on each path,
// interleaved, CPU of the whole process per frame.
void measure_present(int repetitions) {
  const char* paths[] = {"surface", "software", "accelerated"};
  std::vector<double> program, bare[3];
  for (int r = 0; r < repetitions; ++r) {
    Child harness = spawn({tool("present_harness"), "210"}, show(), {});
    finish(harness, 30);
    program.push_back(reported_cpu(harness));
    clean(harness);
    for (int p = 0; p < 3; ++p) {
      Child reference = spawn({tool("bare_sdl"), paths[p], "210"}, show(), {});
      finish(reference, 30);
      bare[p].push_back(reported_cpu(reference));
      clean(reference);
    }
  }
  put("present_cpu_us_report", median(program));
  double cheapest = INFINITY;
  for (int p = 0; p < 3; ++p) {
    double m = median(bare[p]);
    put((std::string("present_cpu_us_bare_") + paths[p]).c_str(), m);
    cheapest = std::min(cheapest, m);
  }
  put("present_cpu_us_bare_cheapest", cheapest);
}

// Exec to the first frame shown: report (first intro frame) and the bare
// program on the window-surface path (first present).
void measure_startup(int repetitions) {
  std::vector<double> program, bare;
  for (int r = 0; r < repetitions; ++r) {
    Child run = spawn({build_dir + "/report"}, show(), {"SDL_AUDIODRIVER=dummy"});
    long long first = wait_first_present(run, 20);
    if (first > 0) program.push_back((first - run.started_ns) / 1e6);
    kill(run.pid, SIGKILL);
    finish(run, 5);
    clean(run);
    Child reference = spawn({tool("bare_sdl"), "surface", "1"}, show(), {});
    first = wait_first_present(reference, 20);
    if (first > 0) bare.push_back((first - reference.started_ns) / 1e6);
    finish(reference, 10);
    clean(reference);
  }
  put("startup_ms_report", median(program));
  put("startup_ms_bare_sdl", median(bare));
}

// The frame each present belongs to: the number of paced sleeps before it.
struct Frames {
  std::vector<long long> ends;          // each frame's end (its paced sleep's return)
  std::vector<std::pair<long, Note>> presents;  // frame index (0-based), note
};

Frames frames_of(const std::vector<Note>& notes) {
  Frames frames;
  for (const Note& note : notes) {
    if (note.kind == 'S') frames.ends.push_back(note.ns);
    if (note.kind == 'P') frames.presents.push_back({static_cast<long>(frames.ends.size()), note});
  }
  return frames;
}

// The real program from start to Escape: the intro's length, then autoplay
// with the pointer still for `seconds`: CPU share, memory, frame intervals,
// allocations on the main thread.
void measure_playback(double seconds) {
  Child run = spawn({build_dir + "/report"}, show(), {"SDL_AUDIODRIVER=dummy"});
  long long first = wait_first_present(run, 20);
  if (first < 0) {
    std::fprintf(stderr, "report showed nothing\n");
    finish(run, 1);
    return;
  }
  sleep_s(5.5);  // the intro
  xdotool("mousemove " + std::to_string(PLAY_X) + " " + std::to_string(PLAY_Y));
  sleep_s(0.2);
  xdotool("click 1");
  sleep_s(0.2);
  xdotool("mousemove " + std::to_string(REST_X) + " " + std::to_string(REST_Y));
  sleep_s(1.0);

  long long t0 = now_ns();
  double cpu0 = process_cpu_ns(run.pid), rss0 = status_kb(run.pid, "VmRSS:");
  double rss_after_minute = NAN;
  std::vector<double> rss_samples;
  bool ended_early = false;
  while (now_ns() - t0 < seconds * 1e9 && !ended_early) {
    sleep_s(std::min(5.0, seconds - (now_ns() - t0) / 1e9 + 0.001));
    // Something else may end the program (a signal from outside); the
    // figures then cover less than the window asked for.
    ended_early = waitpid(run.pid, nullptr, WNOHANG) == run.pid;
    if (ended_early) break;
    rss_samples.push_back(status_kb(run.pid, "VmRSS:"));
    if (std::isnan(rss_after_minute) && now_ns() - t0 >= 60e9) rss_after_minute = rss_samples.back();
  }
  long long t1 = now_ns();
  double cpu1 = process_cpu_ns(run.pid), rss1 = status_kb(run.pid, "VmRSS:");
  double hwm = status_kb(run.pid, "VmHWM:");
  if (!ended_early) {
    xdotool("key Escape");
    finish(run, 10);
  }

  Frames frames = frames_of(read_notes(run.log));
  clean(run);
  // The intro: its first frame to the first player frame, 300 frames on.
  long long intro_start = -1, intro_end = -1;
  for (const auto& present : frames.presents) {
    if (present.first == 0) intro_start = present.second.ns;
    if (present.first == 300) intro_end = present.second.ns;
  }
  put("intro_seconds", intro_start > 0 && intro_end > 0 ? (intro_end - intro_start) / 1e9 : NAN);

  std::vector<double> intervals;
  for (std::size_t i = 1; i < frames.ends.size(); ++i)
    if (frames.ends[i - 1] >= t0 && frames.ends[i] <= t1)
      intervals.push_back((frames.ends[i] - frames.ends[i - 1]) / PERIOD_NS);
  // A slide change is the frame whose present follows a burst of allocations
  // (file, decoder, photograph); an ordinary frame makes only the display's few.
  long slide_changes = 0, frames_in_window = static_cast<long>(intervals.size()), mallocs = 0, presents = 0;
  for (const auto& present : frames.presents) {
    if (present.second.ns < t0 || present.second.ns > t1) continue;
    ++presents;
    if (present.second.mallocs >= 12)
      ++slide_changes;
    else
      mallocs += present.second.mallocs;
  }
  put("playback_ended_early", ended_early ? 1 : 0);
  put("playback_seconds", (t1 - t0) / 1e9);
  put("playback_frames", frames_in_window);
  put("playback_presents", presents);
  put("playback_slide_changes", slide_changes);
  put("playback_interval_p99_periods", percentile(intervals, 0.99));
  put("playback_interval_max_periods", intervals.empty() ? NAN : *std::max_element(intervals.begin(), intervals.end()));
  put("playback_cpu_share_report", (cpu1 - cpu0) / (t1 - t0));
  put("playback_rss_start_kb", rss0);
  put("playback_rss_end_kb", rss1);
  put("playback_rss_after_minute_kb", std::isnan(rss_after_minute) ? rss0 : rss_after_minute);
  put("playback_rss_max_kb", *std::max_element(rss_samples.begin(), rss_samples.end()));
  put("peak_rss_kb_report", hwm);
  put("playback_mallocs_per_ordinary_frame_report",
      frames_in_window > 0 ? double(mallocs) / double(frames_in_window - slide_changes) : NAN);
}

// The bare present loop at the same pace on the same path: CPU share,
// peak memory, allocations per frame.
void measure_bare_loop(double seconds) {
  Child run = spawn({tool("bare_sdl"), "surface", "0", "1"}, show(), {});
  if (wait_first_present(run, 20) < 0) {
    finish(run, 1);
    return;
  }
  sleep_s(1.5);
  long long t0 = now_ns();
  double cpu0 = process_cpu_ns(run.pid);
  sleep_s(seconds);
  long long t1 = now_ns();
  double cpu1 = process_cpu_ns(run.pid);
  double hwm = status_kb(run.pid, "VmHWM:");
  kill(run.pid, SIGTERM);
  finish(run, 10);
  Frames frames = frames_of(read_notes(run.log));
  clean(run);
  std::vector<double> intervals;
  for (std::size_t i = 1; i < frames.ends.size(); ++i)
    if (frames.ends[i - 1] >= t0 && frames.ends[i] <= t1)
      intervals.push_back((frames.ends[i] - frames.ends[i - 1]) / PERIOD_NS);
  put("playback_interval_p99_periods_bare_sdl", percentile(intervals, 0.99));
  put("playback_interval_max_periods_bare_sdl",
      intervals.empty() ? NAN : *std::max_element(intervals.begin(), intervals.end()));
  long mallocs = 0, count = 0;
  for (const auto& present : frames.presents)
    if (present.second.ns >= t0 && present.second.ns <= t1) {
      mallocs += present.second.mallocs;
      ++count;
    }
  put("playback_cpu_share_bare_sdl", (cpu1 - cpu0) / (t1 - t0));
  put("peak_rss_kb_bare_sdl", hwm);
  put("playback_mallocs_per_frame_bare_sdl", count > 0 ? double(mallocs) / count : NAN);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: xbench BUILD_DIR [REPETITIONS [AUTOPLAY_SECONDS]]\n");
    return 2;
  }
  build_dir = argv[1];
  int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
  double seconds = argc > 3 ? std::atof(argv[3]) : 20;
  pid_t server = xvfb::start(display);
  if (server < 0) {
    std::fprintf(stderr, "xbench: Xvfb did not start\n");
    return 1;
  }
  bool soak = seconds > 60;
  bool only_playback = std::getenv("XBENCH_ONLY_PLAYBACK") != nullptr;
  if (!soak && !only_playback) {
    measure_present(repetitions);
    measure_startup(repetitions + 2);
  }
  measure_playback(seconds);
  if (!soak) measure_bare_loop(std::min(seconds, 10.0));
  xvfb::stop(server);
  return 0;
}
