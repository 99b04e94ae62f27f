// The runner: every registered case in order, with its result. The cases work in folders below the
// working directory. Usage: windows_tests TALLIX_EXE GAME_DATA_FOLDER
#include "tests/windows/Check.h"

#include <cstdio>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/Win32.h"

namespace wintest {

namespace {

struct Case {
    const char* name;
    std::function<void()> body;
};

std::vector<Case>& cases() {
    static std::vector<Case> all;
    return all;
}

int failures = 0;
std::string exe, data;

}  // namespace

void registerCase(const char* name, std::function<void()> body) {
    cases().push_back({name, std::move(body)});
}

void recordFailure(const char* file, int line, const std::string& what) {
    ++failures;
    std::printf("  FAILED %s:%d: %s\n", file, line, what.c_str());
}

// Only files are made in a case folder, and read-only ones are made writable to go.
std::wstring freshFolder(const std::wstring& name) {
    std::wstring folder = name + L"\\";
    CreateDirectoryW(name.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring path = folder + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return folder;
}

std::string narrow(const std::wstring& text) { return platform::toUtf8(text); }
const std::string& exePath() { return exe; }
const std::string& gameDataPath() { return data; }

}  // namespace wintest

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: windows_tests TALLIX_EXE GAME_DATA_FOLDER\n");
        return 2;
    }
    wintest::exe = argv[1];
    wintest::data = argv[2];
    int failedCases = 0;
    for (const auto& testCase : wintest::cases()) {
        int before = wintest::failures;
        try {
            testCase.body();
        } catch (const wintest::Abort&) {
        }
        bool passed = wintest::failures == before;
        failedCases += passed ? 0 : 1;
        std::printf("%s %s\n", passed ? "ok  " : "FAIL", testCase.name);
    }
    std::printf("%zu cases, %d failed\n", wintest::cases().size(), failedCases);
    std::fflush(stdout);
    return failedCases == 0 ? 0 : 1;
}
