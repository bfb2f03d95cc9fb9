#include "jvmsearch/version_rules.h"

#include <gtest/gtest.h>

#include <tuple>

#include "launcher/config_store.h"
#include "tests/unit/fake_platform.h"

namespace {

TEST(VersionRules, BoundsAreInclusiveAndCompareOnlyTheBoundsParts) {
    // version, minimum, maximum, strict result, lenient result
    const std::tuple<const char*, const char*, const char*, bool, bool> cases[] = {
        {"1.7.0_80", "1.8", "", false, false},        {"1.8.0_191", "1.6", "1.8", true, true},
        {"9.0.4", "1.6", "1.8", false, false},        {"1.8", "1.8.0_100", "", false, true},
        {"1.8.0_60", "1.8.0_100", "", false, false},  {"1.8.0", "", "1.8.0_100", true, true},
        {"1.8.0_101", "", "1.8.0_100", false, false}, {"", "1.8", "", false, true},
        {"1.08", "1.8", "1.8", true, true},
    };
    for (const auto& [version, minimum, maximum, strict, lenient] : cases) {
        SCOPED_TRACE(std::string(version) + " in [" + minimum + ", " + maximum + "]");
        VersionParts min = parseVersion(minimum), max = parseVersion(maximum);
        EXPECT_EQ(checkVersionRules(version, min, max, true), strict);
        EXPECT_EQ(checkVersionRulesLenient(version, min, max), lenient);
    }
    EXPECT_TRUE(fakePlatform().logLines.empty());
}

TEST(VersionRules, BetaRuleRefusesUnlessAllowedByCallerOrSetting) {
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

TEST(VersionRules, NewerComparesPartByPartAndLongerWinsTies) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"1.8.0", "1.8", true}, {"1.8", "1.8.0", false},          {"1.8", "1.8", false},   {"", "1.8", false},
        {"11", "9", true},      {"1.8.0_60", "1.8.0_191", false}, {nullptr, "1.8", false}, {"1.8", nullptr, true},
    };
    for (const auto& [a, b, newer] : cases)
        EXPECT_EQ(isNewerVersion(a, b), newer) << (a ? a : "null") << " vs " << (b ? b : "null");
}

}  // namespace
