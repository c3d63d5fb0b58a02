// Fake window system, display console, music and process services, driven
// by a script of input by frame number and recording everything they see.
#include "support/fake_platform.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <stdexcept>

#include "app/run.h"
#include "app/window.h"
#include "player/player_controls.h"
#include "platform/display_console.h"
#include "platform/music.h"
#include "platform/process.h"
#include "platform/window_system.h"

struct win::Window {
  int unused;
};

namespace fake {
namespace {

struct FakeState {
  RunOptions options;
  RunResult record;
  std::size_t next_event = 0;
  int presented = 0;
  int pointer_x = 0;
  int pointer_y = 0;
  std::deque<win::Message> queue;
  win::WindowProcedure procedure = nullptr;
  bool class_registered = false;
  bool window_made = false;
  const std::uint32_t* uploaded = nullptr;
  bool console_open = false;
  const ptc::PixelFormat* console_format = nullptr;
  std::deque<std::pair<int, std::vector<std::uint32_t>>> last_frames;
};

FakeState state;

// The fake's one window and console; their addresses serve as handles.
win::Window the_window;
char the_console;
char the_instance;
char the_module;
char the_play_handle;

void apply_script() {
  const auto& events = state.options.script;
  while (state.next_event < events.size() && events[state.next_event].frame <= state.presented) {
    const InputEvent& event = events[state.next_event++];
    win::WindowHandle window = &the_window;
    switch (event.kind) {
      case InputEvent::pointer:
        state.pointer_x = event.x;
        state.pointer_y = event.y;
        break;
      case InputEvent::left_press:
        state.queue.push_back({window, win::MSG_LBUTTONDOWN, 0, 0});
        break;
      case InputEvent::left_release:
        state.queue.push_back({window, win::MSG_LBUTTONUP, 0, 0});
        break;
      case InputEvent::right_release:
        state.queue.push_back({window, win::MSG_RBUTTONUP, 0, 0});
        break;
      case InputEvent::key_down:
        state.queue.push_back({window, win::MSG_KEYDOWN, event.key, 0});
        break;
      case InputEvent::close_request:
        state.queue.push_back({window, win::MSG_CLOSE, 0, 0});
        break;
      case InputEvent::quit_message:
        state.queue.push_back({nullptr, win::MSG_QUIT, 0, 0});
        break;
      case InputEvent::destroy:
        state.queue.push_back({window, win::MSG_DESTROY, 0, 0});
        break;
    }
  }
}

std::string describe_handle(const void* handle) { return handle == nullptr ? "null" : "handle"; }

}  // namespace

InputEvent pointer_at(int frame, int x, int y) { return {frame, InputEvent::pointer, x, y, 0}; }
InputEvent click_at(int frame) { return {frame, InputEvent::left_release}; }
InputEvent key_at(int frame, unsigned key) { return {frame, InputEvent::key_down, 0, 0, key}; }
InputEvent escape_at(int frame) { return key_at(frame, win::KEY_ESCAPE); }
InputEvent close_at(int frame) { return {frame, InputEvent::close_request}; }
InputEvent quit_message_at(int frame) { return {frame, InputEvent::quit_message}; }

const std::vector<std::uint32_t>* RunResult::frame(int n) const {
  for (const auto& entry : kept)
    if (entry.first == n) return &entry.second;
  return nullptr;
}

std::uint64_t hash_frame(const std::uint32_t* pixels) {
  // Word-wise multiply-xor hash: fast enough to hash every frame of a run.
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  const std::uint64_t* words = reinterpret_cast<const std::uint64_t*>(pixels);
  for (int i = 0; i < 640 * 480 / 2; ++i) {
    h ^= words[i] + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
  }
  return h ^ (h >> 31);
}

std::string show_folder() { return REPORT_SHOW_DIR; }

RunResult& current_record() { return state.record; }

void begin_recording(const RunOptions& options) {
  state = FakeState{};
  state.options = options;
}

RunResult run_program(const RunOptions& options) {
  begin_recording(options);
  reset_program_state();

  std::string folder = options.folder.empty() ? show_folder() : options.folder;
  char previous[4096];
  if (getcwd(previous, sizeof previous) == nullptr) throw std::runtime_error("getcwd failed");
  if (chdir(folder.c_str()) != 0) throw std::runtime_error("cannot enter " + folder);

  // Standard error goes to a file for the length of the run.
  std::fflush(stderr);
  std::FILE* capture = std::tmpfile();
  int saved_stderr = dup(2);
  dup2(fileno(capture), 2);

  try {
    state.record.exit_code = program_entry(win::current_instance(), win::startup_show_command());
  } catch (const ProcessEnded& ended) {
    state.record.exit_code = ended.exit_code;
    state.record.ended_by_fatal = ended.exit_code != 0 || state.record.ended_by_fatal;
  }

  for (auto& entry : state.last_frames) state.record.kept.push_back(std::move(entry));
  state.last_frames.clear();

  std::fflush(stderr);
  dup2(saved_stderr, 2);
  close(saved_stderr);
  std::rewind(capture);
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, capture)) > 0) state.record.error_output.append(buffer, n);
  std::fclose(capture);
  if (chdir(previous) != 0) throw std::runtime_error("cannot go back to the test folder");
  return state.record;
}

void reset_program_state() {
  quit_requested = 0;
  click_pending = 0;
  cursor_x = 0;
  cursor_y = 0;
  anim_tick = 0;
  current_slide = 0;
  player_controls = PlayerControls{};
}

}  // namespace fake

using fake::state;

// ---- process ----

void end_process(int exit_code) {
  std::fflush(stderr);
  throw fake::ProcessEnded{exit_code};
}

// ---- window system ----

namespace win {

InstanceHandle current_instance() { return reinterpret_cast<InstanceHandle>(&fake::the_instance); }
int startup_show_command() { return SHOW_DEFAULT; }

bool register_window_class(const WindowClass& window_class) {
  state.procedure = window_class.procedure;
  state.class_registered = std::strcmp(window_class.class_name, "WNDPROC_EXAMPLE_WINDOW") == 0;
  return state.class_registered;
}

WindowHandle create_window(std::uint32_t, const char* class_name, const char* title, std::uint32_t,
                           int x, int y, int width, int height, WindowHandle, const void*,
                           InstanceHandle, void*) {
  state.record.display_calls.push_back("create_window " + std::string(class_name) + " \"" + title +
                                        "\" " + std::to_string(x) + "," + std::to_string(y) + " " +
                                        std::to_string(width) + "x" + std::to_string(height));
  if (state.options.window_fails || !state.class_registered) return nullptr;
  state.window_made = true;
  return &fake::the_window;
}

void show_window(WindowHandle, int show_command) {
  state.record.display_calls.push_back("show_window " + std::to_string(show_command));
}

Icon* load_icon(InstanceHandle, const char*) { return nullptr; }
Cursor* load_arrow_cursor() { return nullptr; }

bool peek_message(Message* message, WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t flags) {
  fake::apply_script();
  if (state.queue.empty()) return false;
  *message = state.queue.front();
  if (flags & PEEK_REMOVE) state.queue.pop_front();
  return true;
}

bool translate_message(const Message*) { return true; }

LResult dispatch_message(const Message* message) {
  if (message->window == nullptr || state.procedure == nullptr) return 0;
  return state.procedure(message->window, message->message, message->wparam, message->lparam);
}

bool post_message(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  state.record.display_calls.push_back("post_message " + std::to_string(message));
  state.queue.push_back({window, message, wparam, lparam});
  return window != nullptr;
}

void post_quit_message(int) { state.queue.push_back({nullptr, MSG_QUIT, 0, 0}); }

LResult default_window_procedure(WindowHandle, std::uint32_t, WParam, LParam) { return 0; }

int get_system_metrics(int index) {
  return index == METRIC_SCREEN_WIDTH ? state.options.screen_width : state.options.screen_height;
}

bool get_cursor_pos(Point* point) {
  fake::apply_script();
  if (state.options.pointer_query_fails) return false;
  point->x = state.pointer_x;
  point->y = state.pointer_y;
  return true;
}

int message_box(WindowHandle, const char* text, const char* title, std::uint32_t) {
  state.record.message_boxes.push_back(std::string(title) + "|" + text);
  return 1;
}

}  // namespace win

// ---- display console ----

namespace ptc {

struct PixelFormat {
  int bits;
};
struct Palette {
  int unused;
};
struct Error {
  std::string text;
};

int acquire_component() { return 0; }

PixelFormat* create_pixel_format(int bits, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {
  return new PixelFormat{bits};
}
void destroy_pixel_format(PixelFormat* format) {
  // Only the console's own format is recorded; presenting makes one a frame.
  if (format != nullptr && format == state.console_format) {
    state.record.display_calls.push_back("destroy_pixel_format");
    state.console_format = nullptr;
  }
  delete format;
}
Palette* create_palette() { return new Palette{0}; }
void destroy_palette(Palette* palette) { delete palette; }

Console* create_console() {
  state.record.display_calls.push_back("create_console");
  return reinterpret_cast<Console*>(&fake::the_console);
}
bool set_console_option(Console*, const char* option) {
  state.record.display_calls.push_back(std::string("option ") + option);
  return true;
}
bool open_console(Console*, win::WindowHandle window, int width, int height, const PixelFormat* format,
                  int) {
  state.console_format = format;
  state.record.display_calls.push_back("open_console " + fake::describe_handle(window) + " " +
                                       std::to_string(width) + "x" + std::to_string(height));
  state.console_open = true;
  return true;
}
bool upload_frame(Console*, const void* pixels, int, int, int, const PixelFormat*, const Palette*) {
  state.uploaded = static_cast<const std::uint32_t*>(pixels);
  return true;
}
void show_frame(Console*) {
  int n = state.presented;
  state.record.frame_hashes.push_back(fake::hash_frame(state.uploaded));
  if (state.options.on_frame) state.options.on_frame(n, state.uploaded);
  bool keep = state.options.keep_frames.count(n) != 0;
  if (keep) state.record.kept.emplace_back(n, std::vector<std::uint32_t>(state.uploaded, state.uploaded + 640 * 480));
  if (state.options.keep_last_frames && !keep) {
    state.last_frames.emplace_back(n, std::vector<std::uint32_t>(state.uploaded, state.uploaded + 640 * 480));
    if (state.last_frames.size() > 10) state.last_frames.pop_front();
  }
  ++state.presented;
  if (state.options.dispatch_while_showing) {
    fake::apply_script();
    while (!state.queue.empty() && state.queue.front().message != win::MSG_QUIT) {
      win::Message message = state.queue.front();
      state.queue.pop_front();
      win::dispatch_message(&message);
    }
  }
  if (state.presented > state.options.frame_limit) {
    state.record.hit_frame_limit = true;
    throw fake::ProcessEnded{-2};
  }
}
void close_console(Console*) {
  state.record.display_calls.push_back("close_console");
  state.console_open = false;
}
void destroy_console(Console*) {
  state.record.display_calls.push_back("destroy_console");
  state.console_open = false;
}

Error* create_error(const char* message) {
  state.record.errors.push_back(message);
  return new Error{message};
}
const char* error_message(const Error* error) { return error->text.c_str(); }
void destroy_error(Error* error) { delete error; }

}  // namespace ptc

// ---- music ----

namespace music {

namespace {
void note(const std::string& call) { state.record.music_calls.push_back(call); }
}  // namespace

bool music_startup() { note("startup"); return true; }
bool music_init() { note("init"); return true; }
bool music_start_background_play(unsigned poll_mode) {
  note("start_background_play " + std::to_string(poll_mode));
  return true;
}
Module* music_load_module(const char* path) {
  note(std::string("load_module ") + path);
  return reinterpret_cast<Module*>(&fake::the_module);
}
PlayHandle* music_play_module(Module* module, int loop) {
  note("play_module " + fake::describe_handle(module) + " " + std::to_string(loop));
  return reinterpret_cast<PlayHandle*>(&fake::the_play_handle);
}
bool music_stop_module(PlayHandle* handle) { note("stop_module " + fake::describe_handle(handle)); return true; }
bool music_free_module(Module* module) { note("free_module " + fake::describe_handle(module)); return true; }
bool music_stop_background_play() { note("stop_background_play"); return true; }
bool music_close() { note("close"); return true; }

}  // namespace music
