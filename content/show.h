// The parts of the show generator: each writes its files into the show
// folder (images/ and musik/ below it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The module "musik/report.xm": instruments and song, written as XM bytes.
std::vector<std::uint8_t> make_module();

// The 21 interface files and the ten logo frames, into `images_dir`.
void make_artwork(const std::string& images_dir);

struct Canvas;
// Draws the scene of the photograph called `name` (file name without folder
// and ending) on a canvas of 320 x 240 drawing units.
void draw_scene(const char* name, Canvas& c);

// The photograph of every slide of the table, into the show folder
// (`show_dir` + the slide's path with '/' for '\').
void make_photographs(const std::string& show_dir);
