// Music on libxmp and SDL2 audio: the module is decoded by libxmp inside the
// audio device's callback, which runs on SDL's own audio thread. Without a
// sound device or without a loadable module the calls succeed quietly and
// nothing is heard.
#include <xmp.h>

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/file_access.h"
#include "platform/music.h"
#include "platform/quiet_stderr.h"

struct music::Module {
  xmp_context context;
};
struct music::PlayHandle {
  Module* module;
};

namespace {

constexpr int SAMPLE_RATE = 44100;
constexpr std::size_t MAX_MODULE_BYTES = 32u << 20;

SDL_AudioDeviceID device = 0;
// What the callback plays; changed only with the device locked.
music::Module* playing = nullptr;
music::PlayHandle play_handle{nullptr};

void fill_audio(void*, Uint8* stream, int length) {
  if (playing == nullptr || xmp_play_buffer(playing->context, stream, length, 0) != 0)
    std::memset(stream, 0, static_cast<std::size_t>(length));
}

}  // namespace

namespace music {

bool music_startup() { return true; }

bool music_init() {
  return with_quiet_stderr([] { return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; });
}

bool music_start_background_play(unsigned) {
  if (SDL_WasInit(SDL_INIT_AUDIO) == 0 || device != 0) return false;
  SDL_AudioSpec want{};
  want.freq = SAMPLE_RATE;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 2048;
  want.callback = fill_audio;
  device = with_quiet_stderr([&] { return SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0); });
  if (device == 0) return false;
  SDL_PauseAudioDevice(device, 0);
  return true;
}

Module* music_load_module(const char* path) {
  std::vector<unsigned char> bytes;
  if (!read_file_bytes(path, bytes, MAX_MODULE_BYTES) || bytes.empty()) return nullptr;
  xmp_context context = xmp_create_context();
  if (context == nullptr) return nullptr;
  if (xmp_load_module_from_memory(context, bytes.data(), static_cast<long>(bytes.size())) != 0) {
    xmp_free_context(context);
    return nullptr;
  }
  return new Module{context};
}

PlayHandle* music_play_module(Module* module, int loop) {
  if (module == nullptr) return nullptr;
  (void)loop;  // the callback always plays on from the module's restart position
  if (xmp_start_player(module->context, SAMPLE_RATE, 0) != 0) return nullptr;
  if (device != 0) SDL_LockAudioDevice(device);
  playing = module;
  play_handle.module = module;
  if (device != 0) SDL_UnlockAudioDevice(device);
  return &play_handle;
}

bool music_stop_module(PlayHandle* handle) {
  if (handle == nullptr || handle->module == nullptr) return false;
  if (device != 0) SDL_LockAudioDevice(device);
  if (playing == handle->module) playing = nullptr;
  if (device != 0) SDL_UnlockAudioDevice(device);
  xmp_end_player(handle->module->context);
  handle->module = nullptr;
  return true;
}

bool music_free_module(Module* module) {
  if (module == nullptr) return false;
  if (device != 0) SDL_LockAudioDevice(device);
  if (playing == module) playing = nullptr;
  if (device != 0) SDL_UnlockAudioDevice(device);
  xmp_release_module(module->context);
  xmp_free_context(module->context);
  delete module;
  return true;
}

bool music_stop_background_play() {
  if (device == 0) return false;
  SDL_CloseAudioDevice(device);
  device = 0;
  return true;
}

bool music_close() {
  if (SDL_WasInit(SDL_INIT_AUDIO) != 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return true;
}

}  // namespace music
