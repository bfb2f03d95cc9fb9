// The JNI launch code inside this process.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"
#include "windows/JavaVMLauncher/runtime_calls.h"

namespace {

TEST(Launch, HelperLibraryLogsThroughTheCRuntimesWidePrintf) {
    LauncherSandbox sandbox("LaunchLog");
    InProcessLog::enable(sandbox.tempDirectory());
    InProcessLog log;
    // In the wide functions of the Windows C runtime "%s" is a wide text and "%S" an 8-bit one.
    helperLogError(L"%s failed: %d, %S", L"registering", 5, "native");
    std::wstring longText(3000, L'w');
    helperLogError(L"%s", longText.c_str());
    EXPECT_TRUE(log.contains("ERROR: registering failed: 5, native"));
    EXPECT_TRUE(log.contains("ERROR: " + narrow(longText)));
}

}  // namespace
