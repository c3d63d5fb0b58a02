// The fake platform: runs the whole program in-process with scripted input
// and records what it did (frames, music calls, message boxes, errors, how
// the process ended). Linked into the tests in place of the SDL2 backend.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace fake {

// One scripted input, applied once `frame` frames have been presented: a
// pointer position, a button release, a key, a close request or a quit message.
struct InputEvent {
  enum Kind { pointer, left_press, left_release, right_release, key_down, close_request, quit_message, destroy };
  int frame;
  Kind kind;
  int x = 0;         // pointer
  int y = 0;         // pointer
  unsigned key = 0;  // key_down: the virtual key
};

// Script helpers.
InputEvent pointer_at(int frame, int x, int y);
InputEvent click_at(int frame);  // a left-button release
InputEvent key_at(int frame, unsigned key);
InputEvent escape_at(int frame);
InputEvent close_at(int frame);
InputEvent quit_message_at(int frame);

struct RunOptions {
  std::string folder;             // working folder of the run; the built-in show when empty
  std::vector<InputEvent> script;
  std::set<int> keep_frames;      // presented frames (0-based) whose pixels are kept
  bool keep_last_frames = false;  // also keep the frames of the fade and the last loop frame
  bool window_fails = false;      // creating the window fails
  bool pointer_query_fails = false;
  // The console hands queued window messages to the window procedure while
  // it shows a frame, as some displays do during the intro.
  bool dispatch_while_showing = false;
  int screen_width = 640;
  int screen_height = 480;
  int frame_limit = 20000;        // a run presenting more frames than this is stopped
  // Called with every presented frame (0-based number, 640 x 480 pixels).
  std::function<void(int, const std::uint32_t*)> on_frame;
};

struct RunResult {
  int exit_code = -1;
  bool ended_by_fatal = false;        // report_fatal ended the process
  bool hit_frame_limit = false;
  std::vector<std::uint64_t> frame_hashes;            // every presented frame
  std::vector<std::pair<int, std::vector<std::uint32_t>>> kept;  // frame number, pixels
  std::vector<std::string> music_calls;               // in order, with arguments
  std::vector<std::string> display_calls;             // console calls (not per-frame ones)
  std::vector<std::string> message_boxes;             // "title|text"
  std::vector<std::string> errors;                    // texts of created errors
  std::string error_output;                           // what went to standard error

  // Pixels of presented frame `n`, or nullptr when it was not kept.
  const std::vector<std::uint32_t>* frame(int n) const;
};

// Runs the program from its entry point to its end with `options`.
RunResult run_program(const RunOptions& options);

// The folder of the built-in show.
std::string show_folder();

// Hash of a 640 x 480 frame, as recorded in RunResult::frame_hashes.
std::uint64_t hash_frame(const std::uint32_t* pixels);

// Thrown by the fake end_process; run_program catches it.
struct ProcessEnded {
  int exit_code;
};

// Puts the program's run state back to how a fresh process starts.
void reset_program_state();

// The recorder the fake backends write to while a run is in progress; for
// tests that call program operations outside a whole run.
RunResult& current_record();
void begin_recording(const RunOptions& options);

}  // namespace fake
