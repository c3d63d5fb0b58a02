// The platform calls the readers make, for the fuzz targets: the fatal path
// throws (caught in each target), the message box is silent.
#include "fuzz_platform.h"

#include "app/display.h"
#include "platform/process.h"
#include "platform/window_system.h"

void report_fatal(const char* message, const char*) { throw FatalEnding{message}; }

void end_process(int) { throw FatalEnding{"end_process"}; }

int win::message_box(WindowHandle, const char*, const char*, std::uint32_t) { return 1; }
