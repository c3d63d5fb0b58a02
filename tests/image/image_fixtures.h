// Fixtures for the image reader tests: TGA and PCX files built byte by byte,
// JPEG files encoded with libjpeg, a scratch folder, and a way to run a load
// that may end the program and see how it ended.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "image/image.h"
#include "support/image_files.h"
#include "support/jpeg_encode.h"
#include "support/fake_platform.h"

namespace image_test {

using Bytes = std::vector<std::uint8_t>;

// TGA and PCX files built byte by byte.
using fixture::make_pcx;
using fixture::make_tga;

// `count` bytes counting up from `first`, wrapping at 256.
inline Bytes byte_pattern(std::size_t count, unsigned first = 1) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(first + i);
  return bytes;
}

// Encodes `samples` as a JPEG file, by default without chroma subsampling.
using fixture::encode_jpeg;
using fixture::JpegEncoding;

// The samples libjpeg itself decodes from `file`, with default parameters.
inline Bytes decode_jpeg_samples(const Bytes& file) {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), file.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  std::size_t row_size = std::size_t{info.output_width} * info.output_components;
  Bytes samples(row_size * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = samples.data() + info.output_scanline * row_size;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return samples;
}

// A fresh folder under the test's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = testing::TempDir() + "image_test_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make " << pattern;
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  // Writes `bytes` to `name` inside the folder (sub-folders are made) and
  // returns the full path.
  std::string write(const std::string& name, const Bytes& bytes) const {
    std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// How a load ended: returned, or the process ended (with what on standard
// error, which errors and message boxes).
struct Ending {
  bool process_ended = false;
  int exit_code = -1;
  std::string error_output;
  std::vector<std::string> errors;
  std::vector<std::string> message_boxes;
};

template <typename Load>
Ending run_load(Load load) {
  fake::begin_recording(fake::RunOptions{});
  Ending ending;
  testing::internal::CaptureStderr();
  try {
    load();
  } catch (const fake::ProcessEnded& ended) {
    ending.process_ended = true;
    ending.exit_code = ended.exit_code;
  }
  ending.error_output = testing::internal::GetCapturedStderr();
  ending.errors = fake::current_record().errors;
  ending.message_boxes = fake::current_record().message_boxes;
  return ending;
}

// The first `count` bytes of a record's pixel buffer.
inline Bytes pixel_bytes(const Image& image, std::size_t count) {
  const std::uint8_t* bytes = image_bytes(image);
  return Bytes(bytes, bytes + count);
}

}  // namespace image_test
