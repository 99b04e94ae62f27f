// The game stretches Back.dds over the space between the black bands (1 x 0.55 units, 800 x 440
// pixels) with texture (0, 0) at the top-left, and multiplies it by a tint that changes every
// twenty seconds; between the tints of the file it also passes through plain white. So the image
// is a light, almost colourless field - the tint gives the colour - with gentle structure: a soft
// vertical gradient, faint diagonal sweeps, a scatter of blurred light discs and a vignette.
#include "BackdropArt.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Noise.h"

namespace assetgen {

namespace {

constexpr int BackWidth = 1024;  // 2:1, close to the 800 x 440 it is shown at
constexpr int BackHeight = 512;

void gradient(cairo_t* cr) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, 0, 0, BackHeight);
    cairo_pattern_add_color_stop_rgb(pattern, 0, 0.925, 0.937, 0.949);
    cairo_pattern_add_color_stop_rgb(pattern, 1, 0.835, 0.855, 0.878);
    cairo_set_source(cr, pattern);
    cairo_paint(cr);
    cairo_pattern_destroy(pattern);
}

void softDisc(cairo_t* cr, double x, double y, double radius, double alpha) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(pattern, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(pattern, 0.65, 1, 1, 1, alpha * 0.8);
    cairo_pattern_add_color_stop_rgba(pattern, 1, 1, 1, 1, 0);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void discs(cairo_t* cr) {
    Sequence random(20240611);
    for (int i = 0; i < 26; ++i) {
        double x = random.between(0, BackWidth), y = random.between(0, BackHeight);
        double radius = random.between(24, 150);
        softDisc(cr, x, y, radius, random.between(0.10, 0.26));
    }
}

// Long, faint diagonal sweeps of light, like folds in silk.
void sweeps(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) {
        double offset = 180.0 + i * 300.0;
        cairo_pattern_t* pattern = cairo_pattern_create_linear(offset - 120, 0, offset + 120, 200);
        cairo_pattern_add_color_stop_rgba(pattern, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(pattern, 0.5, 1, 1, 1, 0.12);
        cairo_pattern_add_color_stop_rgba(pattern, 1, 1, 1, 1, 0);
        cairo_set_source(cr, pattern);
        cairo_paint(cr);
        cairo_pattern_destroy(pattern);
    }
}

double smoothstep(double edge0, double edge1, double x) {
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Darkens towards the sides more than towards the top and bottom: the menu (x 0.1 to 0.3), the
// page arrows (x 0.05 and 0.95), "Back" and "Retire" are written in white near the sides, while
// boards and cards fill the middle. Untinted, white text at the menu gets a contrast of about
// 3.5 : 1; every tint of the cycle darkens it further.
void vignette(Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            double du = (x + 0.5) / image.width() * 2 - 1, dv = (y + 0.5) / image.height() * 2 - 1;
            double r = std::sqrt(du * du + 0.45 * dv * dv);
            float keep = static_cast<float>(1 - 0.6 * smoothstep(0.3, 1.1, r));
            Pixel& p = image.at(x, y);
            const float shade[3] = {0.10f, 0.12f, 0.16f};  // a cool dark, not black
            p.r = p.r * keep + shade[0] * (1 - keep);
            p.g = p.g * keep + shade[1] * (1 - keep);
            p.b = p.b * keep + shade[2] * (1 - keep);
        }
    }
}

// A trace of noise so that the gradients do not band once tinted.
void dither(Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            float d = static_cast<float>((hashUnit(x, y, 7) - 0.5) * (1.6 / 255.0));
            Pixel& p = image.at(x, y);
            p.r += d;
            p.g += d;
            p.b += d;
        }
    }
}

}  // namespace

std::vector<Colour> backdropTints() {
    return {
        rgb(0x8EAAD2),  // dusk blue
        rgb(0x82B9AA),  // sea green
        rgb(0xAFA0D2),  // lavender
        rgb(0xD7B48C),  // sand
        rgb(0x78AFC3),  // lagoon
        rgb(0xCD9BA5),  // rose
        rgb(0x9BB982),  // sage
        rgb(0x96A0B9),  // slate
    };
}

void writeBackdrop(Output& output) {
    Canvas canvas(BackWidth, BackHeight);
    cairo_t* cr = canvas.cr();
    gradient(cr);
    sweeps(cr);
    discs(cr);
    Image image = canvas.toImage();
    vignette(image);
    dither(image);
    output.writeDds("Data/Back.dds", image, Tinting::Coloured);

    std::vector<Colour> tints = backdropTints();
    IniText ini;
    ini.section("BackColors");
    ini.set("count", static_cast<int>(tints.size()));
    for (size_t i = 0; i < tints.size(); ++i) {
        ini.section("color" + std::to_string(i));
        ini.set("r", static_cast<int>(std::lround(tints[i].r * 255)));
        ini.set("g", static_cast<int>(std::lround(tints[i].g * 255)));
        ini.set("b", static_cast<int>(std::lround(tints[i].b * 255)));
    }
    output.writeIni("Data/BackColors.ini", ini);
}

}  // namespace assetgen
