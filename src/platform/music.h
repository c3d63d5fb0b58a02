// Music service: plays one tracker module in a loop on a thread of its own.
// No call reports failure to the program: without a sound device or without
// the module the run simply goes on in silence.
#pragma once

namespace music {

struct Module;
struct PlayHandle;

bool music_startup();
bool music_init();
// Starts the playback thread; `poll_mode` 0 lets the service pick.
bool music_start_background_play(unsigned poll_mode);
// Loads a module file (backslash paths read as '/'); nullptr on failure.
Module* music_load_module(const char* path);
// Starts playing; `loop` 1 repeats from the module's restart position.
PlayHandle* music_play_module(Module* module, int loop);
bool music_stop_module(PlayHandle* handle);
bool music_free_module(Module* module);
bool music_stop_background_play();
bool music_close();

}  // namespace music
