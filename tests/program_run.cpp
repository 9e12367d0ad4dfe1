#include "program_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

ProgramRun RunProgram(ProgramEntry entry, const std::vector<std::string>& arguments) {
    // Writable copies, as the start-up gives them: the scan folds the filter in place.
    std::vector<std::string> storage = arguments;
    std::vector<char*> vector;
    for (std::string& argument : storage) {
        vector.push_back(&argument[0]);
    }
    vector.push_back(nullptr);

    std::fflush(stdout);
    FILE* capture = std::tmpfile();
    const int savedStdout = dup(STDOUT_FILENO);
    if (capture == nullptr || savedStdout < 0 || dup2(fileno(capture), STDOUT_FILENO) < 0) {
        ADD_FAILURE() << "cannot capture standard output";
        return ProgramRun{0, ""};
    }
    ProgramRun run;
    run.exitStatus = entry(static_cast<int>(storage.size()), vector.data());
    std::fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);

    std::rewind(capture);
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, capture)) > 0) {
        run.output.append(chunk, got);
    }
    std::fclose(capture);
    return run;
}
