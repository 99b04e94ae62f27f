#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"

namespace testsupport {

fs::path freshFolder() {
    const char* root = std::getenv("TALLIX_TEST_TMP");
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    fs::path folder = (root && *root ? fs::path(root) : fs::temp_directory_path()) /
                      (std::string(test->test_suite_name()) + "_" + test->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::wstring wide(const fs::path& path) { return platform::fromUtf8(path.string()); }

std::wstring gamePath(const fs::path& folder, const std::wstring& relative) {
    return wide(folder) + L"\\" + relative;
}

void writeText(const fs::path& path, const std::string& text) {
    writeBytes(path, Bytes(text.begin(), text.end()));
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string readText(const fs::path& path) {
    Bytes bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

Bytes readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path builtGameFolder() {
    const char* dir = std::getenv("TALLIX_GAME_DIR");
    fs::path folder = dir && *dir ? fs::path(dir) : fs::path();
    EXPECT_TRUE(!folder.empty() && fs::is_directory(folder / "Data" / "Styles"))
        << "TALLIX_GAME_DIR must name the built game folder (run through ctest after building)";
    return folder;
}

void GameFolderTest::SetUp() {
    platform::selectBackend(platform::Backend::Null);
    platform::null::reset();
    platform::null::setTime(100000);
    quitRequested = false;
    folder = freshFolder();
    fs::create_directories(levels());
    savedDirectory_ = fs::current_path();
    savedBase_ = baseDirectory;
    fs::current_path(folder);
    baseDirectory = wide(folder) + L"\\";
}

void GameFolderTest::TearDown() {
    fs::current_path(savedDirectory_);
    baseDirectory = savedBase_;
    quitRequested = false;
}

}  // namespace testsupport
