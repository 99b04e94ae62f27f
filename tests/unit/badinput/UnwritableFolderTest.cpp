// Saving where nothing can be written: the call says so (or, for records and settings, quietly
// does nothing), the old files keep every byte, and the game goes on with what it holds.
//
// The tests run as root, for whom permission bits stop no write, so the folder is made
// unwritable in ways that hold for root too: the immutable attribute (which refuses new names but
// not writes into old files, so a write in place would show), and a file-size limit standing in
// for a full disk. Where the system offers neither, the test fails saying so. (A path through a
// file and a folder where the file should be are the file layer's own tests.)
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

#include "app/IniFile.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

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

class UnwritableFolder : public GameFolderTest {
protected:
    void SetUp() override {
        // A run that died inside a test may have left this test's folder immutable, and then
        // unremovable.
        const char* root = std::getenv("TALLIX_TEST_TMP");
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        const fs::path stale = fs::path(root && *root ? root : fs::temp_directory_path().string()) /
                               (std::string(test->test_suite_name()) + "_" + test->name());
        setImmutable(stale / "Data" / "Levels", false);
        setImmutable(stale, false);
        GameFolderTest::SetUp();
        board_ = loadBoard("A", levelFile(squareGrid()));
        for (PCellActive* cell : board_->playableCellsInRowOrder()) enter(*cell, 1);
        ASSERT_TRUE(board_->saveGame());
        writeText(levels() / "Recs.ini", "[A]\r\nGold=100\r\nUser=50\r\n");  // longer than the full disk
        settings().writeInt(L"GameSettings", L"VisualStyle", 1);
        old_ = files();
        board_ = loadBoard("A", levelFile(squareGrid()));
        for (PCellActive* cell : board_->playableCellsInRowOrder()) enter(*cell, 2);
        board_->elapsed = 30000;  // a better time than the 50 s on record
    }

    void TearDown() override {
        setImmutable(levels(), false);
        setImmutable(folder, false);
        GameFolderTest::TearDown();
    }

    static IniFile settings() { return IniFile(baseDirectory + L"Settings.ini"); }
    std::array<Bytes, 3> files() const {
        return {readBytes(levels() / "A.gsv"), readBytes(levels() / "Recs.ini"), readBytes(folder / "Settings.ini")};
    }

    std::unique_ptr<CTallix> board_;
    std::array<Bytes, 3> old_;
};

// Everything the game writes fails: the saved game (it says so), a setting and, the level being
// solved, the best time with the saved game's removal. The board keeps its entries, its saved-game
// flag and its best time in memory.
TEST_F(UnwritableFolder, ImmutableFoldersKeepEveryOldFileUntilTheyOpenAgain) {
    ASSERT_TRUE(setImmutable(levels(), true) && setImmutable(folder, true))
        << "no immutable attribute here: run the tests as root on a file system that has one";
    EXPECT_FALSE(board_->saveGame());
    settings().writeInt(L"GameSettings", L"VisualStyle", 3);
    board_->recordResult();
    EXPECT_TRUE(board_->hasEntries());
    EXPECT_TRUE(board_->savedGameExists);
    EXPECT_EQ(board_->userBest, 30);
    EXPECT_EQ(files(), old_);
    ASSERT_TRUE(setImmutable(levels(), false));
    EXPECT_TRUE(board_->saveGame());
    auto resumed = loadBoard("A", levelFile(squareGrid()));
    ASSERT_TRUE(resumed->loadSavedGame());
    EXPECT_EQ(resumed->playableCellsInRowOrder()[0]->value, 2);
}

// Writes stop at 16 bytes, as on a full disk: every write fails part-way and leaves nothing behind.
TEST_F(UnwritableFolder, FullDiskKeepsEveryOldFileAndLeavesNoTemporaryFile) {
    constexpr int cannotSetUp = 77;
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || signal(SIGXFSZ, SIG_IGN) == SIG_ERR) _exit(cannotSetUp);
        if (board_->saveGame() || readBytes(levels() / "A.gsv") != old_[0]) _exit(1);
        settings().writeInt(L"GameSettings", L"VisualStyle", 3);
        IniFile(baseDirectory + L"Data\\Levels\\Recs.ini").writeInt(L"A", L"User", 30);
        _exit(0);
    }
    ASSERT_GT(child, 0) << "no fork";
    int status = -1;
    waitpid(child, &status, 0);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == cannotSetUp) << "no file-size limit here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(files(), old_);
    for (const fs::path& dir : {folder, levels()})
        for (const auto& entry : fs::directory_iterator(dir)) EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

}  // namespace
