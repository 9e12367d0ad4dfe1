#include "windowless_program.h"

#include <windows.h>

#include <cstdlib>

// The graphical entry's own parameters are ignored: the start-up has already
// split the command line into the process-wide argument vector.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunWindowlessProgram(__argc, __argv); }
