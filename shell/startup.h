// Start-up and shut-down of the program.
#pragma once

namespace shell {

// Runs the program: returns 0 once the window has been closed, -1 after a fatal start-up error.
int Run(int argc, char* argv[]);

}  // namespace shell
