// The player's files survive the game being killed at any moment. A child process saves games,
// records best times and writes settings in a loop, reporting each finished write through a pipe;
// it is killed with SIGKILL after a random (seeded) delay, a few hundred times over. After every
// kill each file holds exactly its last reported content or, for the one write under way, exactly
// the new one: never a mix, never nothing. Temporary files left by a kill pass for no game file.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <random>
#include <thread>

#include "app/IniFile.h"
#include "game/LevelCatalogue.h"
#include "platform/IniDocument.h"
#include "puzzle/SavedGame.h"
#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

constexpr int killCount = 300;
constexpr int maxDelayMicroseconds = 25000;  // about two rounds of writes

// The writes of one round, in the order the child makes them, and the value each last put on disk.
enum Write : uint32_t { savedGame, bestTime, visualStyle, viewStyle, writeCount };
using Values = std::array<uint32_t, writeCount>;
using Files = std::array<Bytes, 3>;  // the saved game, Recs.ini, Settings.ini

struct Report { uint32_t write, value; };

const char* const recordsText = "[Saved]\r\nGold=60\r\n\r\n[Solved]\r\nGold=100\r\nUser=0\r\n\r\n[Other]\r\nUser=77\r\n";
const char* const settingsText = "[System]\r\nWidth=800\r\n[GameSettings]\r\nVisualStyle=0\r\nViewStyle=0\r\nBackColorTime=0.002\r\n";

std::unique_ptr<CTallix> loadWritten(const std::string& name) {
    auto board = std::make_unique<CTallix>();
    board->loadLevel(L"Data\\Levels\\" + wide(name) + L".grd");
    return board;
}

// The entries the saved game of round `value` holds: every digit and mark pattern comes round.
void fill(CTallix& board, uint32_t value) {
    int k = 0;
    for (PCellActive* cell : board.playableCellsInRowOrder()) {
        for (int m = 0; m < 9; ++m) cell->marks[m] = ((value >> m) + k) % 2 == 1;
        enter(*cell, int((value + k++) % 10));
    }
    board.elapsed = value;
}

Bytes edited(const char* text, const std::wstring& section, const std::vector<std::pair<std::wstring, uint32_t>>& keys) {
    platform::IniDocument document(bytesOf(text));
    for (const auto& [key, value] : keys) document.set(section, key, std::to_wstring(value));
    return document.bytes();
}

// The child: writes until it is killed. A save that fails ends it with another status.
[[noreturn]] void writeUntilKilled(int reportFd, uint32_t first) {
    auto board = loadWritten("Saved"), solved = loadWritten("Solved");
    const IniFile settings(baseDirectory + L"Settings.ini");
    auto report = [reportFd](Write write, uint32_t value) {
        const Report message{write, value};
        if (::write(reportFd, &message, sizeof message) != sizeof message) _exit(2);
    };
    for (uint32_t value = first;; ++value) {
        fill(*board, value);
        if (!board->saveGame()) _exit(3);
        report(savedGame, value);
        solved->userBest = 0;
        solved->elapsed = value * 1000;
        solved->recordResult();
        report(bestTime, value);
        settings.writeInt(L"GameSettings", L"VisualStyle", int(value));
        report(visualStyle, value);
        settings.writeInt(L"GameSettings", L"ViewStyle", int(value));
        report(viewStyle, value);
    }
}

class CrashSafeWriting : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        writeBytes(levels() / "Saved.grd", levelFile(squareGrid()));
        writeBytes(levels() / "Solved.grd", levelFile(squareGrid()));
        reference_ = loadWritten("Saved");
        const Files files = expected({0, 0, 0, 0});
        writeBytes(levels() / "Saved.gsv", files[0]);
        writeBytes(levels() / "Recs.ini", files[1]);
        writeBytes(folder / "Settings.ini", files[2]);
    }

    Bytes savedGameBytes(uint32_t value) const {
        fill(*reference_, value);
        SavedGame game{true, reference_->width, reference_->height, value, {}};
        for (const PCellActive* cell : reference_->playableCellsInRowOrder()) game.cells.push_back({cell->value, cell->marks});
        return serialiseSavedGame(game);
    }
    // What the files hold when the writes last put `values` on disk.
    Files expected(const Values& values) const {
        return {savedGameBytes(values[savedGame]), edited(recordsText, L"Solved", {{L"User", values[bestTime]}}),
                edited(settingsText, L"GameSettings", {{L"VisualStyle", values[visualStyle]}, {L"ViewStyle", values[viewStyle]}})};
    }
    Files onDisk() const {
        return {readBytes(levels() / "Saved.gsv"), readBytes(levels() / "Recs.ini"), readBytes(folder / "Settings.ini")};
    }

    // Forks the writer, kills it after `delay`, and returns what it reported as done, in order.
    std::vector<Report> runAndKill(uint32_t first, std::chrono::microseconds delay) const {
        int fds[2];
        std::vector<Report> reports;
        const pid_t parent = getpid();
        const pid_t child = pipe(fds) == 0 ? fork() : -1;
        if (child == 0) {
            close(fds[0]);
            // Never outlive the test, however it ends.
            if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(4);
            writeUntilKilled(fds[1], first);
        }
        if (child < 0) {  // never kill(-1, ...): that would signal every process
            ADD_FAILURE() << "no pipe or no fork";
            return reports;
        }
        close(fds[1]);
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "writer ended by itself: " << status;
        for (Report message; read(fds[0], &message, sizeof message) == sizeof message;) reports.push_back(message);
        close(fds[0]);
        return reports;
    }

    size_t temporaryFiles() const {
        size_t count = 0;
        for (const fs::path& dir : {folder, levels()})
            for (const auto& entry : fs::directory_iterator(dir)) count += entry.path().extension() == ".tmp";
        return count;
    }

    std::unique_ptr<CTallix> reference_;
};

// The kills go on until one has left a temporary file behind, which must then pass for no level
// and no saved game while the game reads and writes on beside it.
TEST_F(CrashSafeWriting, EveryFileHoldsTheOldOrTheNewContentAfterEveryKill) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> delay(0, maxDelayMicroseconds);
    Values done{0, 0, 0, 0};
    uint32_t next = 1;
    for (int attempt = 0; attempt < killCount || temporaryFiles() == 0; ++attempt) {
        ASSERT_LT(attempt, 3 * killCount) << "no kill ever landed inside a write";
        SCOPED_TRACE("kill " + std::to_string(attempt));
        const std::vector<Report> reports = runAndKill(next, std::chrono::microseconds(delay(random)));
        for (const Report& message : reports) done[message.write] = message.value;
        // The write under way when the child died: the one after the last it reported.
        Write pending = savedGame;
        uint32_t pendingValue = next;
        if (!reports.empty()) {
            pending = Write((reports.back().write + 1) % writeCount);
            pendingValue = reports.back().value + (pending == savedGame ? 1 : 0);
        }
        Values finished = done;
        finished[pending] = pendingValue;
        const Files files = onDisk();
        if (files == expected(finished)) done = finished;
        ASSERT_EQ(files, expected(done)) << "pending write " << pending << " of value " << pendingValue;
        next = pendingValue + 1;
    }
    EXPECT_EQ(scanLevelFolder(), (std::vector<std::wstring>{L"Data\\Levels\\Saved.grd", L"Data\\Levels\\Solved.grd"}));
    EXPECT_FALSE(loadWritten("Solved")->savedGameExists);
    auto board = loadWritten("Saved");
    ASSERT_TRUE(board->savedGameExists);
    ASSERT_TRUE(board->loadSavedGame());
    ASSERT_TRUE(board->saveGame());
    EXPECT_EQ(readBytes(levels() / "Saved.gsv"), savedGameBytes(board->elapsed));
    IniFile(baseDirectory + L"Settings.ini").writeInt(L"GameSettings", L"ViewStyle", 2);
    EXPECT_EQ(IniFile(baseDirectory + L"Settings.ini").readInt(L"GameSettings", L"ViewStyle", 0), 2);
}

}  // namespace
