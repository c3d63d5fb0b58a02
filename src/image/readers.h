// The three file readers behind load_image_by_extension, each also fed from
// bytes in memory (for tests and fuzz targets). Every reader either fills the
// record or ends the program through report_fatal, naming `path` after the
// message; none returns an error.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/image.h"

// Uncompressed TGA of depth 8, 16, 24 or 32: pixels as stored, rows turned top
// first, the colour map as palette for depth 8. Any other depth: "unsupported format".
void read_tga(const char* path, Image& image);
void read_tga_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path);

// 256-colour run-length PCX: size from the right and bottom edges, one run-length
// stream from byte 128, palette from the last 768 bytes.
void read_pcx(const char* path, Image& image);
void read_pcx_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path);

// JPEG through libjpeg, always a 32-bit picture (blue, green, red, 0); the
// palette is left as it was. A decoding error is first shown in a "JPEG Fatal
// Error" message box.
void read_jpeg(const char* path, Image& image);
void read_jpeg_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path);
