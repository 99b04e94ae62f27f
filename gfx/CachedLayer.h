// A picture that seldom changes (the cells of the board in play, the cards of a level page), drawn
// once into a texture and put on screen each frame as one quad.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What a picture shows, as a list of words: two frames with equal keys show the same picture.
class LayerKey {
public:
    void clear() { words_.clear(); }  // keeps the capacity: building a key each frame allocates nothing
    void add(uint32_t word) { words_.push_back(word); }
    void add(int32_t number) { add(uint32_t(number)); }
    void add(bool flag) { add(uint32_t(flag)); }
    void add(float number);        // its bits: -0 and 0 differ, which only costs a redraw
    void add(const void* object);  // identity, for objects that do not change once made
    void add(const std::wstring& text);
    bool operator==(const LayerKey& other) const { return words_ == other.words_; }
    bool operator!=(const LayerKey& other) const { return !(*this == other); }

private:
    std::vector<uint32_t> words_;
};

// Window pixels, x to the right and y upwards from the bottom-left corner as GL counts them; the
// right and top edges are outside.
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

PixelBox currentViewport();  // GL_VIEWPORT; the context must be current

// The picture covers its area completely (the caller draws the backdrop first), so it is put on
// screen as it is, without blending: one textured quad where the backdrop and everything on it
// were drawn. On a software rasteriser that quad costs less than the backdrop alone, while a
// blended layer over the backdrop would cost a third of a whole frame more.
//
// Framebuffer: drawn into a framebuffer object with the texture as its colour buffer (the entry
// points are looked up at run time). CopyFromFrame: OpenGL 1.1 only: drawn into the frame as it
// would have been anyway and copied with glCopyTexSubImage2D. Direct: no layer; every caller draws
// directly. Automatic takes the first of these the context offers.
//
// A new key is drawn into the layer at once, unless the key changed on the previous frame too: a
// drag of the board, which changes it every frame, is drawn directly until the key holds, instead
// of into the layer as well.
// Every call needs the GL context current; the view projection of the frame is assumed set, and
// alpha blending on, as the shell sets it.
class CCachedLayer {
public:
    enum class Method { Automatic, Framebuffer, CopyFromFrame, Direct };

    explicit CCachedLayer(Method method = Method::Automatic);
    ~CCachedLayer();  // frees the texture and the framebuffer object
    CCachedLayer(const CCachedLayer&) = delete;
    CCachedLayer& operator=(const CCachedLayer&) = delete;

    // Call before anything is drawn in `area` this frame; `viewport` is the current one. True when
    // the layer holds the picture of `key` and draw() stands in for drawing it; drawPicture draws
    // it as the frame would, covering every pixel of the area (drawing outside it is cut off).
    // CopyFromFrame leaves the picture drawn in the frame.
    bool prepare(const LayerKey& key, const PixelBox& area, const PixelBox& viewport,
                 const std::function<void()>& drawPicture);
    // The picture of the last prepare that returned true, in place of what the frame holds there.
    void draw() const;

    Method method() const { return method_; }  // the one in use; Automatic until the first prepare
    bool shown() const { return shown_; }      // the last prepare returned true

private:
    // True when this frame is drawn directly whatever the key (Direct, or the shell's F1 or F2
    // on); chooses the method on the first call.
    bool refuses();
    bool ready(const PixelBox& viewport);  // a texture (and framebuffer object) for this viewport
    void drawInto(const PixelBox& area, const std::function<void()>& drawPicture);
    void release();

    Method method_;
    const Method asked_;
    uint32_t texture_ = 0;
    uint32_t framebuffer_ = 0;
    int textureWidth_ = 0, textureHeight_ = 0;
    PixelBox viewport_;
    PixelBox area_;
    LayerKey drawnKey_;  // the picture in the texture
    LayerKey lastKey_;   // asked for by the previous frame
    bool lastChanged_ = false;  // the previous frame asked for another key than the one before
    bool drawn_ = false;
    bool shown_ = false;
};
