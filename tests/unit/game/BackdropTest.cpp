// The backdrop's colour cycle on the null backend's fake clock: settings, the colour list, its
// shuffle and the glides. Nothing here needs GL (loadCycle and update).
#include "game/Backdrop.h"

#include <algorithm>
#include <set>

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

const BackdropColour white{1.0f, 1.0f, 1.0f}, red{1.0f, 0.0f, 0.0f};

class BackdropTest : public GameFolderTest {
protected:
    static void writeSettings(const std::string& keys) { writeText("Settings.ini", "[GameSettings]\n" + keys); }
    static void writeColours(const std::string& text) { writeText("Data/BackColors.ini", "[BackColors]\n" + text); }

    // Moves the fake clock in frames of `step` milliseconds, updating after each.
    static void run(Backdrop& backdrop, uint32_t milliseconds, uint32_t step = 10) {
        for (uint32_t done = 0; done < milliseconds; done += step) {
            platform::null::advanceTime(step);
            backdrop.update();
        }
    }

    // A backdrop holding each colour 1 s, gliding at the given speed through `list`.
    static Backdrop cycling(const std::vector<BackdropColour>& list, const std::string& speed) {
        writeSettings("BGColorChangeTime=1\nBGColorChangeSpeed=" + speed + "\n");
        Backdrop backdrop(7);
        backdrop.loadCycle();
        backdrop.colours = list;
        return backdrop;
    }
};

void expectTint(const Backdrop& backdrop, const BackdropColour& expected, float tolerance = 1e-4f) {
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(backdrop.tint[c], expected[c], tolerance) << "channel " << c;
}

// Without files: cycling on, 0.002, 20 s, three whites. Off: the colour file is not read.
TEST_F(BackdropTest, DefaultsCycleThroughThreeWhitesAndCyclingOffStaysWhite) {
    Backdrop backdrop(1);
    backdrop.loadCycle();
    EXPECT_TRUE(backdrop.changeEnabled);
    EXPECT_FLOAT_EQ(backdrop.changeSpeed, 0.002f);
    EXPECT_FLOAT_EQ(backdrop.changeTime, 20.0f);
    EXPECT_EQ(backdrop.colours, std::vector<BackdropColour>(3, white));
    run(backdrop, 45000, 100);
    EXPECT_EQ(backdrop.colourIndex, 2);

    writeSettings("BGColorChangeEnabled=0\nBGColorChangeTime=0.1\n");
    writeColours("count=2\n[color0]\nr=0\ng=0\nb=0\n[color1]\nr=10\ng=20\nb=30\n");
    backdrop.loadCycle();
    EXPECT_FALSE(backdrop.changeEnabled);
    EXPECT_EQ(backdrop.colours, std::vector<BackdropColour>(3, white));
    run(backdrop, 5000, 50);
    EXPECT_EQ(backdrop.colourIndex, 0);
    EXPECT_EQ(backdrop.tint, white);
}

// Missing sections and keys give white, values above 255 pass through, a huge count is bounded.
// One colour joins the three whites at every position over a few seeds.
TEST_F(BackdropTest, ColourFileGivesTheListAfterTheThreeWhitesShuffled) {
    writeColours("count=4\n[color0]\nr=51\ng=102\nb=0\n[color2]\nr=510\n");
    Backdrop backdrop(5);
    backdrop.loadCycle();
    ASSERT_EQ(backdrop.colours.size(), 7u);
    std::multiset<BackdropColour> found(backdrop.colours.begin(), backdrop.colours.end());
    EXPECT_EQ(found.count(white), 5u);  // three of the start, color1 and color3 absent
    EXPECT_EQ(found.count(BackdropColour{0.2f, 0.4f, 0.0f}), 1u);
    EXPECT_EQ(found.count(BackdropColour{2.0f, 1.0f, 1.0f}), 1u);

    writeColours("count=2000000000\n");
    backdrop.loadCycle();
    EXPECT_EQ(backdrop.colours.size(), size_t(3 + Backdrop::maxColours));

    writeColours("count=1\n[color0]\nr=0\ng=0\nb=255\n");
    std::set<size_t> positions;
    for (uint32_t seed = 0; seed < 40; ++seed) {
        Backdrop shuffled(seed);
        shuffled.loadCycle();
        const auto& list = shuffled.colours;
        ASSERT_EQ(list.size(), 4u);
        EXPECT_EQ(std::count(list.begin(), list.end(), white), 3);
        positions.insert(size_t(std::find(list.begin(), list.end(), BackdropColour{0.0f, 0.0f, 1.0f}) - list.begin()));
    }
    EXPECT_EQ(positions, (std::set<size_t>{0, 1, 2, 3}));
}

// Hold 1 s, glide 500 ms: the first change comes after the hold and aims at the second entry. Hold
// 1 s, glide 10 s: the second change starts where the first glide had got to.
TEST_F(BackdropTest, GlidesStartAfterTheHoldFromTheColourReached) {
    const BackdropColour grey{0.5f, 0.5f, 0.5f};
    Backdrop backdrop = cycling({red, grey, white}, "0.002");
    run(backdrop, 990);
    EXPECT_EQ(backdrop.colourIndex, 0);
    expectTint(backdrop, white);
    run(backdrop, 260);  // the change happened at 1000 ms; 250 ms into the glide
    EXPECT_EQ(backdrop.colourIndex, 1);
    expectTint(backdrop, {0.75f, 0.75f, 0.75f}, 0.01f);
    run(backdrop, 300);
    expectTint(backdrop, grey);
    EXPECT_FALSE(backdrop.red.active);
    run(backdrop, 2000);  // changes at 2 s (white) and 3 s (back to the first entry), glide done
    EXPECT_EQ(backdrop.colourIndex, 0);
    expectTint(backdrop, red);

    backdrop = cycling({white, {0.0f, 0.0f, 0.0f}, red}, "0.0001");
    run(backdrop, 1000);
    ASSERT_EQ(backdrop.colourIndex, 1);
    run(backdrop, 1000);  // 10 % of the way to black, then the next change aims at red
    ASSERT_EQ(backdrop.colourIndex, 2);
    EXPECT_NEAR(backdrop.green.from, 0.9f, 0.01f);
    EXPECT_NEAR(backdrop.red.from, 0.9f, 0.01f);
    expectTint(backdrop, {0.9f, 0.9f, 0.9f}, 0.01f);
    run(backdrop, 500);
    EXPECT_GT(backdrop.tint[0], 0.9f);
    EXPECT_LT(backdrop.tint[1], 0.9f);
}

// Equal neighbours change nothing visible; a speed of zero or less changes the tint at once.
TEST_F(BackdropTest, EqualNeighboursAndSpeedsOfZeroOrLessMakeNoGlide) {
    const BackdropColour sand{0.8f, 0.7f, 0.5f};
    Backdrop backdrop = cycling({sand, sand, sand}, "0.002");
    backdrop.red.value = sand[0];
    backdrop.green.value = sand[1];
    backdrop.blue.value = sand[2];
    for (int frame = 0; frame < 300; ++frame) {
        run(backdrop, 10);
        ASSERT_EQ(backdrop.tint, sand) << "frame " << frame;
    }
    EXPECT_EQ(backdrop.colourIndex, 0);  // three changes went by

    const BackdropColour teal{0.0f, 0.5f, 0.5f};
    for (const char* speed : {"0", "-0.5"}) {
        SCOPED_TRACE(speed);
        Backdrop instant = cycling({white, teal}, speed);
        run(instant, 1000);
        ASSERT_EQ(instant.colourIndex, 1);
        EXPECT_EQ(instant.tint, teal);
        run(instant, 1000);
        EXPECT_EQ(instant.tint, white);
    }
}

}  // namespace
