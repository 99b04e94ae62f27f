// Stand-in for libFuzzer's driver where there is none (gcc): runs the fuzz target once on every
// file named on the command line and every regular file inside a named folder, so the seeds and
// any saved crash inputs become ordinary regression tests. Fails when a path cannot be read or
// nothing was run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (!fs::is_directory(argv[i], error)) inputs.push_back(argv[i]);
        for (const auto& entry : fs::directory_iterator(argv[i], error))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::fprintf(stderr, "cannot read %s\n", path.string().c_str()), 1;
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu input(s)\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
