#pragma once

// The console program: prints the banner, runs one scan for the class named
// on the command line and prints what it found. Returns the exit status.
int RunConsoleProgram(int argumentCount, char** arguments);
