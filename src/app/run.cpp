// The run sequence and the frame loop.
#include "app/run.h"

#include <cstdio>

#include "app/catalogue.h"
#include "app/display.h"
#include "app/fade.h"
#include "app/intro.h"
#include "app/window.h"
#include "platform/music.h"
#include "player/player_controls.h"
#include "player/slide_table.h"
#include "player/slides.h"
#include "render/blit.h"
#include "render/framebuffer.h"

FrameStrip logo_strip;
std::uint32_t anim_tick = 0;

namespace {

constexpr std::uint32_t CURSOR_KEY = 0;

void draw_program_cursor() {
  draw_cursor(artwork_pixels(ART_CURSOR), framebuffer, cursor_save_under, CURSOR_KEY, cursor_x,
              cursor_y);
}

}  // namespace

void load_logo_strip(FrameStrip& strip) {
  strip = FrameStrip{};
  strip.width = LOGO_SIZE;
  strip.height = LOGO_SIZE;
  strip.frame_count = 10;
  strip.name_prefix = "images\\01000";
  strip.name_suffix = ".tga";
  load_frame_strip(strip);
}

LoopEnd run_frame_loop(win::WindowHandle window) {
  for (;;) {
    win::Message message{};
    while (win::peek_message(&message, window, 0, 0, win::PEEK_REMOVE)) {
      if (message.message == win::MSG_QUIT) return LoopEnd::quit_message;
      win::translate_message(&message);
      win::dispatch_message(&message);
    }
    // cursor_x and cursor_y still hold the position of the last draw.
    restore_cursor(framebuffer, cursor_save_under, cursor_x, cursor_y);
    sample_cursor();
    draw_logo_frame(logo_strip, framebuffer, anim_tick);
    update_player_controls();
    click_pending = 0;  // a release no control used in this frame is dropped
    draw_program_cursor();
    present_frame(framebuffer);
    if (quit_requested != 0) return LoopEnd::quit_requested;
  }
}

void fade_out() {
  // The cursor is left in place and fades with the picture.
  for (int step = 0; step < 8; ++step) {
    halve_brightness(framebuffer);
    present_frame(framebuffer);
  }
}

int run_program(win::InstanceHandle instance, int show_command) {
  // 1. The music service plays on a thread of its own from here on.
  music::music_startup();
  music::music_init();
  music::music_start_background_play(0);

  // 2-4. The show, the logo animation and its tick.
  build_slide_table();
  current_slide = 0;
  load_logo_strip(logo_strip);
  anim_tick = 0;

  // 5. The artwork, in the catalogue's order.
  load_artwork_catalogue();

  // 6. The music starts before there is a window.
  music::Module* music_module = music::music_load_module("musik\\report.xm");
  music::PlayHandle* music_play_handle = music::music_play_module(music_module, 1);

  // 7-9. Pixel format, window, console.
  program_display.format = create_display_pixel_format();
  win::WindowHandle window = create_program_window(instance, show_command);
  open_display(program_display, window);

  // 10. The intro.
  run_intro(artwork[ART_INTRO_LOGO]);

  // 11. The first player frame, presented by the first loop iteration.
  sample_cursor();
  show_first_slide();
  draw_program_cursor();

  // 12. The loop, unless a quit was already asked for.
  if (quit_requested == 0 && run_frame_loop(window) == LoopEnd::quit_message) {
    // A quit message skips the fade, the console close and the music shutdown.
    destroy_display(program_display);
    return 0;
  }

  fade_out();
  ptc::close_console(program_display.console);
  music::music_stop_module(music_play_handle);
  music::music_free_module(music_module);
  music::music_stop_background_play();
  music::music_close();
  win::post_message(window, win::MSG_DESTROY, 0, 0);
  destroy_display(program_display);
  return 0;
}

int program_entry(win::InstanceHandle instance, int show_command) {
  try {
    return run_program(instance, show_command);
  } catch (const ptc::DynamicError& error) {
    // The music has started and the pixel format exists; the format is
    // released, the rest ends with the process.
    if (program_display.format != nullptr) ptc::destroy_pixel_format(program_display.format);
    program_display.format = nullptr;
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
