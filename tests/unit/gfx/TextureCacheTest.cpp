#include "gfx/TextureCache.h"

#include <gtest/gtest.h>

#include "gfx/NarrowText.h"
#include "platform/Platform.h"

// Without a context only requests that never reach GL can run: names that fail the name test
// and DDS names whose file does not exist. Each failure is an entry under its exact name. (What
// reaches GL is in tests/render/TextureCacheRenderTest.cpp.)
TEST(CTextureCache, OnlyLowerCaseDotDdsAnywherePassesTheNameTest) {
    for (const wchar_t* name : {L"Data\\Zoom.dds", L"Data\\Zoom.dds.bak", L"a.dds\\b"})
        EXPECT_TRUE(CTextureCache::isDdsName(name)) << platform::toUtf8(name);
    for (const wchar_t* name : {L"Data\\Zoom.DDS", L"Data\\Zoom.Dds", L"Data\\Styles\\Wood\\", L""})
        EXPECT_FALSE(CTextureCache::isDdsName(name)) << platform::toUtf8(name);
    CTextureCache cache;
    EXPECT_EQ(cache.getTexture(L"Data\\Styles\\Wood\\"), 0u);
    EXPECT_EQ(cache.getTexture(L"Data\\Styles\\Wood\\"), 0u);
    EXPECT_EQ(cache.getTexture(std::wstring(L"data\\styles\\wood\\")), 0u);
    EXPECT_EQ(cache.getTexture(L"No\\Such\\File.dds"), 0u);
    EXPECT_EQ(cache.getTexture(static_cast<const wchar_t*>(nullptr)), 0u);
    EXPECT_EQ(cache.size(), 4u);
    // File names keep the low 8 bits of each unit.
    EXPECT_EQ(narrowLow8(L"Data\\Zo\x0141m.dds"), "Data\\ZoAm.dds");
    EXPECT_EQ(narrowLow8(L"\x00E9\x01FF"), "\xE9\xFF");
}
