// The two typefaces every text in the art is drawn with, loaded from fixed paths through FreeType
// so that the result never depends on the font configuration of the machine.
#pragma once

#include <cairo.h>

#include <string>

namespace assetgen {

enum class Face { Sans, SansBold };

class FontFaces {
public:
    FontFaces();  // loads both faces; check ok()
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    // Makes `face` the current font of cr at an em of pixelSize, with fixed rendering options:
    // greyscale antialiasing, light vertical-only hinting, unhinted (fractional) advances.
    void use(cairo_t* cr, Face face, double pixelSize) const;

private:
    void* library_ = nullptr;                    // FT_Library, kept for the life of the process
    cairo_font_face_t* faces_[2] = {nullptr, nullptr};
    std::string error_;
};

}  // namespace assetgen
