// The JPEG decode step behind read_jpeg: libjpeg run to the end, its output
// collected as 3 bytes per pixel. Used by read_jpeg and the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Decodes the JPEG file at `path` into rows of red, green, blue bytes, top row
// first. `width` and `height` are 0 until the buffer is obtained. Returns
// nullptr when the file cannot be opened, when libjpeg fails (after showing
// its message in a "JPEG Fatal Error" box), when the picture is larger than
// MAX_IMAGE_PIXELS, has neither 1 nor 3 components, or memory is short.
std::unique_ptr<std::uint8_t[]> decode_jpeg_rgb(const char* path, std::uint32_t& width,
                                                std::uint32_t& height);
// The same decode of a JPEG file held in memory.
std::unique_ptr<std::uint8_t[]> decode_jpeg_rgb_bytes(const std::uint8_t* data, std::size_t size,
                                                      std::uint32_t& width, std::uint32_t& height);
