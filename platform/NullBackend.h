// Test hooks of the null backend: script its events, drive its clock, make its window calls fail
// and read back what the game asked of the system.
//
// The null backend has no window and no GL context. Every window call succeeds unless a hook below
// says otherwise, and is appended to calls(). Events come from the script (pushEvent), after the
// events the backend queues itself (postQuit, destroyMainWindow, showMainWindow), exactly as the
// real backend orders them. Both clocks read one fake time that moves only when a test moves it.
// A scripted pointer event also moves the screen cursor: the window sits at the screen origin.
// Use it with selectBackend(Backend::Null); reset() between tests.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::null {

void reset();                                   // forget everything: no events, time 0, no failures
void pushEvent(const Event& event);             // appended to the script, delivered in order
size_t pendingEvents();                         // queued and scripted events not yet polled
void setTime(uint32_t milliseconds);            // both clocks
void advanceTime(uint32_t milliseconds);        // both clocks; wraps like the real ones

void failClassRegistration(bool fail);          // registerWindowClass returns false
void failWindowCreation(bool fail);             // createMainWindow returns false
void refuseSwapInterval(bool refuse);           // setSwapInterval returns false

const std::vector<std::string>& calls();        // window calls in order, e.g. "createMainWindow";
                                                // swapBuffers and glProcAddress are not listed
unsigned swapCount();                           // swapBuffers calls since reset (frames drawn)
bool windowExists();                            // created and not yet destroyed
bool contextCurrent();                          // createGLContext ran and releaseGLContext not yet
const std::wstring& windowClassName();          // as registered
const std::wstring& windowTitle();              // as created
const DisplaySettings& windowSettings();        // as passed to createMainWindow
int swapInterval();                             // last accepted setSwapInterval, -1 before any

const std::vector<std::wstring>& errorBoxes();  // texts of the error boxes shown, in order
const std::vector<std::wstring>& errorBoxCaptions();  // their captions, same order
const std::vector<std::string>& openedTargets();      // openExternal targets, in order
int cursorCounter();                            // the showCursor display counter, 0 after reset

}  // namespace platform::null
