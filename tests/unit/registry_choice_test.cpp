#include "jvmsearch/registry_choice.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_platform.h"

namespace {

TEST(RegistryChoiceTest, VersionSubkeysAreFilteredAndProbedInDescendingTextOrder) {
    resetLauncherForTest();
    std::vector<std::string> names = {"1.8.0_191", "1.8", "9", "1.8.0_60", "11", "1.7.0_80", "Bogus"};
    EXPECT_EQ(versionNamesToProbe(names, parseVersion("1.8"), {}),
              (std::vector<std::string>{"9", "11", "1.8.0_60", "1.8.0_191", "1.8"}));
    // Lenient: a name with fewer parts than the bound passes.
    EXPECT_EQ(versionNamesToProbe(names, parseVersion("1.8.0_100"), parseVersion("1.8")),
              (std::vector<std::string>{"1.8.0_191", "1.8"}));
    EXPECT_EQ(usableCurrentVersion(std::string("11"), {}, parseVersion("1.8")), "");
    EXPECT_EQ(usableCurrentVersion(std::string("1.8"), {}, parseVersion("1.8")), "1.8");
}

TEST(RegistryChoiceTest, TiesGoToTheSecondAndTheFirstNewestLocatedStays) {
    resetLauncherForTest();
    std::optional<JvmCandidate> best;
    keepNewestLocated(best, {"a", ""});  // no parts: never the best
    EXPECT_FALSE(best);
    for (const char* name : {"b", "c"}) keepNewestLocated(best, {name, "1.8.0_191"});
    keepNewestLocated(best, {"d", "1.8.0_60"});
    EXPECT_EQ(best->javaExe, "b");

    JvmCandidate standard{"std", "1.8.0_191"}, located{"loc", "1.8.0_191"};
    EXPECT_EQ(newerOrSecond(standard, located)->javaExe, "loc");
    standard.version = "11";
    EXPECT_EQ(newerOrSecond(standard, located)->javaExe, "std");
    EXPECT_EQ(newerOrSecond(std::nullopt, located)->javaExe, "loc");
    EXPECT_FALSE(newerOrSecond(std::nullopt, std::nullopt));
}

}  // namespace
