// FreeType faces handed to cairo. The DejaVu fonts come from the fonts-dejavu-core package.
#include "FontFaces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace assetgen {

namespace {

const char* const FacePaths[2] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

const cairo_user_data_key_t FaceKey{};

void releaseFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

FontFaces::FontFaces() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error_ = "FreeType could not be initialised";
        return;
    }
    library_ = library;
    for (int i = 0; i < 2; ++i) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, FacePaths[i], 0, &face) != 0) {
            error_ = std::string("cannot load ") + FacePaths[i] + " (package fonts-dejavu-core)";
            return;
        }
        faces_[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
        // cairo may keep the face in its caches after we let go of it; it closes the FreeType face
        // when the last reference goes.
        cairo_font_face_set_user_data(faces_[i], &FaceKey, face, releaseFace);
    }
}

FontFaces::~FontFaces() {
    for (cairo_font_face_t* face : faces_) {
        if (face) cairo_font_face_destroy(face);
    }
    // The FreeType library stays until the process ends: cairo may still release faces later.
}

void FontFaces::use(cairo_t* cr, Face face, double pixelSize) const {
    cairo_set_font_face(cr, faces_[face == Face::Sans ? 0 : 1]);
    cairo_set_font_size(cr, pixelSize);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace assetgen
