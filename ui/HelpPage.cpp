#include "ui/HelpPage.h"

#include <string>
#include <vector>

#include "gfx/MainFont.h"
#include "platform/OpenGL.h"
#include "ui/UI.h"

namespace {

constexpr float left = 0.04f, top = 0.70f;
constexpr float titleScale = 0.6f;
constexpr float lineScale = 0.3f;
constexpr float lineStep = 0.0205f;

void fillView() {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.08f, 0.08f, 0.12f, 0.96f);
    drawRectangle(0.0f, 0.0f, 1.0f, 0.75f);
    glEnable(GL_TEXTURE_2D);
}

// An empty line separates paragraphs.
const std::vector<std::string>& helpLines() {
    static const std::vector<std::string> lines = {
        "Fill every white cell with a digit from 1 to 9. A clue cell gives the sum of the run of cells",
        "to its right (the number at its top right) and of the run below it (the number at its bottom left).",
        "No run holds a digit twice; a run that adds up too much or repeats a digit turns red.",
        "Solve the board quickly for a gold, silver or bronze medal. Retire keeps your game for later.",
        "New puzzle, on the level pages, makes a board of the size and difficulty you choose.",
        "",
        "MOUSE",
        "Left click a cell: a ring of digits opens; click a digit, or the centre to clear the cell.",
        "Right click a cell: a keypad of candidate marks; left click toggles a mark, middle click enters it.",
        "Middle click a cell: clears its digit, or enters the mark under the pointer.",
        "Wheel over a cell: steps its digit up or down. Drag a clue cell to move the board.",
        "The panel at the top: drag the magnifier sideways to zoom and the arrows to move the board,",
        "change the style and the view, Reset, Load Saved Game, Hint, Sums, Undo, Redo and Pause.",
        "",
        "KEYS",
        "Arrows, Home, End: move the cursor over the white cells (a key first shows the cursor).",
        "1 to 9: enter that digit. 0, Delete or Backspace: clear it.",
        "Shift + 1 to 9 (keypad digits too): toggle that candidate mark of an empty cell.",
        "Ctrl+Z: undo. Ctrl+Y or Ctrl+Shift+Z: redo. P: pause (any key or click goes on).",
        "?: a hint (or Hint in the panel): the next step and its reason; each costs 30 seconds.",
        "C: the combinations of the cursor's runs (also shown after resting on a clue; Sums switches).",
        "H: this page. In a question: Enter answers YES or OK, Backspace or N answers CANCEL.",
        "F1: wireframe, F2: textures on and off. Esc: quit (a game in play is saved).",
        "",
        "Any key or click closes this page.",
    };
    return lines;
}

}  // namespace

void drawHelpPage(const CMainFont& font) {
    fillView();
    glColor4f(1.0f, 0.89f, 0.92f, 1.0f);
    font.drawText("How to play", left, top - font.cellHeight() * titleScale, titleScale, CMainFont::AlignLeft);
    glColor4f(0.9f, 0.9f, 0.95f, 1.0f);
    float y = top - font.cellHeight() * titleScale - 0.02f;
    for (const std::string& line : helpLines()) {
        y -= lineStep;
        font.drawText(line, left, y, lineScale, CMainFont::AlignLeft);
    }
}
