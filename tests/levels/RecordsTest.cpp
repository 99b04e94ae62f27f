#include "tools/levels/Records.h"

#include "platform/Platform.h"
#include "tests/support/TestFiles.h"

using namespace levels;

namespace {

MedalLimits limits(double score, int playable) {
    Grade grade;
    grade.solved = true;
    grade.score = score;
    return limitsFor(grade, playable);
}

}  // namespace

// Limits ascend and grow with work. The file reads back through the profile service; written
// again, it holds only the new list; names that cannot be sections are refused.
TEST(Records, LimitsAscendAndTheFileReadsBack) {
    const MedalLimits small = limits(10, 9), large = limits(400, 140);
    for (const MedalLimits& l : {small, large}) {
        EXPECT_GT(l.gold, 0);
        EXPECT_LT(l.gold, l.silver);
        EXPECT_LT(l.silver, l.bronze);
        EXPECT_EQ(l.gold % 5, 0);
    }
    EXPECT_LT(small.gold, large.gold);
    EXPECT_LT(limits(100, 50).gold, limits(200, 50).gold);

    const std::wstring path = testsupport::wide(testsupport::freshFolder() / "Recs.ini");
    auto read = [&](const wchar_t* level, const wchar_t* key) { return platform::profileInt(path, level, key, 0); };
    ASSERT_TRUE(writeRecords(path, {{L"01 Warm Up", {30, 45, 75}}, {L"02 Steps", {60, 90, 150}}}));
    EXPECT_EQ(std::vector<int>({read(L"01 Warm Up", L"Gold"), read(L"01 Warm Up", L"Silver"),
                                read(L"01 Warm Up", L"Bronze"), read(L"02 Steps", L"Gold"), read(L"02 Steps", L"User")}),
              std::vector<int>({30, 45, 75, 60, 0}));
    ASSERT_TRUE(writeRecords(path, {{L"02 Steps", {70, 100, 160}}}));
    EXPECT_EQ(read(L"01 Warm Up", L"Gold"), 0);
    EXPECT_EQ(read(L"02 Steps", L"Gold"), 70);
    EXPECT_FALSE(writeRecords(path, {{L"bad]name", {30, 45, 75}}}));
    EXPECT_FALSE(writeRecords(path, {{L"", {30, 45, 75}}}));
}

