// Encodes pictures as JPEG files in memory with libjpeg's compression API:
// the fixtures of the JPEG reader tests, the fuzz seeds and the benchmark's
// photographs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace fixture {

struct JpegEncoding {
  int quality = 95;
  bool subsampled = false;  // chroma at half resolution, as cameras store it
  bool progressive = false;
  bool arithmetic = false;
  unsigned restart_interval = 0;  // in MCU rows; 0 for none
};

// `samples`: rows top first, `components` samples per pixel in `space`.
inline std::vector<std::uint8_t> encode_jpeg(unsigned width, unsigned height, int components, J_COLOR_SPACE space,
                                             const std::vector<std::uint8_t>& samples,
                                             const JpegEncoding& how = {}) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  jpeg_mem_dest(&info, &out, &out_size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, how.quality, TRUE);
  if (!how.subsampled)
    for (int c = 0; c < info.num_components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  if (how.progressive) jpeg_simple_progression(&info);
  info.arith_code = how.arithmetic ? TRUE : FALSE;
  info.restart_in_rows = static_cast<int>(how.restart_interval);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + std::size_t{info.next_scanline} * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> file(out, out + out_size);
  std::free(out);
  return file;
}

}  // namespace fixture
