// Unpacking the packed archives of the runtime beside a real launcher with
// the runtime's unpack200.exe.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"
#include "tests/wine/test_runtime.h"

namespace {

TEST(Unpack, MissingArchivesAreUnpackedOnceAnnouncedAndAMissingToolIsInternalError20) {
    LauncherSandbox sandbox;
    TestRuntime runtime(sandbox.path(L"jre"));
    runtime.install(L"unpack200.exe", L"unpack200.exe");
    sandbox.writeFile(L"jre\\lib\\charsets.jar.pack", "charsets");
    sandbox.writeFile(L"jre\\lib\\ext\\nashorn.jar.pack", "nashorn");
    sandbox.writeFile(L"jre\\lib\\ext\\present.jar.pack", "packed");
    sandbox.writeFile(L"jre\\lib\\ext\\present.jar", "original");
    sandbox.writeFile(L"jre\\bin\\unpack200.cfg", "keep");  // the launcher removes what the tool kept
    std::wstring exe = sandbox.makeLauncher(appConfiguration());

    LauncherRun run = sandbox.run(exe, isolatedRun(false));
    EXPECT_EQ(run.exitCode, 0u) << run.standardError;
    EXPECT_EQ(run.standardOutput, "Preparing JRE ...\r\n");
    // The search hands on the canonical, lower-case form; the tool's own quoted path comes first.
    std::string home = lowerAscii(utf8(runtime.home()));
    auto unpacking = [&](const std::string& archive) {
        return "\"" + home + "\\bin\\unpack200.exe\" -r \"" + home + archive + ".pack\" \"" + home + archive + "\"";
    };
    std::wstring toolLog = runtime.binDirectory() + L"\\unpack200.log";
    EXPECT_EQ(splitLines(readFile(toolLog)),
              (std::vector<std::string>{unpacking("\\lib\\charsets.jar"), unpacking("\\lib\\ext\\nashorn.jar")}));
    EXPECT_EQ(readFile(sandbox.path(L"jre\\lib\\ext\\nashorn.jar")), "unpacked\r\nnashorn");
    EXPECT_FALSE(fileExists(sandbox.path(L"jre\\lib\\ext\\nashorn.jar.pack")));
    EXPECT_FALSE(fileExists(sandbox.path(L"jre\\lib\\charsets.jar.pack")));
    EXPECT_EQ(readFile(sandbox.path(L"jre\\lib\\ext\\present.jar")), "original");
    EXPECT_TRUE(fileExists(sandbox.path(L"jre\\lib\\ext\\present.jar.pack")));

    run = sandbox.run(exe, isolatedRun(false));
    EXPECT_EQ(run.standardOutput, "");
    EXPECT_EQ(splitLines(readFile(toolLog)).size(), 2u);

    DeleteFileW(sandbox.path(L"jre\\bin\\unpack200.exe").c_str());
    sandbox.writeFile(L"jre\\lib\\tools.jar.pack", "tools");
    run = sandbox.run(exe, isolatedRun(false));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "An internal error occurred (error code 20).\r\n");
    EXPECT_TRUE(fileExists(sandbox.path(L"jre\\lib\\tools.jar.pack")));
}

}  // namespace
