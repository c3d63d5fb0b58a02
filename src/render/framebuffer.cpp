// Storage of the framebuffer and the cursor's save-under buffer.
#include "render/framebuffer.h"

alignas(64) std::uint32_t framebuffer[FRAME_PIXELS];
std::uint32_t cursor_save_under[CURSOR_WIDTH * CURSOR_HEIGHT];
