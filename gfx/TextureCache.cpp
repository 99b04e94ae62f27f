// Look-up first, one read and one upload on a miss, and the result remembered whatever it is.
#include "gfx/TextureCache.h"

#include <vector>

#include "gfx/DdsImage.h"
#include "gfx/NarrowText.h"
#include "gfx/TextureUpload.h"
#include "platform/Platform.h"

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

// The file is read as CImageFile::readFile reads it, under its name cut to 8 bits per unit and
// widened back, and uploaded straight from the bytes read; a first face that ends early is padded
// with zeros first, as the reader pads it.
uint32_t CTextureCache::loadTextureFile(const std::wstring& fileName) {
    if (!isDdsName(fileName)) return 0;
    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(low8Name(fileName), bytes)) return 0;
    nv_dds::FirstFace face;
    if (!nv_dds::locateFirstFace(bytes.data(), bytes.size(), face) && face.end > bytes.size()) {
        bytes.resize(face.end, 0);
        nv_dds::locateFirstFace(bytes.data(), bytes.size(), face);
    }
    return uploadTexture(face);
}
