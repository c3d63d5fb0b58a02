// What the TGA, PCX and JPEG readers share: the file read into memory, a
// cursor over those bytes that never reads past their end, and the size
// checks made before a pixel buffer is allocated. Used only by the readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

// Largest image file a reader takes in; a bigger one is "could not load image".
constexpr std::size_t MAX_IMAGE_FILE_BYTES = 64u * 1024u * 1024u;

// Reads the whole file at `path`, or ends the program with "could not load
// image" when it cannot be opened or is larger than MAX_IMAGE_FILE_BYTES.
void read_image_file(const char* path, std::vector<unsigned char>& bytes);

// A read position in a file held in memory. Reads past the end deliver only
// what is there and then nothing, as a short file does.
struct ByteReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position = 0;
};

// Moves to `offset`, or to the end when the data is shorter.
inline void seek_bytes(ByteReader& reader, std::size_t offset) {
  reader.position = offset < reader.size ? offset : reader.size;
}

// Copies up to `count` bytes to `out`; returns how many were there.
inline std::size_t read_bytes(ByteReader& reader, void* out, std::size_t count) {
  std::size_t left = reader.size - reader.position;
  if (count > left) count = left;
  if (count != 0) std::memcpy(out, reader.data + reader.position, count);
  reader.position += count;
  return count;
}

// The next byte into `byte`; false at the end of the data.
inline bool read_byte(ByteReader& reader, std::uint8_t& byte) {
  if (reader.position >= reader.size) return false;
  byte = reader.data[reader.position++];
  return true;
}

// A pixel buffer for width x height pixels of `bytes_per_pixel` bytes, held in
// whole words, all zero when `zeroed`. Sizes are taken in 64 bits; returns
// nullptr when the picture has more than MAX_IMAGE_PIXELS pixels or memory
// cannot be had.
std::unique_ptr<std::uint32_t[]> allocate_pixel_words(std::uint64_t width, std::uint64_t height,
                                                      unsigned bytes_per_pixel, bool zeroed);
