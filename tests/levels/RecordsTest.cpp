#include "tools/levels/Records.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Platform.h"

using namespace levels;

namespace {

std::wstring tempFile(const char* name) {
    const char* dir = std::getenv("TALLIX_TEST_TMP");
    return platform::fromUtf8(std::string(dir && *dir ? dir : ".") + "/" + name);
}

Grade gradeWithScore(double score) {
    Grade grade;
    grade.solved = true;
    grade.score = score;
    return grade;
}

}  // namespace

TEST(Records, LimitsAscendAndGrowWithWork) {
    const MedalLimits small = limitsFor(gradeWithScore(10), 9);
    const MedalLimits large = limitsFor(gradeWithScore(400), 140);
    for (const MedalLimits& limits : {small, large}) {
        EXPECT_GT(limits.gold, 0);
        EXPECT_LT(limits.gold, limits.silver);
        EXPECT_LT(limits.silver, limits.bronze);
        EXPECT_EQ(limits.gold % 5, 0);
    }
    EXPECT_LT(small.gold, large.gold);
    EXPECT_LT(limitsFor(gradeWithScore(100), 50).gold, limitsFor(gradeWithScore(200), 50).gold);
}

TEST(Records, WrittenFileReadsBackThroughTheProfileService) {
    const std::wstring path = tempFile("Records_WrittenFileReadsBack.ini");
    platform::deleteFile(path);
    ASSERT_TRUE(writeRecords(path, {{L"01 Warm Up", {30, 45, 75}}, {L"02 Steps", {60, 90, 150}}}));
    EXPECT_EQ(platform::profileInt(path, L"01 Warm Up", L"Gold", 0), 30);
    EXPECT_EQ(platform::profileInt(path, L"01 Warm Up", L"Silver", 0), 45);
    EXPECT_EQ(platform::profileInt(path, L"01 Warm Up", L"Bronze", 0), 75);
    EXPECT_EQ(platform::profileInt(path, L"02 Steps", L"Gold", 0), 60);
    EXPECT_EQ(platform::profileInt(path, L"02 Steps", L"User", 0), 0);  // no best time shipped
    // Written again, the file holds only the new list.
    ASSERT_TRUE(writeRecords(path, {{L"02 Steps", {70, 100, 160}}}));
    EXPECT_EQ(platform::profileInt(path, L"01 Warm Up", L"Gold", 0), 0);
    EXPECT_EQ(platform::profileInt(path, L"02 Steps", L"Gold", 0), 70);
}

TEST(Records, NamesThatCannotBeSectionsAreRefused) {
    const std::wstring path = tempFile("Records_NamesRefused.ini");
    EXPECT_FALSE(writeRecords(path, {{L"bad]name", {30, 45, 75}}}));
    EXPECT_FALSE(writeRecords(path, {{L"", {30, 45, 75}}}));
}
