#include "jvmsearch/version_rules.h"

#include <gtest/gtest.h>

#include "launcher/config_store.h"
#include "tests/unit/fake_platform.h"

namespace {

class VersionRulesTest : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }
};

TEST_F(VersionRulesTest, TextsSplitIntoNumbers) {
    struct {
        const char* text;
        VersionParts parts;
    } cases[] = {
        {"9-ea", {9, 0}},
        {"11.0.2+9", {11, 0, 2, 9}},
        {"1.8.0_191-b12", {1, 8, 0, 191, 0}},
        {"..1__8--", {1, 8}},
        {"17.0.1 2021", {17, 0, 1}},
        {"99999999999.1", {2147483647, 1}},
        {"abc", {0}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseVersion(c.text), c.parts) << c.text;
    EXPECT_TRUE(parseVersion(static_cast<const char*>(nullptr)).empty());
}

TEST_F(VersionRulesTest, BoundsAreInclusiveAndCompareOnlyTheBoundsParts) {
    struct {
        const char* version;
        const char* minimum;
        const char* maximum;
        bool strict;
        bool lenient;
    } cases[] = {
        {"1.7.0_80", "1.8", "", false, false},
        {"1.8.0_191", "1.6", "1.8", true, true},
        {"9.0.4", "1.6", "1.8", false, false},
        {"1.8", "1.8.0_100", "", false, true},
        {"1.8.0_60", "1.8.0_100", "", false, false},
        {"1.8.0", "", "1.8.0_100", true, true},
        {"1.8.0_101", "", "1.8.0_100", false, false},
        {"", "1.8", "", false, true},
        {"1.08", "1.8", "1.8", true, true},
    };
    for (const auto& c : cases) {
        const VersionParts minimum = parseVersion(c.minimum);
        const VersionParts maximum = parseVersion(c.maximum);
        EXPECT_EQ(checkVersionRules(c.version, minimum, maximum, true), c.strict)
            << c.version << " in [" << c.minimum << ", " << c.maximum << "]";
        EXPECT_EQ(checkVersionRulesLenient(c.version, minimum, maximum), c.lenient)
            << c.version << " in [" << c.minimum << ", " << c.maximum << "]";
    }
    EXPECT_TRUE(fakePlatform().logLines.empty());
}

TEST_F(VersionRulesTest, BetaRuleRefusesUnlessAllowedByCallerOrSetting) {
    const VersionParts minimum = parseVersion("1.8");
    const VersionParts none;
    for (const char* beta : {"9-ea", "1.8.0_181-release", "10-beta", "11-rc2"}) {
        EXPECT_FALSE(checkVersionRules(beta, minimum, none, false)) << beta;
        EXPECT_TRUE(checkVersionRules(beta, minimum, none, true)) << beta;
    }

    // Case-sensitive, and the bounds still apply to an allowed beta.
    EXPECT_TRUE(checkVersionRules("9-EA", minimum, none, false));
    EXPECT_FALSE(checkVersionRules("1.7-ea", minimum, none, true));

    configStore().set(130, "1");
    EXPECT_TRUE(checkVersionRules("9-ea", minimum, none, false));
    // The lenient form never applies the beta rule.
    configStore().set(130, "0");
    EXPECT_TRUE(checkVersionRulesLenient("9-ea", minimum, none));
}

TEST_F(VersionRulesTest, NewerComparesPartByPartAndLongerWinsTies) {
    struct {
        const char* a;
        const char* b;
        bool newer;
    } cases[] = {
        {"1.8.0", "1.8", true}, {"1.8", "1.8.0", false}, {"1.8", "1.8", false},
        {"", "1.8", false},     {"11", "9", true},       {"1.8.0_60", "1.8.0_191", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNewerVersion(c.a, c.b), c.newer) << c.a << " vs " << c.b;
    EXPECT_FALSE(isNewerVersion(nullptr, "1.8"));
    EXPECT_TRUE(isNewerVersion("1.8", nullptr));
}

}  // namespace
