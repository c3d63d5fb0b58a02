// The entry point that picks a reader by the file name's ending, the checked
// load used for pictures drawn at a fixed size, and the buffer and file
// helpers the readers share.
#include "image/image.h"

#include <cstring>
#include <new>

#include "app/display.h"
#include "image/reader_support.h"
#include "image/readers.h"
#include "platform/file_access.h"

void load_image_by_extension(const char* path, Image& image) {
  std::size_t length = std::strlen(path);
  // Only the last three bytes count, lower case only; the dot is not looked at.
  if (length < 3) return;
  const char* ending = path + length - 3;
  if (std::memcmp(ending, "tga", 3) == 0) read_tga(path, image);
  if (std::memcmp(ending, "jpg", 3) == 0) read_jpeg(path, image);
  if (std::memcmp(ending, "pcx", 3) == 0) read_pcx(path, image);
}

void load_image_checked(const char* path, Image& image, int width, int height) {
  load_image_by_extension(path, image);
  if (image.bits_per_pixel != 32 || image.pixels == nullptr || image.width != width ||
      image.height != height)
    report_fatal("unsupported format", path);
}

void read_image_file(const char* path, std::vector<unsigned char>& bytes) {
  if (!read_file_bytes(path, bytes, MAX_IMAGE_FILE_BYTES)) report_fatal("could not load image", path);
}

std::unique_ptr<std::uint32_t[]> allocate_pixel_words(std::uint64_t width, std::uint64_t height,
                                                      unsigned bytes_per_pixel, bool zeroed) {
  // Each side fits in 32 bits, so the product cannot wrap in 64.
  std::uint64_t pixels = width * height;
  if (pixels > MAX_IMAGE_PIXELS) return nullptr;
  std::uint64_t words = (pixels * bytes_per_pixel + 3) / 4;
  std::uint32_t* buffer = zeroed ? new (std::nothrow) std::uint32_t[words]()
                                 : new (std::nothrow) std::uint32_t[words];
  return std::unique_ptr<std::uint32_t[]>(buffer);
}
