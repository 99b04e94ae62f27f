// Contact sheet layout: images in written order, flowed into rows; images of 64 pixels or less are
// shown twice as large (pixel for pixel) so their detail can be judged.
#include "ContactSheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

namespace {

constexpr int SheetWidth = 1120;
constexpr int Margin = 16;
constexpr int LabelHeight = 18;

struct Tile {
    const WrittenImage* image;
    int x, y, scale;
};

std::string label(const WrittenImage& image) { return image.name.substr(image.name.find('/') + 1); }

std::vector<Tile> layout(const Output& output, const FontFaces& faces, cairo_t* measure, int& height) {
    std::vector<Tile> tiles;
    int x = Margin, y = Margin, rowHeight = 0;
    faces.use(measure, Face::Sans, 11);
    for (const WrittenImage& image : output.images()) {
        int scale = std::max(image.width, image.height) <= 64 ? 2 : 1;
        cairo_text_extents_t text;
        cairo_text_extents(measure, label(image).c_str(), &text);
        int w = std::max(image.width * scale, static_cast<int>(text.x_advance) + 4);
        int h = image.height * scale + LabelHeight;
        if (x + w + Margin > SheetWidth && x > Margin) {
            x = Margin;
            y += rowHeight + Margin;
            rowHeight = 0;
        }
        tiles.push_back({&image, x, y, scale});
        x += w + Margin;
        rowHeight = std::max(rowHeight, h);
    }
    height = y + rowHeight + Margin;
    return tiles;
}

void checkerboard(cairo_t* cr, int x, int y, int width, int height) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    for (int row = 0; row * 8 < height; ++row) {
        for (int column = 0; column * 8 < width; ++column) {
            double grey = (row + column) % 2 == 0 ? 0.36 : 0.44;
            cairo_set_source_rgb(cr, grey, grey, grey);
            cairo_rectangle(cr, x + column * 8, y + row * 8, 8, 8);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void drawTile(cairo_t* cr, const FontFaces& faces, const Tile& tile) {
    const WrittenImage& image = *tile.image;
    int w = image.width * tile.scale, h = image.height * tile.scale;
    checkerboard(cr, tile.x, tile.y, w, h);
    SurfacePtr surface = surfaceFromBgra(image.bgra, image.width, image.height);
    cairo_save(cr);
    cairo_translate(cr, tile.x, tile.y);
    cairo_scale(cr, tile.scale, tile.scale);
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    faces.use(cr, Face::Sans, 11);
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    cairo_move_to(cr, tile.x, tile.y + h + 13);
    cairo_show_text(cr, label(image).c_str());
}

}  // namespace

bool writeContactSheet(const Output& output, const FontFaces& faces, const std::string& file) {
    int height = 0;
    std::vector<Tile> tiles;
    {
        Canvas measure(1, 1);
        tiles = layout(output, faces, measure.cr(), height);
    }
    Canvas canvas(SheetWidth, height);
    cairo_set_source_rgb(canvas.cr(), 0.16, 0.16, 0.17);
    cairo_paint(canvas.cr());
    for (const Tile& tile : tiles) drawTile(canvas.cr(), faces, tile);
    return cairo_surface_write_to_png(canvas.surface(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace assetgen
