// The one way the launcher starts other programs: "java.exe -version",
// cmd.exe for short names, unpack200.exe and Explorer. The program is passed
// as the application name and quoted as the command line's first word, so a
// path with blanks can never start another program.
#pragma once

#include <windows.h>

#include <string>

struct ChildProcess {
    std::u16string program;       // full path of the executable
    std::u16string arguments;     // the rest of the command line, as it stands
    bool captureOutput = false;   // standard output and error through a pipe
    bool wait = true;             // false: start it and let it run
    DWORD timeoutMs = INFINITE;   // past it the child is terminated
};

struct ChildResult {
    bool started = false;
    DWORD startError = 0;   // why CreateProcess failed
    bool finished = false;  // ended by itself within the time limit
    DWORD exitCode = 0;
    std::string output;     // the start of what it wrote, with captureOutput
};

// The command line the child is given: the quoted program and the arguments.
std::u16string childCommandLine(const ChildProcess& child);

ChildResult runChildProcess(const ChildProcess& child);
