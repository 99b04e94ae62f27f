// One image level (CSurface) and one face with its mipmap chain (CTexture), as read from a DDS file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace nv_dds {

// Width x height x depth pixels held as size bytes, rows in file order (the first row stored is the
// first row here). Copies are deep. The slot order of the virtual operations is fixed.
class CSurface {
public:
    CSurface() = default;
    CSurface(const CSurface& other);
    CSurface(CSurface&& other) noexcept;
    CSurface& operator=(const CSurface& other);
    CSurface& operator=(CSurface&& other) noexcept;

    virtual ~CSurface() = default;  // releases the buffer
    // Replaces the contents: freePixels first (through the virtual table), then the four numbers and
    // a fresh copy of size bytes of source (zeros when source is null; no buffer when size is 0).
    virtual void setPixels(uint32_t width, uint32_t height, uint32_t depth, uint32_t size,
                           const uint8_t* source);
    virtual void freePixels();  // drops the buffer; width, height, depth and size keep their values

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    uint32_t depth() const { return depth_; }
    uint32_t size() const { return size_; }              // bytes of pixel data
    const uint8_t* pixels() const { return pixels_.get(); }  // null when there is no buffer

private:
    void copyFrom(const CSurface& other);  // the deep-copy rule shared by construction and assignment

    uint32_t width_ = 0;
    uint32_t height_ = 0;
    uint32_t depth_ = 0;  // slices
    uint32_t size_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
};

// One face of an image: the texture itself is level 0, mipmaps()[0] is level 1 (half size), and so on.
class CTexture : public CSurface {
public:
    CTexture() = default;
    CTexture(const CTexture& other) = default;      // deep: the base part, then every mipmap in order
    CTexture(CTexture&& other) noexcept = default;
    CTexture& operator=(const CTexture& other);     // deep; frees the target first; self-assignment is a no-op
    CTexture& operator=(CTexture&& other) noexcept = default;

    ~CTexture() override = default;  // empties the mipmap list, then the base part goes
    void setPixels(uint32_t width, uint32_t height, uint32_t depth, uint32_t size,
                   const uint8_t* source) override;  // as the base; the mipmap list ends up empty
    void freePixels() override;                      // drops the buffer and every mipmap

    CSurface& appendMipmap();  // a new empty level at the end of the chain
    size_t mipmapCount() const { return mipmaps_.size(); }
    const CSurface& mipmap(size_t index) const { return mipmaps_[index]; }  // index 0 is level 1
    const std::vector<CSurface>& mipmaps() const { return mipmaps_; }

private:
    std::vector<CSurface> mipmaps_;
};

}  // namespace nv_dds
