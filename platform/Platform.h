// The whole contract between the game and the operating system.
//
// Nothing above this header includes SDL or Windows headers. Every service the game takes from the
// system is a free function here, in plain C++ types. Two backends implement the window, event,
// clock, cursor and shell groups: the real one (SDL2, or Win32 on Windows) and a null backend for
// tests and tools (no window, scripted events, a fake clock). Files and profile strings are the
// same in every backend.
//
// Sections: backend choice | window and GL context | events | clocks | cursor | threads | shell | files |
// profile strings | text
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// ---- backend choice ---------------------------------------------------------------------------
enum class Backend { Real, Null };
void selectBackend(Backend backend);  // before the first window call; Real is the default
Backend currentBackend();

// ---- window and GL context --------------------------------------------------------------------
struct DisplaySettings {
    int width = 800;         // client width in pixels
    int height = 600;        // client height in pixels
    int bitsPerPixel = 32;   // colour bits of the pixel format and of the full-screen mode
    int depthBits = 24;      // depth-buffer bits
    int frequency = 70;      // refresh rate of the full-screen mode, Hz
    bool fullScreen = false; // borderless window and a temporary display-mode change
};

bool registerWindowClass(const std::wstring& className);       // false: no windowing system
void unregisterWindowClass(const std::wstring& className);
bool createMainWindow(const std::wstring& title, const DisplaySettings& settings);  // hidden, fixed size
void bringToForeground();
void switchDisplayMode(const DisplaySettings& settings);       // result unchecked, as on Win32
void createGLContext(const DisplaySettings& settings);         // double-buffered RGBA, made current
bool setSwapInterval(int interval);                            // false: the context cannot do it
void showMainWindow();                                         // shown normally, painted once
void swapBuffers();
void releaseGLContext();                                       // no context current, context gone
void destroyMainWindow();                                      // queues WindowDestroyed
void* glProcAddress(const char* name);                         // optional GL entry points, or null
std::string videoDriverName();                                 // "offscreen", "x11", …; "null" for the null backend
void errorBox(const std::wstring& text, const std::wstring& caption);  // modal, error icon

// ---- events -----------------------------------------------------------------------------------
// Pointer positions are client pixels, y downwards. No mouse capture: pointer events arrive only
// while the pointer is over the client area. Double clicks arrive as ordinary presses, key
// auto-repeat as repeated presses, and a wheel notch as a delta of 120 (positive away from the
// user).
enum class EventType {
    PointerMoved, ButtonPressed, ButtonReleased, Wheel, KeyPressed, Paint,
    CloseRequested,   // the user asked to close the window (or the process got SIGTERM)
    WindowDestroyed,  // destroyMainWindow ran
    Quit,             // postQuit ran; ends the main loop
    FocusGained, FocusLost,  // the window took or lost the keyboard focus
    Minimised, Restored,     // the window was iconified, or came back from it
};
// Keys with a meaning of their own; Character keys carry their character. A key pressed with Alt
// is the system's (Other). Modifier keys alone (Shift, Ctrl, Alt, the logo keys, Caps Lock, Num
// Lock) give no event.
enum class Key { Escape, F1, F2, Up, Down, Left, Right, Home, End, Delete, Backspace, Enter, Character, Other };
struct Event {
    EventType type = EventType::Paint;
    int x = 0, y = 0;   // PointerMoved, ButtonPressed, ButtonReleased
    int button = 0;     // 0 left, 1 middle, 2 right
    int wheelDelta = 0; // Wheel
    Key key = Key::Other;   // KeyPressed, with the four below
    char character = 0;     // Character: '0'..'9' (main row or keypad), 'a'..'z', or the key's unshifted ASCII
    bool shift = false;     // Shift was held (a keypad digit typed with Shift counts as shifted)
    bool ctrl = false;      // Ctrl was held
    bool keypad = false;    // a digit of the numeric keypad
    bool repeat = false;    // auto-repeat of a held key
    int quitCode = 0;   // Quit
};
bool pollEvent(Event& event);      // never waits; false when the queue is empty
void postQuit(int code);           // queues a Quit event
void defaultProcessing(const Event& event);  // what the system does with an unhandled event

// ---- clocks -----------------------------------------------------------------------------------
uint32_t tickCount();      // system millisecond tick: play clock and every animation
uint32_t multimediaTime(); // multimedia millisecond clock: the frames-per-second counter
using ClockSource = uint32_t (*)();
void overrideClocks(ClockSource tick, ClockSource multimedia);  // tests; null restores the real ones

// ---- cursor -----------------------------------------------------------------------------------
bool getCursorPos(int& x, int& y);  // screen pixels
void setCursorPos(int x, int y);
int showCursor(bool show);          // display counter as on Win32: +1 or -1, visible while >= 0

// ---- threads ----------------------------------------------------------------------------------
// The calling thread yields to the others when they want the processor: background work (making a
// level) must never slow the frames.
void lowerThisThreadPriority();

// ---- shell ------------------------------------------------------------------------------------
void openExternal(const std::string& target);  // URL or mailto link; never waits for the program

// ---- files ------------------------------------------------------------------------------------
// Paths use backslashes and may be relative to the working directory. Where a name does not exist
// as written, each component is matched without regard to case.
std::wstring currentDirectory();  // no trailing separator
bool readWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes);
bool writeFileAtomically(const std::wstring& path, const void* data, size_t size);  // temp + rename
bool fileExists(const std::wstring& path);
bool deleteFile(const std::wstring& path);
std::vector<std::wstring> listFolder(const std::wstring& pattern);  // "Data\Levels\*.grd": names only
std::string hostPath(const std::wstring& path);  // the host file name a path resolves to

// Start-up: makes the game folder the working directory: the current one when it holds the game's
// art ("Data\MainFont.dds"; a "Data" folder alone is not enough), else the executable's folder,
// else the "share/games/tallix-free" folder of the prefix the executable is installed in. When
// the game is installed so or the player cannot write in its folder, the player's files go to the
// per-user folder ($XDG_DATA_HOME/tallix-free, by default ~/.local/share/tallix-free;
// %APPDATA%\Tallix Free): reads look there first (for an INI key, then in the game folder's
// copy), writes and deletions go there, listings merge both. False (and nothing changed) when no
// game folder is found.
bool enterGameFolder();
// Puts the per-user folder in front of `gameFolder` (tests); an empty userFolder turns it off.
void useUserFolder(const std::wstring& gameFolder, const std::wstring& userFolder);

// ---- profile strings (the INI service) --------------------------------------------------------
// Sections and keys match without regard to case; the value is the text after the first "=" with
// surrounding blanks removed; a missing file, section or key gives the default. Writing replaces
// the file atomically and keeps every other line as it was.
std::wstring profileString(const std::wstring& file, const std::wstring& section,
                           const std::wstring& key, const std::wstring& fallback,
                           size_t bufferChars);  // at most bufferChars - 1 characters come back
int profileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key,
               int fallback);
bool writeProfileString(const std::wstring& file, const std::wstring& section,
                        const std::wstring& key, const std::wstring& value);

// ---- text -------------------------------------------------------------------------------------
std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}  // namespace platform
