// Loading and uploading 100 small DDS files through the texture cache, against a plain read of
// the same bytes: what the cache's parse and upload cost on top of the disk, as a whole and each
// on its own (the parse from bytes already read, the upload from levels already located).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchContext.h"
#include "bench/Ratios.h"
#include "gfx/DdsImage.h"
#include "gfx/TextureBinding.h"
#include "gfx/TextureCache.h"
#include "gfx/TextureUpload.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "tests/support/DdsWriter.h"

namespace {

constexpr int fileCount = 100;

// 100 files of 64 x 64 BGRA with a stored mipmap chain, written once per run.
const std::vector<std::wstring>& sampleFiles() {
    static std::vector<std::wstring> names;
    if (!names.empty()) return names;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tallix-bench-dds";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < fileCount; ++i) {
        std::vector<testsupport::DdsLevel> levels;
        for (uint32_t side = 64; side >= 1; side /= 2)
            levels.push_back(testsupport::solidBgra(side, side, {uint8_t(i), 80, 160, 255}));
        std::filesystem::path path = folder / ("sample" + std::to_string(i) + ".dds");
        testsupport::writeBgraDds(path, levels);
        names.push_back(path.wstring());
    }
    return names;
}

void BM_PlainReadOf100Dds(benchmark::State& state) {
    const auto& names = sampleFiles();
    std::vector<uint8_t> bytes;
    for (auto _ : state) {
        for (const std::wstring& name : names) {
            platform::readWholeFile(name, bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_PlainReadOf100Dds)->Unit(benchmark::kMillisecond)->Repetitions(figureRepetitions)
    ->ReportAggregatesOnly(true);

const std::vector<std::vector<uint8_t>>& sampleBytes() {
    static std::vector<std::vector<uint8_t>> files;
    if (files.empty())
        for (const std::wstring& name : sampleFiles()) platform::readWholeFile(name, files.emplace_back());
    return files;
}

void BM_DdsParseOf100(benchmark::State& state) {
    const auto& files = sampleBytes();
    nv_dds::FirstFace face;
    for (auto _ : state) {
        for (const std::vector<uint8_t>& bytes : files) {
            nv_dds::locateFirstFace(bytes.data(), bytes.size(), face);
            benchmark::DoNotOptimize(face.levels.data());
        }
    }
}
BENCHMARK(BM_DdsParseOf100)->Unit(benchmark::kMillisecond)->Repetitions(figureRepetitions)
    ->ReportAggregatesOnly(true);

void BM_DdsUploadOf100(benchmark::State& state) {
    if (!bench::openContext(state)) return;
    std::vector<nv_dds::FirstFace> faces(fileCount);
    for (size_t i = 0; i < faces.size(); ++i)
        nv_dds::locateFirstFace(sampleBytes()[i].data(), sampleBytes()[i].size(), faces[i]);
    std::vector<GLuint> textures;
    for (auto _ : state) {
        for (const nv_dds::FirstFace& face : faces) textures.push_back(uploadTexture(face));
        glFinish();
        state.PauseTiming();
        glDeleteTextures(GLsizei(textures.size()), textures.data());
        textures.clear();
        forgetTextureBinding();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DdsUploadOf100)->Unit(benchmark::kMillisecond)->Repetitions(figureRepetitions)
    ->ReportAggregatesOnly(true);

void BM_TextureCacheLoadOf100Dds(benchmark::State& state) {
    if (!bench::openContext(state)) return;
    const auto& names = sampleFiles();
    for (auto _ : state) {
        CTextureCache cache;
        std::vector<GLuint> textures;
        for (const std::wstring& name : names) textures.push_back(cache.getTexture(name));
        glFinish();
        state.PauseTiming();
        glDeleteTextures(GLsizei(textures.size()), textures.data());
        forgetTextureBinding();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TextureCacheLoadOf100Dds)->Unit(benchmark::kMillisecond)->Repetitions(figureRepetitions)
    ->ReportAggregatesOnly(true);

TALLIX_RATIO("texture cache: load + upload of 100 DDS / plain read", "BM_TextureCacheLoadOf100Dds",
             "BM_PlainReadOf100Dds", 2.0);
TALLIX_RATIO("  of which the parse of 100 DDS / plain read", "BM_DdsParseOf100", "BM_PlainReadOf100Dds");
TALLIX_RATIO("  of which the upload of 100 DDS / plain read", "BM_DdsUploadOf100", "BM_PlainReadOf100Dds");

}  // namespace
