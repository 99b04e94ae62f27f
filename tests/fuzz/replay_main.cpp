// Stand-in for libFuzzer's driver where there is none (gcc): runs the fuzz target once on every
// file named on the command line, and on every regular file inside a named folder, so the seed
// corpus and any saved crash inputs become ordinary regression tests.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool replayFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

// Returns the number of inputs run, or -1 when a path could not be read.
int replayPath(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
        return replayFile(path) ? 1 : -1;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
        if (!entry.is_regular_file(error))
            continue;
        if (!replayFile(entry.path()))
            return -1;
        ++count;
    }
    return error ? -1 : count;
}

}  // namespace

int main(int argc, char** argv) {
    int total = 0;
    for (int i = 1; i < argc; ++i) {
        const int count = replayPath(argv[i]);
        if (count < 0)
            return 1;
        total += count;
    }
    std::printf("replayed %d input(s)\n", total);
    return total > 0 ? 0 : 1;
}
