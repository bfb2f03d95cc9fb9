#include "launcher/win32/child_process.h"

#include "launcher/win32/handle.h"
#include "launcher/win32/wide.h"

namespace {

struct OutputPipe {
    Handle read;
    Handle write;  // inherited by the child only
};

bool createOutputPipe(OutputPipe& pipe) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(pipe.read.receive(), pipe.write.receive(), &inherit, 0)) return false;
    return SetHandleInformation(pipe.read.get(), HANDLE_FLAG_INHERIT, 0) != 0;
}

// More than any program the launcher runs has to say; the rest is read and dropped.
constexpr size_t outputLimit = 64 * 1024;

// Appends what the pipe holds now, without blocking.
void drain(HANDLE pipe, std::string& output) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD got = 0;
        DWORD want = available < sizeof buffer ? available : static_cast<DWORD>(sizeof buffer);
        if (!ReadFile(pipe, buffer, want, &got, nullptr) || got == 0) return;
        output.append(buffer, output.size() < outputLimit ? got : 0);
    }
}

// Reads while the child runs and stops when it ends, so a grandchild that
// keeps the pipe open cannot hold the launcher up. False past the time limit.
bool collectOutput(HANDLE process, HANDLE pipe, DWORD timeoutMs, std::string& output) {
    DWORD started = GetTickCount();
    for (;;) {
        bool ended = WaitForSingleObject(process, 10) == WAIT_OBJECT_0;
        drain(pipe, output);  // what it wrote before it ended is in the pipe already
        if (ended) return true;
        if (timeoutMs != INFINITE && GetTickCount() - started >= timeoutMs) return false;
    }
}

}  // namespace

std::u16string childCommandLine(const ChildProcess& child) {
    std::u16string line = u"\"" + child.program + u"\"";
    if (!child.arguments.empty()) line += u" " + child.arguments;
    return line;
}

ChildResult runChildProcess(const ChildProcess& child) {
    ChildResult result;
    OutputPipe pipe;
    if (child.captureOutput && !createOutputPipe(pipe)) {
        result.startError = GetLastError();
        return result;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = child.wait ? SW_HIDE : SW_SHOWNORMAL;
    if (child.captureOutput) {
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdOutput = pipe.write.get();
        startup.hStdError = pipe.write.get();
    }
    std::u16string commandLine = childCommandLine(child);  // CreateProcessW may write to it
    DWORD flags = child.wait ? CREATE_NO_WINDOW : 0;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(wide(child.program), wideBuffer(commandLine), nullptr, nullptr, child.captureOutput, flags,
                        nullptr, nullptr, &startup, &info)) {
        result.startError = GetLastError();
        return result;
    }
    result.started = true;
    Handle process(info.hProcess);
    Handle thread(info.hThread);
    if (!child.wait) return result;
    pipe.write.reset();  // the child's copy is the only writer left

    if (child.captureOutput)
        result.finished = collectOutput(process.get(), pipe.read.get(), child.timeoutMs, result.output);
    else
        result.finished = WaitForSingleObject(process.get(), child.timeoutMs) == WAIT_OBJECT_0;
    if (!result.finished) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
    }
    GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}
