// Every texture of the game, requested by file name: each DDS file is read and uploaded at most once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Maps a wide file name, compared exactly (case-sensitive, no path normalisation), to an OpenGL
// texture name; 0 means no texture. Failures are remembered too, so a name that failed keeps
// giving 0 even if its file appears later. Entries are never removed, and the cache never deletes
// a texture: they live as long as the GL context. Every call needs the context current.
class CTextureCache {
public:
    uint32_t getTexture(const wchar_t* fileName);       // null reads as the empty name
    uint32_t getTexture(const std::wstring& fileName);  // relative to the working directory

    size_t size() const { return textures_.size(); }  // names requested so far, failures included

    // The only names worth a disk access: ".dds", lower case, anywhere in the name.
    static bool isDdsName(const std::wstring& fileName);

private:
    // Reads and uploads one file; 0 on failure. The new texture stays bound with 2D texturing on.
    static uint32_t loadTextureFile(const std::wstring& fileName);

    std::map<std::wstring, uint32_t> textures_;
};
