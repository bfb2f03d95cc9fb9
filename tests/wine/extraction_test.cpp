// Included files of real launcher files: where they go, what is refused, and
// that the launcher's temporary directory is gone after the process.
#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <regex>
#include <set>

#include "launcher/win32/handle.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

// A language restart leaves the launcher's temporary directory behind, so
// what was extracted can be looked at after the run.
const wchar_t* keepTempDir = L"__ovn_lang_restart";

std::string sidText(PSID sid) {
    char* text = nullptr;
    ConvertSidToStringSidA(sid, &text);
    std::string result = text ? text : "?";
    LocalFree(text);
    return result;
}

// Whom the access list read back from the file system lets in; "deny" and
// other kinds of entry show as such.
std::multiset<std::string> grantedTo(const std::wstring& path) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                          &descriptor);
    std::multiset<std::string> granted;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        GetAce(dacl, i, reinterpret_cast<void**>(&ace));
        bool allowed = ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE;
        granted.insert(allowed ? sidText(&ace->SidStart) : "type " + std::to_string(ace->Header.AceType));
    }
    LocalFree(descriptor);
    return granted;
}

// The launcher's "tsl*.tmp_dirN" directory in the sandbox's temporary directory, or "".
std::wstring launcherTempDirIn(const LauncherSandbox& sandbox) {
    for (const std::wstring& name : sandbox.tempEntries())
        if (name.find(L"_dir") != std::wstring::npos) return name;
    return L"";
}

TEST(Extraction, FilesLandInAPrivateTemporaryDirectoryThatIsGoneAfterExitOrAfterACutStream) {
    LauncherSandbox sandbox;
    LauncherConfiguration config = appConfiguration();
    std::string binary("MZ\0\x01\xA7\xFF", 6);
    std::string large(20000, 'a');  // more than one copy chunk
    // Empty files and "/" as a separator are the unit tests' part.
    config.includedFiles = {{"app.txt", large}, {"lib\\x.dll", binary}, {"beyond.txt", "n"}};
    config.set(2002, "2");  // one name more than the count
    std::wstring exe = sandbox.makeLauncher(config);
    sandbox.run(exe, {keepTempDir});

    std::wstring dirName = launcherTempDirIn(sandbox);
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(dirName, match, std::wregex(L"(tsl[0-9A-Fa-f]{1,4}\\.tmp)_dir(-?[0-9]+)")))
        << utf8(dirName);
    // The unique file the name was made from does not outlive the launcher.
    EXPECT_FALSE(fileExists(sandbox.tempDirectory() + L"\\" + match[1].str()));
    std::wstring dir = sandbox.tempDirectory() + L"\\" + dirName;
    EXPECT_EQ(readFile(dir + L"\\app.txt"), large);
    EXPECT_EQ(readFile(dir + L"\\lib\\x.dll"), binary);
    EXPECT_FALSE(fileExists(dir + L"\\beyond.txt"));
    // Only the user and the system get in, also where the file system hands
    // nothing down (as Wine's does). Whether the system enforces the list is
    // Windows' part; what the launcher asked for is what is read back here.
    Handle token;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive());
    std::vector<BYTE> user(512);
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token.get(), TokenUser, user.data(), 512, &size));
    std::multiset<std::string> userAndSystem = {sidText(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid),
                                                "S-1-5-18"};
    for (const wchar_t* made : {L"", L"\\lib", L"\\lib\\x.dll", L"\\app.txt"})
        EXPECT_EQ(grantedTo(dir + made), userAndSystem) << utf8(made);

    // A start that ends normally removes its directory, the subdirectory too;
    // so does one whose included files are cut short.
    removeDirectoryTree(dir);
    sandbox.run(exe, isolatedRun(false));
    EXPECT_EQ(launcherTempDirIn(sandbox), L"");
    std::string file = readFile(exe);
    std::wstring cut = sandbox.writeFile(L"cut.exe", file.substr(0, file.size() - 15000));  // inside app.txt
    LauncherRun run = sandbox.run(cut, isolatedRun(false));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "An internal error occurred (error code 16).\r\n");
    EXPECT_EQ(launcherTempDirIn(sandbox), L"");
}

// Which names reach outside is the unit tests' part; one is enough here.
TEST(Extraction, NamesReachingOutsideAreRefusedBeforeAnythingIsWritten) {
    LauncherSandbox sandbox;
    LauncherConfiguration config = appConfiguration();
    config.includedFiles = {{"fine.txt", "fine"}, {"lib/../../outside.txt", "evil"}};
    LauncherRun run = sandbox.run(sandbox.makeLauncher(config), {L"-q_ovn_internal"});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "An internal error occurred (error code 11).\r\n");
    EXPECT_FALSE(fileExists(sandbox.path(L"outside.txt")));
    EXPECT_TRUE(sandbox.tempEntries().empty());  // not even the launcher's directory
}

}  // namespace
