// Look-up first, one read and one upload on a miss, and the result remembered whatever it is.
#include "gfx/TextureCache.h"

#include "gfx/DdsImage.h"
#include "gfx/NarrowText.h"
#include "gfx/TextureUpload.h"

uint32_t CTextureCache::getTexture(const wchar_t* fileName) {
    return getTexture(std::wstring(fileName ? fileName : L""));
}

uint32_t CTextureCache::getTexture(const std::wstring& fileName) {
    auto found = textures_.find(fileName);
    if (found != textures_.end()) return found->second;
    uint32_t texture = loadTextureFile(fileName);
    textures_.emplace(fileName, texture);
    return texture;
}

bool CTextureCache::isDdsName(const std::wstring& fileName) {
    return fileName.find(L".dds") != std::wstring::npos;
}

uint32_t CTextureCache::loadTextureFile(const std::wstring& fileName) {
    if (!isDdsName(fileName)) return 0;
    nv_dds::CImageFile image;
    if (!image.readFile(narrowLow8(fileName))) return 0;
    return uploadTexture(image);  // the image data goes with `image`
}
