// The JPEG reader: libjpeg decodes into an intermediate red, green, blue
// buffer, which becomes the record's 32-bit pixels. libjpeg's fatal errors are
// shown in a message box and caught with setjmp/longjmp; no C++ exception ever
// crosses libjpeg's frames, and report_fatal runs only after the decode has
// returned.
#include "image/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "app/display.h"
#include "image/reader_support.h"
#include "image/readers.h"
#include "platform/file_access.h"
#include "platform/window_system.h"

namespace {

// The error manager handed to libjpeg. The standard part comes first, so the
// `err` pointer libjpeg passes around also leads to the resume point.
struct JpegErrorManager {
  jpeg_error_mgr standard;
  std::jmp_buf resume_point;
};

// Everything one decode holds. It lives in the caller of the frame that saves
// the resume point, so after the jump its contents are still well defined.
struct JpegDecode {
  jpeg_decompress_struct info;
  JpegErrorManager errors;
  std::uint8_t* rgb;  // the intermediate buffer until it is handed back
};

// libjpeg's error_exit: shows the library's message, then jumps back to the
// resume point, leaving the library call that failed. Never returns.
[[noreturn]] void fatal_jpeg_error(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  win::message_box(nullptr, text, "JPEG Fatal Error", win::BOX_ICON_STOP);
  std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->resume_point, 1);
}

// Runs libjpeg over `data`. Returns false after a fatal error or a picture the
// reader does not take; the caller destroys the decompression object and the
// intermediate buffer either way. This frame holds nothing with a destructor,
// so the jump from fatal_jpeg_error may leave it.
bool run_jpeg_decode(JpegDecode* decode, const std::uint8_t* data, std::size_t size,
                     std::uint32_t& width, std::uint32_t& height) {
  jpeg_decompress_struct* info = &decode->info;
  info->err = jpeg_std_error(&decode->errors.standard);
  decode->errors.standard.error_exit = fatal_jpeg_error;
  if (setjmp(decode->errors.resume_point) != 0) return false;

  jpeg_create_decompress(info);
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));
  jpeg_read_header(info, TRUE);
  // No scaling is asked for, so the output is the picture's own size; refuse a
  // huge one before libjpeg allocates anything for it.
  if (static_cast<std::uint64_t>(info->image_width) * info->image_height > MAX_IMAGE_PIXELS) return false;
  jpeg_start_decompress(info);
  int components = info->out_color_components;
  if (components != 1 && components != 3) return false;

  std::size_t w = info->output_width;
  decode->rgb = new (std::nothrow) std::uint8_t[w * info->output_height * 3];
  if (decode->rgb == nullptr) return false;
  width = info->output_width;
  height = info->output_height;

  JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                              info->output_width * info->output_components, 1);
  while (info->output_scanline < info->output_height) {
    std::uint8_t* out = decode->rgb + std::size_t{info->output_scanline} * w * 3;
    if (components == 3) {
      // Red, green, blue rows are already the intermediate layout: the library
      // writes them in place, which spares a slide change a copy of every row.
      JSAMPROW in_place = out;
      if (jpeg_read_scanlines(info, &in_place, 1) != 1) return false;  // only a suspending source does that
    } else {
      if (jpeg_read_scanlines(info, row, 1) != 1) return false;
      const JSAMPLE* samples = row[0];
      for (std::size_t k = 0; k < w; ++k) out[3 * k] = out[3 * k + 1] = out[3 * k + 2] = samples[k];
    }
  }
  jpeg_finish_decompress(info);
  return true;
}

// Red, green, blue bytes to the words 0x00RRGGBB (in memory blue, green, red, 0),
// pixels `from` to `count` - 1.
void convert_rgb_plain(const std::uint8_t* rgb, std::uint32_t* out, std::size_t from, std::size_t count) {
  rgb += 3 * from;
  for (std::size_t i = from; i < count; ++i, rgb += 3)
    out[i] = static_cast<std::uint32_t>(rgb[0]) << 16 | static_cast<std::uint32_t>(rgb[1]) << 8 | rgb[2];
}

#if defined(__x86_64__) || defined(__i386__)
// The same with one byte shuffle per four pixels: the conversion is most of
// read_jpeg's cost beyond libjpeg's own decode, and the plain loop is about
// four times slower. Every x86 processor of the last fifteen years has SSSE3.
__attribute__((target("ssse3"))) void convert_rgb_ssse3(const std::uint8_t* rgb, std::uint32_t* out,
                                                        std::size_t count) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, -128, 5, 4, 3, -128, 8, 7, 6, -128, 11, 10, 9, -128);
  std::size_t i = 0;
  // Each load takes 16 bytes for 12 used: stop while two more pixels follow.
  for (; i + 6 <= count; i += 4) {
    __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 3 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_shuffle_epi8(in, order));
  }
  convert_rgb_plain(rgb, out, i, count);
}
#endif

void convert_rgb(const std::uint8_t* rgb, std::uint32_t* out, std::size_t count) {
#if defined(__x86_64__) || defined(__i386__)
  if (__builtin_cpu_supports("ssse3")) {
    convert_rgb_ssse3(rgb, out, count);
    return;
  }
#endif
  convert_rgb_plain(rgb, out, 0, count);
}

// Turns the intermediate buffer into the record's 32-bit pixels: blue, green,
// red and a fourth byte of 0.
void store_jpeg_pixels(const std::uint8_t* rgb, std::uint32_t width, std::uint32_t height, Image& image,
                       const char* path) {
  std::unique_ptr<std::uint32_t[]> pixels = allocate_pixel_words(width, height, 4, false);
  if (pixels == nullptr) report_fatal("could not load image", path);
  convert_rgb(rgb, pixels.get(), static_cast<std::size_t>(width) * height);
  image.height = static_cast<std::int32_t>(height);
  image.bits_per_pixel = 32;
  image.width = static_cast<std::int32_t>(width);
  image.pixels = std::move(pixels);
}

}  // namespace

std::unique_ptr<std::uint8_t[]> decode_jpeg_rgb_bytes(const std::uint8_t* data, std::size_t size,
                                                      std::uint32_t& width, std::uint32_t& height) {
  width = 0;
  height = 0;
  JpegDecode decode{};  // zeroed, so destroying a never-created object is harmless
  bool decoded = run_jpeg_decode(&decode, data, size, width, height);
  jpeg_destroy_decompress(&decode.info);
  std::unique_ptr<std::uint8_t[]> rgb(decode.rgb);
  if (!decoded) rgb.reset();
  return rgb;
}

std::unique_ptr<std::uint8_t[]> decode_jpeg_rgb(const char* path, std::uint32_t& width,
                                                std::uint32_t& height) {
  width = 0;
  height = 0;
  // libjpeg reads the file from memory; a file that cannot be read shows no box.
  std::vector<unsigned char> bytes;
  if (!read_file_bytes(path, bytes, MAX_IMAGE_FILE_BYTES)) return nullptr;
  return decode_jpeg_rgb_bytes(bytes.data(), bytes.size(), width, height);
}

void read_jpeg(const char* path, Image& image) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::unique_ptr<std::uint8_t[]> rgb = decode_jpeg_rgb(path, width, height);
  if (rgb == nullptr) report_fatal("could not load image", path);
  store_jpeg_pixels(rgb.get(), width, height, image, path);
}

void read_jpeg_bytes(const std::uint8_t* data, std::size_t size, Image& image, const char* path) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::unique_ptr<std::uint8_t[]> rgb = decode_jpeg_rgb_bytes(data, size, width, height);
  if (rgb == nullptr) report_fatal("could not load image", path);
  store_jpeg_pixels(rgb.get(), width, height, image, path);
}
