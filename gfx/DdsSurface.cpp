#include "gfx/DdsSurface.h"

#include <cstring>
#include <utility>

namespace nv_dds {

// ---- CSurface ---------------------------------------------------------------------------------

CSurface::CSurface(const CSurface& other) { copyFrom(other); }

CSurface::CSurface(CSurface&& other) noexcept
    : width_(other.width_), height_(other.height_), depth_(other.depth_), size_(other.size_),
      pixels_(std::move(other.pixels_)) {
    other.width_ = other.height_ = other.depth_ = other.size_ = 0;
}

CSurface& CSurface::operator=(const CSurface& other) {
    if (this != &other) {
        pixels_.reset();
        copyFrom(other);
    }
    return *this;
}

CSurface& CSurface::operator=(CSurface&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        depth_ = std::exchange(other.depth_, 0);
        size_ = std::exchange(other.size_, 0);
        pixels_ = std::move(other.pixels_);
    }
    return *this;
}

// An empty source copies as all zeros. A source whose buffer was freed keeps its numbers but has no
// bytes to copy, so the copy mirrors it: the same numbers and no buffer.
void CSurface::copyFrom(const CSurface& other) {
    if (other.size_ == 0) {
        width_ = height_ = depth_ = size_ = 0;
        return;
    }
    width_ = other.width_;
    height_ = other.height_;
    depth_ = other.depth_;
    size_ = other.size_;
    if (other.pixels_) {
        pixels_.reset(new uint8_t[size_]);
        std::memcpy(pixels_.get(), other.pixels_.get(), size_);
    }
}

void CSurface::setPixels(uint32_t width, uint32_t height, uint32_t depth, uint32_t size,
                         const uint8_t* source) {
    freePixels();
    width_ = width;
    height_ = height;
    depth_ = depth;
    size_ = size;
    if (size == 0)
        return;
    pixels_.reset(new uint8_t[size]);
    if (source)
        std::memcpy(pixels_.get(), source, size);
    else
        std::memset(pixels_.get(), 0, size);
}

void CSurface::freePixels() { pixels_.reset(); }

// ---- CTexture ---------------------------------------------------------------------------------

CTexture& CTexture::operator=(const CTexture& other) {
    if (this == &other)
        return *this;
    freePixels();
    CSurface::operator=(other);
    mipmaps_ = other.mipmaps_;
    return *this;
}

// The base operation already empties the chain: it starts with the virtual freePixels.
void CTexture::setPixels(uint32_t width, uint32_t height, uint32_t depth, uint32_t size,
                         const uint8_t* source) {
    CSurface::setPixels(width, height, depth, size, source);
}

void CTexture::freePixels() {
    CSurface::freePixels();
    mipmaps_.clear();
}

CSurface& CTexture::appendMipmap() {
    mipmaps_.emplace_back();
    return mipmaps_.back();
}

}  // namespace nv_dds
