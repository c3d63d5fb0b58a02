// The bare libjpeg-turbo decode the benchmarks compare the program with:
// header, default decompression, one row of samples at a time, nothing
// converted or kept.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>

#include <jpeglib.h>

// `attach_source` hands the decompression object its data source.
template <typename AttachSource>
void bare_jpeg_decode(AttachSource attach_source) {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  attach_source(info);
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                              info.output_width * info.output_components, 1);
  while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, row, 1);
  benchmark::DoNotOptimize(row[0][0]);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}
