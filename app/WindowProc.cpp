// Input dispatch from the platform's events to the root element.
#include "app/WindowProc.h"

#include "app/Control.h"
#include "app/Shell.h"
#include "platform/OpenGL.h"

namespace {

ViewPoint eventPoint(const platform::Event& event) {
    return pixelToView(event.x, event.y, systemSettings.display.width,
                       systemSettings.display.height);
}

void toggleWireframe() {
    wireframe = !wireframe;
    glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
}

// Drawing code switches texturing itself, so this lasts only until the next such change.
void toggleTexturing() {
    texturing = !texturing;
    if (texturing)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

void handleKey(platform::Key key) {
    switch (key) {
    case platform::Key::Escape: platform::postQuit(0); break;
    case platform::Key::F1: toggleWireframe(); break;
    case platform::Key::F2: toggleTexturing(); break;
    case platform::Key::Other: break;
    }
}

// Events that carry a pointer position and go to the root.
void dispatchPointer(const platform::Event& event, Control& root) {
    using platform::EventType;
    ViewPoint p = eventPoint(event);
    if (event.type == EventType::PointerMoved)
        root.mouseMove(p.x, p.y);
    else if (event.type == EventType::ButtonPressed)
        root.buttonDown(p.x, p.y, event.button);
    else
        root.buttonUp(p.x, p.y, event.button);
}

}  // namespace

ViewPoint pixelToView(int pixelX, int pixelY, int width, int height) {
    float x = static_cast<float>(pixelX) / static_cast<float>(width);
    float y = 0.75f - (static_cast<float>(pixelY) / static_cast<float>(height)) * 0.75f;
    return {x, y};
}

void WindowProc(const platform::Event& event, Control* root) {
    using platform::EventType;
    switch (event.type) {
    case EventType::ButtonReleased:
        // Only the left release reaches the root; the middle and right ones are the system's.
        if (event.button != 0) {
            platform::defaultProcessing(event);
            return;
        }
        [[fallthrough]];
    case EventType::PointerMoved:
    case EventType::ButtonPressed:
        if (root) dispatchPointer(event, *root);
        return;
    case EventType::Wheel:
        if (root) root->wheel(event.wheelDelta);
        return;
    case EventType::KeyPressed: handleKey(event.key); return;
    case EventType::Paint: return;  // the next frame draws; nothing is painted here
    case EventType::WindowDestroyed: platform::postQuit(0); return;
    case EventType::CloseRequested:  // default processing destroys the window
    case EventType::Quit: platform::defaultProcessing(event); return;
    }
}
