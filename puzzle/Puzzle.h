// The puzzle element: a screen element with the operations every puzzle offers the game controller.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Control.h"

class CMainFont;
class CVisualStyle;
class PPopUp;

// Pointer position when a drag started or last moved the board, and which buttons hold it.
struct DragState {
    float lastX = 0.0f;
    float lastY = 0.0f;
    std::array<bool, 3> held{};  // left, middle, right
};

// Every operation has a harmless default; the slot order continues Control's and is fixed.
// Fields are public: the controller lays boards out and runs their clock, the panel shows limits
// and best time, the drawing code reads the cells.
class CPuzzle : public Control {
public:
    virtual void drawBoard(const CVisualStyle& style) { (void)style; }  // the played board
    virtual void drawPreview(const CVisualStyle& style, const CMainFont& font) {  // level-page card
        (void)style;
        (void)font;
    }
    virtual bool loadLevel(const std::wstring& path) { (void)path; return false; }      // true: trailer found
    virtual void recordResult() {}                  // after isSolved: best time, saved game removed
    virtual bool loadSavedGame() { return false; }  // false: nothing to load or no file
    virtual bool saveGame() { return false; }       // true: the file was written
    virtual bool hasEntries() { return false; }     // any playable cell holds a digit
    virtual void resetEntries() {}                  // every playable cell and run back to empty
    virtual bool isSolved() { return false; }
    virtual bool undo() { return false; }          // takes the last change back; false: nothing to undo
    virtual bool redo() { return false; }          // makes the last undone change again
    // The player's "Reset": the entries and the play time cleared, one change undo takes back.
    virtual void playerReset() {
        resetEntries();
        elapsed = 0;
    }

    float zoom = 1.0f;        // 0.41 on a level page, 1.0 while played
    float centreX = 0.25f;    // board centre in view units
    float centreY = 0.75f;
    std::wstring name;        // level file name without folder and extension
    int32_t gold = 0;         // medal limits, whole seconds
    int32_t silver = 0;
    int32_t bronze = 0;
    int32_t userBest = 0;     // best solving time in seconds, 0 = none
    uint32_t elapsed = 0;     // play time of this attempt, milliseconds
    PPopUp* currentPopUp = nullptr;  // the pop-up opened last; none of the three is owned
    PPopUp* digitPopUp = nullptr;    // the ring, opened by the left button
    PPopUp* markPopUp = nullptr;     // the 3x3 keypad, opened by the right button
    bool savedGameExists = false;
    DragState drag;
};
