// The fade step of the intro and of the exit fade.
#pragma once

#include <cstdint>

// Shifts every byte of a 640 x 480 frame right by one bit, the undisplayed
// fourth byte included, with no carry between bytes: 255 -> 127, 1 -> 0.
// Eight steps turn any frame black.
void halve_brightness(std::uint32_t* pixels);
