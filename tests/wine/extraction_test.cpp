// Included files of real launcher files: where they go, what is refused, and
// that the launcher's temporary directory is gone after the process.
#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <regex>

#include "launcher/win32/handle.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Quiet through setting 107, so failures go to stderr.
LauncherConfiguration quietConfiguration() {
    LauncherConfiguration config;
    config.set(107, "0").set(122, "com.example.Main").set(2001, "t");
    config.message(1009, u"Internal error {0}");
    return config;
}

// A language restart leaves the launcher's temporary directory behind, so
// what was extracted can be looked at after the run.
const wchar_t* keepTempDir = L"__ovn_lang_restart";

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string sidText(PSID sid) {
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return "?";
    std::string result = narrow(text);
    LocalFree(text);
    return result;
}

// The current user's SID and SYSTEM's, sorted.
std::vector<std::string> userAndSystem() {
    Handle token;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive());
    std::vector<BYTE> user(512);
    DWORD size = 0;
    EXPECT_TRUE(GetTokenInformation(token.get(), TokenUser, user.data(), 512, &size));
    std::vector<std::string> sids = {sidText(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid), "S-1-5-18"};
    std::sort(sids.begin(), sids.end());
    return sids;
}

// Whom the access list read back from the file system lets in, sorted; "deny"
// and other kinds of entry show as such.
std::vector<std::string> grantedTo(const std::wstring& path) {
    Handle file(CreateFileW(path.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!file || GetSecurityInfo(file.get(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                 nullptr, &descriptor) != ERROR_SUCCESS)
        return {"unreadable"};
    std::vector<std::string> granted;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        GetAce(dacl, i, reinterpret_cast<void**>(&ace));
        bool allowed = ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE;
        granted.push_back(allowed ? sidText(&ace->SidStart) : "type " + std::to_string(ace->Header.AceType));
    }
    LocalFree(descriptor);
    std::sort(granted.begin(), granted.end());
    return granted;
}

// The single "tsl*.tmp_dirN" directory of the sandbox's temporary directory, or "".
std::wstring launcherTempDirIn(const LauncherSandbox& sandbox) {
    std::wstring found;
    for (const std::wstring& name : sandbox.tempEntries())
        if (name.find(L"_dir") != std::wstring::npos) {
            EXPECT_TRUE(found.empty()) << "more than one launcher directory";
            found = name;
        }
    return found;
}

TEST(Extraction, FilesLandInTheLauncherTempDirectoryWhichIsGoneAfterExit) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    std::string binary("MZ\0\x01\xA7\xFF", 6);
    std::string large(20000, 'a');  // more than one copy chunk
    config.includedFiles = {
        {"app.txt", large}, {"lib/y.dll", "y"}, {"lib\\x.dll", binary}, {"empty.bin", ""}, {"beyond.txt", "n"}};
    config.set(2002, "4");  // one name more than the count
    std::wstring exe = sandbox.makeLauncher(L"app.exe", config);
    LauncherRun run = sandbox.run(exe, withArguments(keepTempDir));
    EXPECT_NE(run.exitCode, 1u) << run.standardError;

    std::wstring dirName = launcherTempDirIn(sandbox);
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(dirName, match, std::wregex(L"(tsl[0-9A-Fa-f]{1,4}\\.tmp)_dir(-?[0-9]+)")))
        << narrow(dirName);
    // The unique file the name was made from does not outlive the launcher.
    EXPECT_FALSE(exists(sandbox.tempDirectory() + L"\\" + match[1].str()));
    std::wstring dir = sandbox.tempDirectory() + L"\\" + dirName;
    EXPECT_EQ(readWholeFile(dir + L"\\app.txt"), large);
    EXPECT_EQ(readWholeFile(dir + L"\\lib\\x.dll"), binary);
    EXPECT_EQ(readWholeFile(dir + L"\\lib\\y.dll"), "y");
    EXPECT_FALSE(exists(dir + L"\\empty.bin"));
    EXPECT_FALSE(exists(dir + L"\\beyond.txt"));
    // Only the user and the system get in, also where the file system hands
    // nothing down (as Wine's does). Whether the system enforces the list is
    // Windows' part; what the launcher asked for is what is read back here.
    for (const wchar_t* made : {L"", L"\\lib", L"\\lib\\x.dll", L"\\app.txt"})
        EXPECT_EQ(grantedTo(dir + made), userAndSystem()) << narrow(made);

    // A start that ends normally removes its directory, the subdirectory too.
    LauncherSandbox second(testName() + "_exit");
    run = second.run(second.makeLauncher(L"app.exe", config));
    EXPECT_NE(run.exitCode, 1u) << run.standardError;
    EXPECT_EQ(launcherTempDirIn(second), L"");
}

TEST(Extraction, NamesReachingOutsideAreRefusedBeforeAnythingIsWritten) {
    LauncherSandbox sandbox(testName());
    std::wstring outside = sandbox.directory() + L"\\outside.txt";
    std::string absolute = narrow(outside);
    for (std::string name : {std::string("..\\outside.txt"), absolute, std::string("lib/../../outside.txt")}) {
        LauncherConfiguration config = quietConfiguration();
        config.includedFiles = {{"fine.txt", "fine"}, {name, "evil"}};
        LauncherRun run = sandbox.run(sandbox.makeLauncher(L"app.exe", config));
        EXPECT_EQ(run.exitCode, 1u) << name;
        EXPECT_EQ(run.standardError, "Internal error 11\r\n") << name;
        EXPECT_FALSE(exists(outside)) << name;
        EXPECT_TRUE(sandbox.tempEntries().empty()) << name;  // not even the launcher's directory
    }
}

TEST(Extraction, StreamCutShortIsInternalError16AndLeavesNothing) {
    LauncherSandbox sandbox(testName());
    LauncherConfiguration config = quietConfiguration();
    config.includedFiles = {{"small.txt", "s"}, {"big.bin", std::string(100000, 'b')}};
    std::string file = makeLauncherFile(readWholeFile(LauncherSandbox::launcherExe()), config);
    size_t blockEnd = *configurationBlockOffset(file) + writeConfigurationBlock(config).size();
    std::wstring exe = sandbox.writeFile(L"cut.exe", file.substr(0, blockEnd - 50000));
    LauncherRun run = sandbox.run(exe);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.standardError, "Internal error 16\r\n");
    EXPECT_EQ(launcherTempDirIn(sandbox), L"");
}

}  // namespace
