// The layer's key, its choice of method, its texture and framebuffer object, drawing the picture
// into it and laying it over the frame.
//
// Sections: key | framebuffer entry points | CCachedLayer
#include "gfx/CachedLayer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/Shell.h"
#include "gfx/GLExtensions.h"
#include "gfx/TextureBinding.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"

// ---- key --------------------------------------------------------------------------------------

void LayerKey::add(float number) {
    uint32_t bits;
    std::memcpy(&bits, &number, sizeof bits);
    add(bits);
}

void LayerKey::add(const void* object) {
    uint64_t address = reinterpret_cast<uintptr_t>(object);
    add(uint32_t(address));
    add(uint32_t(address >> 32));
}

void LayerKey::add(const std::wstring& text) {
    add(uint32_t(text.size()));
    for (wchar_t unit : text) add(uint32_t(unit));
}

// ---- framebuffer entry points -----------------------------------------------------------------

namespace {

// The values are the same for the EXT, the ARB and the core names.
constexpr GLenum framebufferTarget = 0x8D40;    // GL_FRAMEBUFFER
constexpr GLenum colourAttachment = 0x8CE0;     // GL_COLOR_ATTACHMENT0
constexpr GLenum framebufferComplete = 0x8CD5;  // GL_FRAMEBUFFER_COMPLETE

struct FramebufferEntries {
    void(APIENTRY* generate)(GLsizei, GLuint*) = nullptr;
    void(APIENTRY* bind)(GLenum, GLuint) = nullptr;
    void(APIENTRY* attachTexture)(GLenum, GLenum, GLenum, GLuint, GLint) = nullptr;
    GLenum(APIENTRY* status)(GLenum) = nullptr;
    void(APIENTRY* remove)(GLsizei, const GLuint*) = nullptr;

    bool complete() const { return generate && bind && attachTexture && status && remove; }
};

// One context per run: the entries are looked up again whenever a layer chooses its method.
FramebufferEntries entries;

// A driver may hand out an address for any name, so the extension string decides first.
template <typename Entry>
void lookUp(Entry& entry, const char* name, const char* suffix) {
    entry = reinterpret_cast<Entry>(platform::glProcAddress((std::string(name) + suffix).c_str()));
}

bool lookUpFramebufferEntries() {
    entries = {};
    const char* suffix = hasGLExtension("GL_ARB_framebuffer_object") ? ""
                         : hasGLExtension("GL_EXT_framebuffer_object") ? "EXT"
                                                                       : nullptr;
    if (!suffix) return false;
    lookUp(entries.generate, "glGenFramebuffers", suffix);
    lookUp(entries.bind, "glBindFramebuffer", suffix);
    lookUp(entries.attachTexture, "glFramebufferTexture2D", suffix);
    lookUp(entries.status, "glCheckFramebufferStatus", suffix);
    lookUp(entries.remove, "glDeleteFramebuffers", suffix);
    return entries.complete();
}

int powerOfTwoAtLeast(int side) {
    int power = 1;
    while (power < side) power *= 2;
    return power;
}

PixelBox clipped(const PixelBox& area, const PixelBox& limit) {
    PixelBox box{std::max(area.x0, limit.x0), std::max(area.y0, limit.y0), std::min(area.x1, limit.x1),
                 std::min(area.y1, limit.y1)};
    if (box.x1 <= box.x0 || box.y1 <= box.y0) return {};
    return box;
}

bool operator==(const PixelBox& a, const PixelBox& b) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

bool empty(const PixelBox& box) { return box.x1 <= box.x0 || box.y1 <= box.y0; }

}  // namespace

PixelBox currentViewport() {
    GLint box[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, box);
    return {box[0], box[1], box[0] + box[2], box[1] + box[3]};
}

// ---- CCachedLayer -----------------------------------------------------------------------------

CCachedLayer::CCachedLayer(Method method) : method_(method), asked_(method) {}

CCachedLayer::~CCachedLayer() { release(); }

void CCachedLayer::release() {
    if (framebuffer_ && entries.remove) entries.remove(1, &framebuffer_);
    if (texture_) {
        glDeleteTextures(1, &texture_);
        forgetTextureBinding();
    }
    framebuffer_ = texture_ = 0;
    textureWidth_ = textureHeight_ = 0;
    drawn_ = false;
}

// A texture the size of the viewport, rounded up to powers of two (OpenGL 1.1 takes no other). The
// shell makes one context for the whole run, so a texture once made stays valid.
bool CCachedLayer::ready(const PixelBox& viewport) {
    if (texture_ && viewport.x1 <= textureWidth_ && viewport.y1 <= textureHeight_) return true;
    release();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    int width = powerOfTwoAtLeast(viewport.x1), height = powerOfTwoAtLeast(viewport.y1);
    if (viewport.x0 < 0 || viewport.y0 < 0 || width > largest || height > largest) return false;
    glGenTextures(1, &texture_);
    forgetTextureBinding();
    bindTexture(texture_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    textureWidth_ = width;
    textureHeight_ = height;
    if (method_ != Method::Framebuffer) return true;
    entries.generate(1, &framebuffer_);
    entries.bind(framebufferTarget, framebuffer_);
    entries.attachTexture(framebufferTarget, colourAttachment, GL_TEXTURE_2D, texture_, 0);
    bool complete = entries.status(framebufferTarget) == framebufferComplete;
    entries.bind(framebufferTarget, 0);
    if (complete) return true;
    release();
    return false;
}

// Direct while the shell's F1 (wireframe) or F2 (no textures) is on: the quad would show as lines
// or untextured, and those modes only ever drew directly.
bool CCachedLayer::refuses() {
    shown_ = false;
    if (method_ == Method::Automatic)
        method_ = lookUpFramebufferEntries() ? Method::Framebuffer : Method::CopyFromFrame;
    else if (method_ == Method::Framebuffer && !entries.complete() && !lookUpFramebufferEntries())
        method_ = Method::Direct;
    return method_ == Method::Direct || wireframe || !texturing;
}

bool CCachedLayer::prepare(const LayerKey& key, const PixelBox& area, const PixelBox& viewport,
                           const std::function<void()>& drawPicture) {
    if (refuses()) return false;
    if (!ready(viewport)) {  // an incomplete framebuffer object, or a viewport beyond any texture
        method_ = method_ == Method::Framebuffer && asked_ == Method::Automatic ? Method::CopyFromFrame
                                                                               : Method::Direct;
        return false;
    }
    PixelBox box = clipped(area, viewport);
    const bool changed = key != lastKey_, keptChanging = changed && lastChanged_;
    if (changed) lastKey_ = key;
    lastChanged_ = changed;
    if (!drawn_ || !(box == area_) || !(viewport == viewport_) || key != drawnKey_) {
        if (keptChanging) return false;  // a drag: drawn directly until the key holds
        drawInto(box, drawPicture);
        drawnKey_ = key;
        area_ = box;
        viewport_ = viewport;
        drawn_ = true;
    }
    shown_ = true;
    return true;
}

// Into the framebuffer object over the frame's clear colour, as the frame would hold it; or into
// the frame itself, then copied.
void CCachedLayer::drawInto(const PixelBox& area, const std::function<void()>& drawPicture) {
    if (empty(area)) return;
    const bool framebuffer = method_ == Method::Framebuffer;
    if (framebuffer) entries.bind(framebufferTarget, framebuffer_);
    glEnable(GL_SCISSOR_TEST);
    glScissor(area.x0, area.y0, area.x1 - area.x0, area.y1 - area.y0);
    if (framebuffer) glClear(GL_COLOR_BUFFER_BIT);
    drawPicture();
    glDisable(GL_SCISSOR_TEST);
    if (framebuffer) {
        entries.bind(framebufferTarget, 0);
        return;
    }
    bindTexture(texture_);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, area.x0, area.y0, area.x0, area.y0, area.x1 - area.x0, area.y1 - area.y0);
}

// In window pixels, one texel to a pixel: nearest sampling gives back exactly what was drawn.
void CCachedLayer::draw() const {
    if (!shown_ || empty(area_)) return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(viewport_.x0, viewport_.x1, viewport_.y0, viewport_.y1, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    bindTexture(texture_);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
    const float s0 = float(area_.x0) / float(textureWidth_), s1 = float(area_.x1) / float(textureWidth_);
    const float t0 = float(area_.y0) / float(textureHeight_), t1 = float(area_.y1) / float(textureHeight_);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0); glVertex2f(float(area_.x0), float(area_.y0));
    glTexCoord2f(s1, t0); glVertex2f(float(area_.x1), float(area_.y0));
    glTexCoord2f(s1, t1); glVertex2f(float(area_.x1), float(area_.y1));
    glTexCoord2f(s0, t1); glVertex2f(float(area_.x0), float(area_.y1));
    glEnd();
    glEnable(GL_BLEND);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
