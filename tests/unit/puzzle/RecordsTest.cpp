// Best times written back to Recs.ini, the saved game removed on solving, and the medal choice.
#include "puzzle/Records.h"

#include "PuzzleTestSupport.h"
#include "app/IniFile.h"

using namespace puzzletest;

namespace {

class RecordsTest : public PuzzleTest {
protected:
    std::unique_ptr<CTallix> solvedIn(uint32_t milliseconds) {
        auto board = load("Level", levelFile(squareGrid()));
        board->elapsed = milliseconds;
        return board;
    }

    int recordedBest() const {
        return IniFile(baseDirectory + L"Data\\Levels\\Recs.ini").readInt(L"Level", L"User", 0);
    }
};

}  // namespace

TEST(MedalTest, WholeSecondsReachALimitWithEquality) {
    EXPECT_EQ(medalFor(59999, 59, 100, 200), Medal::Gold);
    EXPECT_EQ(medalFor(60000, 59, 100, 200), Medal::Silver);
    EXPECT_EQ(medalFor(119999, 100, 119, 200), Medal::Silver);
    EXPECT_EQ(medalFor(800000, 450, 600, 900), Medal::Bronze);
    EXPECT_EQ(medalFor(901000, 450, 600, 900), Medal::None);
    EXPECT_EQ(medalFor(250000, 100, 200, 0), Medal::None);  // no bronze limit recorded
}

TEST(MedalTest, LimitsAreUsedAsTheyAre) {
    EXPECT_EQ(medalFor(250000, 300, 200, 100), Medal::Gold);
    EXPECT_EQ(medalFor(250000, 100, 50, 300), Medal::Bronze);
}

TEST(MedalTest, Messages) {
    EXPECT_STREQ(medalMessage(Medal::Gold), "You win Gold Medal");
    EXPECT_STREQ(medalMessage(Medal::Silver), "You win Silver Medal");
    EXPECT_STREQ(medalMessage(Medal::Bronze), "You win Bronze Medal");
    EXPECT_STREQ(medalMessage(Medal::None), "No Medal...");
}

TEST_F(RecordsTest, OnlyABetterTimeIsWritten) {
    auto board = solvedIn(800999);
    board->recordResult();
    EXPECT_EQ(board->userBest, 800);
    EXPECT_EQ(recordedBest(), 800);

    std::filesystem::remove(levels() / "Recs.ini");
    auto again = solvedIn(800000);
    again->userBest = 800;
    again->recordResult();  // an equal time writes nothing
    EXPECT_FALSE(std::filesystem::exists(levels() / "Recs.ini"));

    again->elapsed = 799999;
    again->recordResult();
    EXPECT_EQ(again->userBest, 799);
    EXPECT_EQ(recordedBest(), 799);
}

TEST_F(RecordsTest, NegativeBestTimeCountsAsNoRecord) {
    writeRecords("[Level]\nUser=-5\n");
    auto board = solvedIn(61000);
    ASSERT_EQ(board->userBest, -5);
    board->recordResult();
    EXPECT_EQ(recordedBest(), 61);
}

TEST_F(RecordsTest, SolvingRemovesTheSavedGame) {
    writeFile(levels() / "Level.gsv", bytesOf("GRD1BS"));
    auto board = solvedIn(5000);
    ASSERT_TRUE(board->savedGameExists);
    board->recordResult();
    EXPECT_FALSE(std::filesystem::exists(levels() / "Level.gsv"));
    EXPECT_FALSE(board->savedGameExists);

    board->savedGameExists = true;  // a flag without a file: nothing deleted, the flag stays
    board->recordResult();
    EXPECT_TRUE(board->savedGameExists);
}
