// Process service: how the program ends itself.
#pragma once

// Ends the process at once with `exit_code`, after flushing standard error.
[[noreturn]] void end_process(int exit_code);
