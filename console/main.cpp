#include "console_program.h"

int main(int argc, char** argv) { return RunConsoleProgram(argc, argv); }
