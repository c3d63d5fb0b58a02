// Entry point of `report`: no arguments are read; the show runs from the
// current folder, which holds images/ and musik/.
#include "app/run.h"

int main() {
  return program_entry(win::current_instance(), win::startup_show_command());
}
