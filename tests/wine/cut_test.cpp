// A launcher file cut anywhere behind its image, as an interrupted download
// or copy leaves it: the readers end the launcher with their fatal text and
// exit code 1, never with a crash or a start on half a configuration.
#include <gtest/gtest.h>

#include "tests/wine/launcher_sandbox.h"

namespace {

bool isReadersFatalText(const std::string& text) {
    return text.find("Internal Error: ") != text.npos || text.find("Internal error 16.") != text.npos;
}

TEST(Cuts, EveryCutThroughTheBlockOrTheIncludedFilesEndsWithAReadersFatalText) {
    LauncherSandbox sandbox;
    // Small, but with every part: settings, messages, a locale block and an included file.
    LauncherConfiguration config;
    config.set(107, "0").set(128, "B.\\jre;").message(1009, u"Internal error {0}.");
    config.localeBlocks = {{"x", {{1009, u"x"}}}};
    config.includedFiles = {{"a.txt", "abc"}};
    std::string image = LauncherSandbox::launcherImage();
    std::string file = makeLauncherFile(image, config);
    size_t blockStart = configurationBlockOffset(image).value_or(0);
    ASSERT_GT(blockStart, 0u);
    // The end marker and the padding behind the last file are never read.
    size_t contentEnd = blockStart + writeConfigurationBlock(config).size() - 4;
    for (size_t cut = blockStart; cut < contentEnd; ++cut) {
        // A fresh name each time: Wine may still hold the image of the file just run.
        std::wstring exe = sandbox.writeFile(L"cut" + std::to_wstring(cut) + L".exe", file.substr(0, cut));
        LauncherRun run = sandbox.run(exe, isolatedRun(false));
        DeleteFileW(exe.c_str());
        EXPECT_EQ(run.exitCode, 1u) << "cut at " << cut - blockStart << ": " << run.standardError;
        EXPECT_TRUE(isReadersFatalText(run.standardError)) << "cut at " << cut - blockStart << ": " << run.standardError;
    }
}

}  // namespace
