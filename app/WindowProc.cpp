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

// Esc, F1 and F2 are the shell's; every other key goes on to the root.
void handleKey(const platform::Event& press, Control* root) {
    switch (press.key) {
    case platform::Key::Escape: platform::postQuit(0); break;
    case platform::Key::F1: toggleWireframe(); break;
    case platform::Key::F2: toggleTexturing(); break;
    default:
        if (root) root->keyDown(press);
        break;
    }
}

// The window is active while it has the focus and is not minimised; the root hears each change.
struct Activity {
    bool focused = true;
    bool minimised = false;
    bool active() const { return focused && !minimised; }
};
Activity activity;

void changeActivity(platform::EventType type, Control* root) {
    bool before = activity.active();
    switch (type) {
    case platform::EventType::FocusGained: activity.focused = true; break;
    case platform::EventType::FocusLost: activity.focused = false; break;
    case platform::EventType::Minimised: activity.minimised = true; break;
    default: activity.minimised = false; break;
    }
    if (root && activity.active() != before) root->activeChanged(activity.active());
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
    case EventType::KeyPressed: handleKey(event, root); return;
    case EventType::FocusGained:
    case EventType::FocusLost:
    case EventType::Minimised:
    case EventType::Restored: changeActivity(event.type, root); return;
    case EventType::Paint: return;  // the next frame draws; nothing is painted here
    case EventType::WindowDestroyed: platform::postQuit(0); return;
    case EventType::CloseRequested:  // default processing destroys the window
    case EventType::Quit: platform::defaultProcessing(event); return;
    }
}
