// Runs a program's entry in this process on an argument vector of its own,
// with standard output captured.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int exitStatus;
    std::string output;
};

using ProgramEntry = int (*)(int argumentCount, char** arguments);

// `arguments` is the whole vector, program name first; it may be empty.
ProgramRun RunProgram(ProgramEntry entry, const std::vector<std::string>& arguments);
