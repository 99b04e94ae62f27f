// The medal for a time, best times written back to Recs.ini, and the saved game removed on solving.
#include "puzzle/Records.h"

#include "app/IniFile.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

// Whole seconds reach a limit with equality; limits are used as they are, ascending or not.
TEST(MedalTest, TheFirstLimitReachedInWholeSeconds) {
    struct Row { uint32_t ms; int32_t gold, silver, bronze; Medal medal; };
    for (Row row : {Row{59999, 59, 100, 200, Medal::Gold}, Row{60000, 59, 100, 200, Medal::Silver},
                    Row{119999, 100, 119, 200, Medal::Silver}, Row{900999, 450, 600, 900, Medal::Bronze},
                    Row{901000, 450, 600, 900, Medal::None}, Row{250000, 100, 200, 0, Medal::None},
                    Row{250000, 300, 200, 100, Medal::Gold}, Row{250000, 100, 50, 300, Medal::Bronze}}) {
        EXPECT_EQ(medalFor(row.ms, row.gold, row.silver, row.bronze), row.medal) << row.ms << " " << row.gold;
    }
    for (auto [medal, text] : {std::pair{Medal::Gold, "You win Gold Medal"}, {Medal::Silver, "You win Silver Medal"},
                               {Medal::Bronze, "You win Bronze Medal"}, {Medal::None, "No Medal..."}})
        EXPECT_STREQ(medalMessage(medal), text);
}

class RecordsTest : public GameFolderTest {
protected:
    std::unique_ptr<CTallix> solvedIn(uint32_t milliseconds) {
        auto board = loadBoard("Level", levelFile(squareGrid()));
        board->elapsed = milliseconds;
        return board;
    }
    fs::path records() const { return levels() / "Recs.ini"; }
    int recordedBest() const { return IniFile(baseDirectory + L"Data\\Levels\\Recs.ini").readInt(L"Level", L"User", 0); }
};

// Only a better time is written, in whole seconds; a best time of 0 or below is no record. Solving
// removes the saved game.
TEST_F(RecordsTest, OnlyABetterTimeIsWrittenAndTheSavedGameGoes) {
    auto board = solvedIn(800999);
    board->recordResult();
    EXPECT_EQ(board->userBest, 800);
    EXPECT_EQ(recordedBest(), 800);

    fs::remove(records());
    board->elapsed = 800000;
    board->recordResult();  // an equal time writes nothing
    EXPECT_FALSE(fs::exists(records()));
    board->elapsed = 799999;
    board->recordResult();
    EXPECT_EQ(board->userBest, 799);
    EXPECT_EQ(recordedBest(), 799);

    writeText(records(), "[Level]\nUser=-5\n");
    auto damaged = solvedIn(61000);
    ASSERT_EQ(damaged->userBest, -5);
    damaged->recordResult();
    EXPECT_EQ(recordedBest(), 61);

    // Solving removes the saved game, a better time or not.
    writeBytes(levels() / "Level.gsv", bytesOf("GRD1BS"));
    board = solvedIn(70000);
    ASSERT_TRUE(board->savedGameExists);
    board->recordResult();
    EXPECT_FALSE(fs::exists(levels() / "Level.gsv"));
    EXPECT_FALSE(board->savedGameExists);

    board->savedGameExists = true;  // a flag without a file: nothing deleted, the flag stays
    board->recordResult();
    EXPECT_TRUE(board->savedGameExists);
}

}  // namespace
