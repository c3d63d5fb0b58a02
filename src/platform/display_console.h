// Display console service: opens a 640 x 480 output on the program's window
// and shows whole frames handed to it. Handles are opaque; creating and
// destroying them does not touch the heap, so presenting a frame allocates
// nothing.
#pragma once

#include <cstdint>
#include <exception>

#include "platform/window_system.h"

namespace ptc {

struct PixelFormat;
struct Palette;
struct Console;
struct Error;

// The call the program makes before each creation. Its result is ignored.
int acquire_component();

PixelFormat* create_pixel_format(int bits, std::uint32_t red_mask, std::uint32_t green_mask,
                                 std::uint32_t blue_mask, std::uint32_t alpha_mask);
void destroy_pixel_format(PixelFormat* format);

Palette* create_palette();
void destroy_palette(Palette* palette);

Console* create_console();
// Options: "DirectX" picks the accelerated path where one is cheap;
// "fullscreen output" a borderless full-screen window with the picture scaled
// up, aspect kept. Returns false for an option the console does not know.
bool set_console_option(Console* console, const char* option);
// Opens the output on `window` at width x height in `format`.
bool open_console(Console* console, win::WindowHandle window, int width, int height,
                  const PixelFormat* format, int pages);
// Takes a frame; the pixels are read no later than the next show_frame.
bool upload_frame(Console* console, const void* pixels, int width, int height, int pitch,
                  const PixelFormat* format, const Palette* palette);
// Makes the last uploaded frame visible and holds the display's pace: waits
// for the vertical refresh where that works, else sleeps to one refresh period.
void show_frame(Console* console);
void close_console(Console* console);
void destroy_console(Console* console);

Error* create_error(const char* message);
const char* error_message(const Error* error);
void destroy_error(Error* error);

// The component's exception: owns exactly one error handle.
class DynamicError : public std::exception {
 public:
  explicit DynamicError(Error* error) : error_(error) {}
  DynamicError(const DynamicError&) = delete;
  DynamicError& operator=(const DynamicError&) = delete;
  DynamicError(DynamicError&& other) noexcept : error_(other.error_) { other.error_ = nullptr; }
  ~DynamicError() override {
    if (error_ != nullptr) destroy_error(error_);
  }
  const char* what() const noexcept override { return error_ ? error_message(error_) : ""; }

 private:
  Error* error_;
};

}  // namespace ptc
