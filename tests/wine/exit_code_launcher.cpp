// Runs the command line that follows its own name, with the same standard
// handles, and reports the child's whole 32-bit exit code on standard error
// as "exit code: N" (N signed). Wine's own exit status keeps only 8 bits.
#include <windows.h>

#include <cstdio>

namespace {

// Skips the program name as the start-up splits it: quoted, or up to a blank.
char* SkipProgramName(char* commandLine) {
    char* rest = commandLine;
    if (*rest == '"') {
        for (++rest; *rest != '\0' && *rest != '"'; ++rest) {
        }
        if (*rest == '"') {
            ++rest;
        }
    } else {
        for (; *rest != '\0' && *rest != ' ' && *rest != '\t'; ++rest) {
        }
    }
    for (; *rest == ' ' || *rest == '\t'; ++rest) {
    }
    return rest;
}

}  // namespace

int main() {
    char* childCommandLine = SkipProgramName(GetCommandLineA());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, childCommandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", childCommandLine, GetLastError());
        return 1;
    }
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    std::fprintf(stderr, "exit code: %ld\n", static_cast<long>(static_cast<LONG>(exitCode)));
    return 0;
}
