#include "gfx/TextureCache.h"

#include <gtest/gtest.h>

#include "gfx/NarrowText.h"

// Only requests that never reach GL can run without a context: names that fail the name test, and
// DDS names whose file does not exist.
TEST(CTextureCache, OnlyLowerCaseDotDdsAnywherePassesTheNameTest) {
    EXPECT_TRUE(CTextureCache::isDdsName(L"Data\\Zoom.dds"));
    EXPECT_TRUE(CTextureCache::isDdsName(L"Data\\Zoom.dds.bak"));
    EXPECT_TRUE(CTextureCache::isDdsName(L"a.dds\\b"));
    EXPECT_FALSE(CTextureCache::isDdsName(L"Data\\Zoom.DDS"));
    EXPECT_FALSE(CTextureCache::isDdsName(L"Data\\Zoom.Dds"));
    EXPECT_FALSE(CTextureCache::isDdsName(L"Data\\Styles\\Wood\\"));
    EXPECT_FALSE(CTextureCache::isDdsName(L""));
}

TEST(CTextureCache, FailuresAreCachedUnderTheExactName) {
    CTextureCache cache;
    EXPECT_EQ(cache.getTexture(L"Data\\Styles\\Wood\\"), 0u);
    EXPECT_EQ(cache.getTexture(L"Data\\Styles\\Wood\\"), 0u);
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.getTexture(std::wstring(L"data\\styles\\wood\\")), 0u);  // a different name
    EXPECT_EQ(cache.getTexture(L"No\\Such\\File.dds"), 0u);
    EXPECT_EQ(cache.getTexture(static_cast<const wchar_t*>(nullptr)), 0u);
    EXPECT_EQ(cache.size(), 4u);
}

TEST(CTextureCache, FileNamesKeepTheLow8BitsOfEachUnit) {
    EXPECT_EQ(narrowLow8(L"Data\\Zo\x0141m.dds"), "Data\\ZoAm.dds");
    EXPECT_EQ(narrowLow8(L"\x00E9\x01FF"), "\xE9\xFF");
    EXPECT_EQ(narrowLow8(L""), "");
}
