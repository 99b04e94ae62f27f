// The player's files survive the game being killed at any moment. A child process saves games,
// records best times and writes settings in a loop, reporting each finished write through a pipe;
// it is killed with SIGKILL after a random (seeded) delay, a few hundred times over. After every
// kill each file must hold exactly its last reported content, or, for the one write that was under
// way, exactly the new content: never a mix, never nothing. Temporary files left behind by a kill
// must not pass for game files.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>

#include "BadInputSupport.h"
#include "app/IniFile.h"
#include "app/Shell.h"
#include "game/LevelCatalogue.h"
#include "platform/IniDocument.h"
#include "puzzle/SavedGame.h"

namespace badinput {
namespace {

constexpr int killCount = 300;
constexpr unsigned killSeed = 20240607;
constexpr int maxDelayMicroseconds = 25000;  // about two rounds of writes

// The writes of one round, in the order the child makes them.
enum Write : uint32_t { savedGame, bestTime, visualStyle, viewStyle, writeCount };
using Values = std::array<uint32_t, writeCount>;  // the value each write last put on disk

struct Report {
    uint32_t write;
    uint32_t value;
};

const char* const recordsText =
    "[Saved]\r\nGold=60\r\nSilver=90\r\nBronze=120\r\n\r\n[Solved]\r\nGold=100\r\nUser=0\r\n"
    "\r\n[Other level]\r\nUser=77\r\n";
const char* const settingsText =
    "[System]\r\nWidth=800\r\nHeight=600\r\nFullScreen=0\r\n[GameSettings]\r\nVisualStyle=0\r\n"
    "ViewStyle=0\r\nBackColorTime=0.002\r\n";

// The entries the saved game of round `value` holds: every digit and mark pattern comes round.
void fill(CTallix& board, uint32_t value) {
    int k = 0;
    for (PCellActive* cell : board.playableCellsInRowOrder()) {
        for (int m = 0; m < 9; ++m) cell->marks[m] = ((value >> m) + k) % 2 == 1;
        cell->setValue(static_cast<int>((value + k++) % 10));
        updateRunsOf(*cell);
    }
    board.elapsed = value;
}

Bytes edited(const char* text, const std::vector<std::pair<std::wstring, uint32_t>>& keys,
             const std::wstring& section) {
    platform::IniDocument document(Bytes(text, text + std::char_traits<char>::length(text)));
    for (const auto& [key, value] : keys) document.set(section, key, std::to_wstring(value));
    return document.bytes();
}

void report(int fd, Write write, uint32_t value) {
    const Report message{write, value};
    if (::write(fd, &message, sizeof message) != sizeof message) _exit(2);
}

// The child: writes until it is killed. A save that fails ends it with another status.
[[noreturn]] void writeUntilKilled(int reportFd, uint32_t first) {
    CTallix board, solved;
    board.loadLevel(L"Data\\Levels\\Saved.grd");
    solved.loadLevel(L"Data\\Levels\\Solved.grd");
    const IniFile settings(baseDirectory + L"Settings.ini");
    for (uint32_t value = first;; ++value) {
        fill(board, value);
        if (!board.saveGame()) _exit(3);
        report(reportFd, savedGame, value);
        solved.userBest = 0;
        solved.elapsed = value * 1000;
        solved.recordResult();
        report(reportFd, bestTime, value);
        settings.writeInt(L"GameSettings", L"VisualStyle", static_cast<int>(value));
        report(reportFd, visualStyle, value);
        settings.writeInt(L"GameSettings", L"ViewStyle", static_cast<int>(value));
        report(reportFd, viewStyle, value);
    }
}

class CrashSafeWriting : public BadInputTest {
protected:
    void SetUp() override {
        BadInputTest::SetUp();
        writeBytes(levels() / "Saved.grd", levelFile(squareGrid()));
        writeBytes(levels() / "Solved.grd", levelFile(squareGrid()));
        reference_ = loadWritten("Saved");
        writeFiles({0, 0, 0, 0});
    }

    Bytes savedGameBytes(uint32_t value) const {
        fill(*reference_, value);
        SavedGame game{true, reference_->width, reference_->height, value, {}};
        for (const PCellActive* cell : reference_->playableCellsInRowOrder()) game.cells.push_back({cell->value, cell->marks});
        return serialiseSavedGame(game);
    }
    Bytes recordsBytes(uint32_t value) const { return edited(recordsText, {{L"User", value}}, L"Solved"); }
    Bytes settingsBytes(uint32_t visual, uint32_t view) const {
        return edited(settingsText, {{L"VisualStyle", visual}, {L"ViewStyle", view}}, L"GameSettings");
    }

    // What the three files hold when the writes last put `values` on disk.
    std::array<Bytes, 3> expectedFiles(const Values& values) const {
        return {savedGameBytes(values[savedGame]), recordsBytes(values[bestTime]),
                settingsBytes(values[visualStyle], values[viewStyle])};
    }
    std::array<Bytes, 3> filesOnDisk() const {
        return {readBytes(levels() / "Saved.gsv"), readBytes(levels() / "Recs.ini"),
                readBytes(folder / "Settings.ini")};
    }
    void writeFiles(const Values& values) const {
        const std::array<Bytes, 3> files = expectedFiles(values);
        writeBytes(levels() / "Saved.gsv", files[0]);
        writeBytes(levels() / "Recs.ini", files[1]);
        writeBytes(folder / "Settings.ini", files[2]);
    }

    // Forks the writer, kills it after `delay`, and returns what it reported as done, in order.
    std::vector<Report> runAndKill(uint32_t first, std::chrono::microseconds delay) const {
        int fds[2];
        if (pipe(fds) != 0) {
            ADD_FAILURE() << "no pipe";
            return {};
        }
        const pid_t parent = getpid();
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            // Never outlive the test, however it ends.
            if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(4);
            writeUntilKilled(fds[1], first);
        }
        close(fds[1]);
        if (child < 0) {  // never kill(-1, ...): that would signal every process
            close(fds[0]);
            ADD_FAILURE() << "no fork";
            return {};
        }
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "writer ended by itself: " << status;
        std::vector<Report> reports;
        for (Report message; read(fds[0], &message, sizeof message) == sizeof message;) reports.push_back(message);
        close(fds[0]);
        return reports;
    }

    size_t temporaryFiles() const {
        size_t count = 0;
        for (const fs::path& dir : {folder, levels()})
            for (const auto& entry : fs::directory_iterator(dir))
                count += entry.path().extension() == ".tmp" ? 1 : 0;
        return count;
    }

    std::unique_ptr<CTallix> reference_;
};

TEST_F(CrashSafeWriting, EveryFileHoldsTheOldOrTheNewContentAfterEveryKill) {
    std::mt19937 random(killSeed);
    std::uniform_int_distribution<int> delay(0, maxDelayMicroseconds);
    Values done{0, 0, 0, 0};
    uint32_t next = 1;
    int newContentUnreported = 0;
    for (int attempt = 0; attempt < killCount; ++attempt) {
        SCOPED_TRACE("kill " + std::to_string(attempt));
        const std::vector<Report> reports = runAndKill(next, std::chrono::microseconds(delay(random)));
        for (const Report& message : reports) done[message.write] = message.value;
        // The write under way when the child died: the one after the last it reported.
        Write pending = savedGame;
        uint32_t pendingValue = next;
        if (!reports.empty()) {
            const Report& last = reports.back();
            pending = static_cast<Write>((last.write + 1) % writeCount);
            pendingValue = pending == savedGame ? last.value + 1 : last.value;
        }
        Values finished = done;
        finished[pending] = pendingValue;
        const std::array<Bytes, 3> onDisk = filesOnDisk();
        if (onDisk == expectedFiles(finished) && finished != done) {
            done = finished;
            ++newContentUnreported;
        }
        ASSERT_EQ(onDisk, expectedFiles(done)) << "pending write " << pending << " of value " << pendingValue;
        next = pendingValue + 1;
    }
    std::printf("%d kills survived; %d just after a write had landed, %zu temporary files left behind\n",
                killCount, newContentUnreported, temporaryFiles());
    RecordProperty("kills", killCount);
}

// Left-over temporary files are neither levels nor saved games, and the game reads and writes on.
TEST_F(CrashSafeWriting, TemporaryFilesLeftByAKillPassForNoGameFile) {
    std::mt19937 random(killSeed + 1);
    std::uniform_int_distribution<int> delay(0, maxDelayMicroseconds);
    uint32_t next = 1;
    for (int attempt = 0; attempt < killCount / 10 || temporaryFiles() == 0; ++attempt) {
        ASSERT_LT(attempt, 3 * killCount) << "no kill ever landed inside a write";
        next += 1000;
        runAndKill(next, std::chrono::microseconds(delay(random)));
    }
    EXPECT_EQ(scanLevelFolder(), (std::vector<std::wstring>{L"Data\\Levels\\Saved.grd", L"Data\\Levels\\Solved.grd"}));
    for (const char* name : {"Saved", "Solved"}) {
        auto board = loadWritten(name);
        EXPECT_EQ(board->savedGameExists, std::string(name) == "Saved") << name;
    }
    // What loads is what the last finished save wrote, and saving goes on beside the leftovers.
    auto board = loadWritten("Saved");
    ASSERT_TRUE(board->loadSavedGame());
    ASSERT_TRUE(board->saveGame());
    EXPECT_EQ(readBytes(levels() / "Saved.gsv"), savedGameBytes(board->elapsed));
    IniFile(baseDirectory + L"Settings.ini").writeInt(L"GameSettings", L"ViewStyle", 2);
    EXPECT_EQ(IniFile(baseDirectory + L"Settings.ini").readInt(L"GameSettings", L"ViewStyle", 0), 2);
}

}  // namespace
}  // namespace badinput
