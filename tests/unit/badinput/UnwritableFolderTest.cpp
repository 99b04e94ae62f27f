// Saving where nothing can be written: the call says so (or, for records and settings, quietly
// does nothing), the old files keep every byte, and the game goes on with what it holds.
//
// The tests run as root, for whom permission bits stop no write, so the folder is made
// unwritable in ways that hold for root too: a path that runs through a file, a folder where a
// file should be, the immutable attribute (which refuses new names but not writes into old files,
// so a write in place would show), and a file-size limit standing in for a full disk. Where the
// system does not offer one of the last two, its test fails saying so.
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <string>

#include "BadInputSupport.h"
#include "app/IniFile.h"
#include "app/Shell.h"

namespace badinput {
namespace {

constexpr int childCannotSetUp = 77;

// Sets or clears the immutable attribute of a folder; false where the file system has none.
bool setImmutable(const fs::path& folder, bool immutable) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

// Runs `body` in a child process and returns its exit status; `body` returns the status.
int inChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) _exit(body());
    if (child < 0) return -1;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class UnwritableFolder : public BadInputTest {
protected:
    void SetUp() override {
        // A run that died inside a test may have left the folders freshFolder() names immutable,
        // and then unremovable.
        const char* root = std::getenv("TALLIX_TEST_TMP");
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        const fs::path stale = fs::path(root && *root ? root : fs::temp_directory_path().string()) /
                               (std::string(test->test_suite_name()) + "_" + test->name());
        setImmutable(stale / "Data" / "Levels", false);
        setImmutable(stale, false);
        BadInputTest::SetUp();
        board_ = loadLevel("A", levelFile(squareGrid()));
        enterDigits(1);
        ASSERT_TRUE(board_->saveGame());
        writeText(levels() / "Recs.ini", "[A]\r\nGold=100\r\nUser=50\r\n");  // longer than the full disk
        IniFile(settings()).writeInt(L"GameSettings", L"VisualStyle", 1);
        old_ = files();
        board_ = loadWritten("A");
        enterDigits(2);
        board_->elapsed = 30000;  // a better time than the 50 s on record
    }

    void TearDown() override {
        setImmutable(levels(), false);
        setImmutable(folder, false);
        BadInputTest::TearDown();
    }

    void enterDigits(int digit) {
        for (PCellActive* cell : board_->playableCellsInRowOrder()) enter(*cell, digit);
    }

    std::wstring settings() const { return baseDirectory + L"Settings.ini"; }
    std::array<Bytes, 3> files() const {
        return {readBytes(levels() / "A.gsv"), readBytes(levels() / "Recs.ini"), readBytes(folder / "Settings.ini")};
    }

    // Everything the game writes: the saved game (its result returned), a setting and, the
    // level being solved, the best time with the saved game's removal.
    bool writeEverything() {
        const bool saved = board_->saveGame();
        IniFile(settings()).writeInt(L"GameSettings", L"VisualStyle", 3);
        board_->recordResult();
        return saved;
    }

    // The board keeps its entries and its saved-game flag, and its best time in memory.
    void expectTheGameGoesOn() {
        EXPECT_TRUE(board_->hasEntries());
        EXPECT_EQ(board_->playableCellsInRowOrder()[0]->value, 2);
        EXPECT_TRUE(board_->savedGameExists);
        EXPECT_EQ(board_->userBest, 30);
    }

    std::unique_ptr<CTallix> board_;
    std::array<Bytes, 3> old_;
};

TEST_F(UnwritableFolder, PathThroughAFileFailsAndTheFileInTheWayKeepsItsBytes) {
    fs::rename(levels(), folder / "Data" / "Levels.moved");
    const Bytes inTheWay = bytesOf("not a folder");
    writeBytes(levels(), inTheWay);
    EXPECT_FALSE(writeEverything());
    expectTheGameGoesOn();
    EXPECT_EQ(readBytes(levels()), inTheWay);
    EXPECT_TRUE(fs::is_regular_file(levels()));
}

TEST_F(UnwritableFolder, FolderWhereTheFileShouldBeIsLeftAlone) {
    fs::remove(levels() / "A.gsv");
    fs::remove(folder / "Settings.ini");
    fs::create_directories(levels() / "A.gsv");
    fs::create_directories(folder / "Settings.ini");
    writeBytes(levels() / "A.gsv" / "inside", {1, 2, 3});
    EXPECT_FALSE(writeEverything());
    EXPECT_EQ(readBytes(levels() / "A.gsv" / "inside"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(folder / "Settings.ini"));
    EXPECT_EQ(IniFile(settings()).readInt(L"GameSettings", L"VisualStyle", 7), 7);
    EXPECT_FALSE(board_->loadSavedGame());  // nothing to load: the flag goes, the board stays
    EXPECT_FALSE(board_->savedGameExists);
}

TEST_F(UnwritableFolder, ImmutableFoldersKeepEveryOldFileUntilTheyOpenAgain) {
    ASSERT_TRUE(setImmutable(levels(), true) && setImmutable(folder, true))
        << "no immutable attribute here: run the tests as root on a file system that has one";
    EXPECT_FALSE(writeEverything());
    expectTheGameGoesOn();
    EXPECT_EQ(files(), old_);
    ASSERT_TRUE(setImmutable(levels(), false));
    EXPECT_TRUE(board_->saveGame());
    auto resumed = loadWritten("A");
    ASSERT_TRUE(resumed->loadSavedGame());
    EXPECT_EQ(resumed->playableCellsInRowOrder()[0]->value, 2);
}

// Writes stop at 16 bytes, as on a full disk: every write fails part-way and leaves nothing
// behind. (The saved game is checked before the solved level's record removes it.)
TEST_F(UnwritableFolder, FullDiskKeepsEveryOldFileAndLeavesNoTemporaryFile) {
    const Bytes oldSavedGame = old_[0];
    const fs::path savedGame = levels() / "A.gsv";
    const int status = inChild([&] {
        const rlimit limit{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || signal(SIGXFSZ, SIG_IGN) == SIG_ERR) return childCannotSetUp;
        if (board_->saveGame() || readBytes(savedGame) != oldSavedGame) return 1;
        IniFile(settings()).writeInt(L"GameSettings", L"VisualStyle", 3);
        IniFile(baseDirectory + L"Data\\Levels\\Recs.ini").writeInt(L"A", L"User", 30);
        return 0;
    });
    ASSERT_NE(status, childCannotSetUp) << "no file-size limit here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files(), old_);
    for (const fs::path& dir : {folder, levels()})
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

}  // namespace
}  // namespace badinput
