// Drawing into the framebuffer: block copies, keyed sprites and the cursor.
// Positions are absolute frame pixels; nothing clips, scales or blends, and
// pixels move as whole 32-bit words. Callers keep every block inside the frame.
#pragma once

#include <cstdint>

// Copies `count` consecutive pixels; 0 copies nothing.
void copy_pixels(const std::uint32_t* source, std::uint32_t* destination, std::uint32_t count);
// Copies a whole 640 x 480 surface into the frame.
void copy_screen(const std::uint32_t* surface, std::uint32_t* frame);
// Copies a packed w x h block (row stride w) to (x, y). Every pixel is written.
void blit_opaque(const std::uint32_t* source, std::uint32_t* frame, int w, int h, int x, int y);
// Copies the w x h rectangle at (x, y) of a 640 x 480 surface to the same place.
void copy_region(const std::uint32_t* surface, std::uint32_t* frame, int x, int y, int w, int h);
// Copies a w x h block whose row j starts at source[stride * j]; source
// pixels of value 0 leave the frame as it was.
void blit_keyed(const std::uint32_t* source, int stride, std::uint32_t* frame, int w, int h, int x,
                int y);
// The 15 x 25 keyed corner sprite at (326, 221), the photograph's top-right corner.
void draw_corner_sprite(std::uint32_t* frame, const std::uint32_t* sprite);
// Saves the 11 x 19 rectangle at (x, y) into `save_under`, then draws the
// cursor over it, skipping cursor pixels equal to `key`.
void draw_cursor(const std::uint32_t* cursor, std::uint32_t* frame, std::uint32_t* save_under,
                 std::uint32_t key, std::uint32_t x, std::uint32_t y);
// Writes the 209 saved pixels back to the rectangle at (x, y).
void restore_cursor(std::uint32_t* frame, const std::uint32_t* save_under, std::uint32_t x,
                    std::uint32_t y);
