// The faults the reliability tests put into a copy of the show folder: how a
// faulty file is made from the show's own, what the program must do with it,
// and the folder of links in which one file at a time is replaced. Shared by
// the in-process matrix and the real-binary sample.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/jpeg_encode.h"

namespace faults {

using Bytes = std::vector<std::uint8_t>;

enum class Fault { missing, empty, cut_in_header, cut_in_pixels, wrong_size, wrong_depth, other_format, huge_header };

enum class Outcome {
  goes_on,            // the run carries on and draws what was read
  could_not_load,     // "could not load image", exit code 1, no box
  unsupported,        // "unsupported format", exit code 1
  jpeg_box_then_fail  // the "JPEG Fatal Error" box, then "could not load image"
};

inline const char* fault_label(Fault fault) {
  static const char* const names[] = {"Missing",   "Empty",      "CutInHeader", "CutInPixels",
                                      "WrongSize", "WrongDepth", "OtherFormat", "HugeHeader"};
  return names[static_cast<int>(fault)];
}

inline const char* outcome_name(Outcome outcome) {
  switch (outcome) {
    case Outcome::goes_on: return "goes on";
    case Outcome::could_not_load: return "could not load image";
    case Outcome::unsupported: return "unsupported format";
    case Outcome::jpeg_box_then_fail: return "JPEG Fatal Error, then could not load image";
  }
  return "?";
}

// A file the program loads, by its path in the show folder.
struct ContentFile {
  std::string path;     // "images/souris.tga"
  std::string program;  // the path as the program names it, "images\\souris.tga"
  bool drawn;           // checked for size and depth when loaded
};

inline bool is_jpeg(const ContentFile& file) { return file.path.compare(file.path.size() - 3, 3, "jpg") == 0; }

inline std::string host(const std::string& program_path) {
  std::string path = program_path;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

inline Bytes read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void put16(Bytes& bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Offset of the first JPEG marker `code` (the byte after 0xFF), or the size.
inline std::size_t find_marker(const Bytes& bytes, std::uint8_t code) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
  return bytes.size();
}

inline std::size_t find_frame_header(const Bytes& bytes) {
  for (std::uint8_t code : {0xC0, 0xC1, 0xC2})
    if (std::size_t at = find_marker(bytes, code); at < bytes.size()) return at;
  return bytes.size();
}

inline Bytes gradient_jpeg(unsigned width, unsigned height, int components) {
  Bytes samples(std::size_t{width} * height * components);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 7 / 5);
  return fixture::encode_jpeg(width, height, components, components == 1 ? JCS_GRAYSCALE : JCS_RGB, samples);
}

// The faulty content of `file` (of the show, `original`); empty for a missing file.
inline Bytes faulty_bytes(const ContentFile& file, const Bytes& original, Fault fault, const std::string& show_folder) {
  const std::string show = show_folder + "/";
  if (is_jpeg(file)) {
    std::size_t frame = find_frame_header(original);
    unsigned height = original[frame + 5] << 8 | original[frame + 6];
    unsigned width = original[frame + 7] << 8 | original[frame + 8];
    switch (fault) {
      case Fault::missing:
      case Fault::empty: return {};
      case Fault::cut_in_header: return Bytes(original.begin(), original.begin() + frame + 6);
      case Fault::cut_in_pixels: {
        std::size_t scan = find_marker(original, 0xDA);
        return Bytes(original.begin(), original.begin() + scan + (original.size() - scan) / 2);
      }
      case Fault::wrong_size: return gradient_jpeg(width + 8, height, 3);
      case Fault::wrong_depth: return gradient_jpeg(width, height, 1);
      case Fault::other_format: return read_all(show + "images/bout.tga");
      case Fault::huge_header: {
        Bytes bytes = original;
        bytes[frame + 5] = bytes[frame + 6] = bytes[frame + 7] = bytes[frame + 8] = 0xFF;
        return bytes;
      }
    }
  }
  const std::size_t header = 18;
  unsigned width = original[12] | original[13] << 8;
  unsigned height = original[14] | original[15] << 8;
  switch (fault) {
    case Fault::missing:
    case Fault::empty: return {};
    case Fault::cut_in_header: return Bytes(original.begin(), original.begin() + 14);
    case Fault::cut_in_pixels: return Bytes(original.begin(), original.begin() + header + (original.size() - header) / 2);
    case Fault::wrong_size: {
      Bytes bytes = original;
      put16(bytes, 12, width + 1);
      bytes.resize(header + std::size_t{width + 1} * height * 4, 0x80);
      return bytes;
    }
    case Fault::wrong_depth: {
      Bytes bytes(original.begin(), original.begin() + header);
      bytes[16] = 24;
      for (std::size_t i = header; i + 3 < original.size(); i += 4)
        bytes.insert(bytes.end(), original.begin() + i, original.begin() + i + 3);
      return bytes;
    }
    case Fault::other_format: return read_all(show + "images/credit.jpg");
    case Fault::huge_header: {
      Bytes bytes = original;
      put16(bytes, 12, 65535);
      put16(bytes, 14, 65535);
      return bytes;
    }
  }
  return {};
}

// What the program must do with `file` carrying `fault`.
inline Outcome expected_outcome(const ContentFile& file, Fault fault) {
  if (fault == Fault::missing) return Outcome::could_not_load;
  if (is_jpeg(file)) {
    switch (fault) {
      case Fault::cut_in_pixels:
      case Fault::wrong_depth: return Outcome::goes_on;  // a greyscale JPEG still decodes to 32 bits
      case Fault::wrong_size: return Outcome::unsupported;
      default: return Outcome::jpeg_box_then_fail;
    }
  }
  switch (fault) {
    case Fault::cut_in_pixels: return Outcome::goes_on;
    case Fault::wrong_size:
    case Fault::wrong_depth: return file.drawn ? Outcome::unsupported : Outcome::goes_on;
    case Fault::huge_header: return Outcome::could_not_load;  // no buffer is made for it
    default: return Outcome::unsupported;  // a header read as zeros, or a JPEG's bytes, give no known depth
  }
}

// A copy of the built-in show made of symbolic links, in which one file at a
// time is replaced by a faulty one.
class FaultFolder {
 public:
  explicit FaultFolder(const std::string& show_folder) : show_(show_folder) {
    char name[] = "/tmp/report-bad-content-XXXXXX";
    if (mkdtemp(name) == nullptr) return;
    root_ = name;
    mkdir((root_ + "/images").c_str(), 0755);
    mkdir((root_ + "/musik").c_str(), 0755);
    for (const char* sub : {"images", "musik"})
      for (const auto& entry : std::filesystem::directory_iterator(show_ + "/" + sub))
        link(std::string(sub) + "/" + entry.path().filename().string());
  }
  ~FaultFolder() {
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
  }

  const std::string& root() const { return root_; }

  // Replaces `path` with `bytes`, or removes it when `present` is false.
  void inject(const std::string& path, const Bytes& bytes, bool present) {
    std::string target = root_ + "/" + path;
    unlink(target.c_str());
    if (!present) return;
    std::ofstream out(target, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  // Puts the show's own file back.
  void restore(const std::string& path) {
    unlink((root_ + "/" + path).c_str());
    link(path);
  }

 private:
  void link(const std::string& path) {
    if (symlink((show_ + "/" + path).c_str(), (root_ + "/" + path).c_str()) != 0)
      ADD_FAILURE() << "cannot link " << path;
  }
  std::string show_;
  std::string root_;
};

// The module with a fault of the same kind: it is never an error, the run
// goes on in silence. Offsets are those of the XM header.
inline Bytes faulty_module(const Bytes& original, Fault fault, const std::string& show_folder) {
  Bytes bytes = original;
  switch (fault) {
    case Fault::missing:
    case Fault::empty: return {};
    case Fault::cut_in_header: return Bytes(original.begin(), original.begin() + 40);
    case Fault::cut_in_pixels: return Bytes(original.begin(), original.begin() + original.size() / 2);
    case Fault::wrong_size: put16(bytes, 60, 0xFFFF); put16(bytes, 62, 0x7FFF); return bytes;  // header length
    case Fault::wrong_depth: put16(bytes, 68, 255); return bytes;                          // channels
    case Fault::other_format: return read_all(show_folder + "/images/credit.jpg");
    case Fault::huge_header:
      for (std::size_t at : {64, 68, 70, 72}) put16(bytes, at, 0xFFFF);  // length, channels, patterns, instruments
      return bytes;
  }
  return bytes;
}

}  // namespace faults
