// The VM option list with the real file system and environment, in this process.
#include <gtest/gtest.h>

#include "jvmlaunch/vm_options.h"
#include "launcher/config_store.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

TEST(VmOptions, OptionsFilesAndClassPathFromTheSystem) {
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    LauncherSandbox sandbox("VmOptions");
    std::string directory = narrow(sandbox.directory());
    CreateDirectoryW((sandbox.directory() + L"\\sub").c_str(), nullptr);
    CreateDirectoryW((sandbox.directory() + L"\\lib").c_str(), nullptr);
    // An ANSI byte reaches the VM unchanged; text mode ends lines at CR LF and the file at Ctrl-Z.
    sandbox.writeFile(L"a.vmoptions", "-Dcity=M\xFCnchen  \r\n-include-options sub\\b.vmoptions\r\n"
                                      "-include-options A.VMOPTIONS\r\n");
    sandbox.writeFile(L"sub\\b.vmoptions", "-Db=1\r\n\x1A-Dafter=end\r\n");
    sandbox.writeFile(L"lib\\x.jar", "");
    sandbox.writeFile(L"lib\\note.txt", "");
    SetEnvironmentVariableA("TESSEL_TEST_CP", "\"C:\\q\"");
    configStore().set(settingVmOptions, "-include-options " + directory + "\\a.vmoptions");
    configStore().set(settingClassPath, "S1" + directory + "\\lib;E0TESSEL_TEST_CP;E0TESSEL_TEST_UNSET");
    std::vector<std::string> expected = {"-Dp=1", "-Dcity=M\xFCnchen", "-Db=1",
                                         "-Djava.class.path=" + directory + "\\lib\\x.jar;C:\\q"};
    EXPECT_EQ(assembleVmOptions({u"test.exe"}, {"-Dp=1"}), expected);
    configStore().clear();
}

}  // namespace
