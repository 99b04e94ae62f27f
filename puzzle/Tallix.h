// The cross-sum board: the grid of cells, its runs, its place on screen and the player's input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/BoardCursor.h"
#include "puzzle/BoardHistory.h"
#include "puzzle/Cells.h"
#include "puzzle/Puzzle.h"
#include "puzzle/Run.h"

class CStyleFont;
class LayerKey;
struct LevelImage;
enum class CellPart;  // which part of the cells a drawing pass draws (BoardDrawing.cpp)

// Sections: model (Tallix.cpp) | level file (LevelFile.cpp) | input (PlayRules.cpp) |
// saved game (SavedGame.cpp) | records (Records.cpp) | drawing (BoardDrawing.cpp).
//
// A board starts empty (no cells, no runs) and is filled once by loadLevel. A board whose level
// could not be read stays usable: it keeps the cells it read, takes input on them and is never
// reported solved.
class CTallix : public CPuzzle {
public:
    // Control
    void mouseMove(float x, float y) override;                // hover, dragging, pop-up forwarding
    bool buttonDown(float x, float y, int button) override;   // pop-ups, middle click, dragging; false
    bool buttonUp(float x, float y, int button) override;     // ends dragging with that button; false
    void wheel(int delta) override;                           // steps the hovered digit by one
    bool hitTest(float x, float y) override;                  // strictly inside the board rectangle
    void keyDown(const platform::Event& press) override;      // the keyboard cursor and entries (BoardKeys.cpp)

    // CPuzzle
    bool loadLevel(const std::wstring& path) override;  // relative path, e.g. "Data\Levels\A.grd"
    void recordResult() override;
    bool loadSavedGame() override;
    bool saveGame() override;
    bool hasEntries() override;
    void resetEntries() override;  // also forgets the history, the hint and the cursor
    bool isSolved() override;
    bool undo() override;          // nothing once the board is solved; drops the hint, closes the pop-up
    bool redo() override;
    void playerReset() override;

    // Drawing (BoardDrawing.cpp). Texturing on and alpha blending assumed, as the shell sets them.
    void drawBoard(const CVisualStyle& style) override;   // the played board, cell by cell with its text
    void drawPreview(const CVisualStyle& style, const CMainFont& font) override;  // level-page card; sets zoom
    // The same with the style as a pointer: null (no style in the catalogue) draws untextured grey
    // cells, no digits and no medal icons; the card keeps its name, best time and "Saved" mark.
    void drawBoard(const CVisualStyle* style);
    void drawPreview(const CVisualStyle* style, const CMainFont& font);
    // The played board in two layers that together show what drawBoard shows: the cells layer
    // (every cell with its numbers, as if none were hovered) changes only with the board's place,
    // zoom, style, unused cells' opacity and entries; the pointer layer (the hovered cell in its
    // tint with its numbers, the hint's marks, the keyboard cursor) goes over it.
    void drawCellsLayer(const CVisualStyle& style);
    void drawPointerLayer(const CVisualStyle& style);
    void fitToCard();  // the zoom drawPreview gives the board; one without cells keeps its own
    // Adds to `key` what of the board the cells layer and the card show (place, size, cells, and
    // for the cells layer the entries); the style, the font and the unused cells' opacity are the
    // caller's to add.
    void describeCellsLayer(LayerKey& key) const;
    void describeCard(LayerKey& key) const;

    // One number in a digit font, y being the bottom of the glyphs. alignment 0: starts at x, 1: ends
    // at x, 2: centred on x; anything else, a negative number or a null font draws nothing. The
    // shadow pass happens only when the font has a shadow; the current colour is kept.
    static void drawNumber(const CStyleFont* font, float x, float y, float size, int32_t number,
                           int alignment, bool italic, bool shadow);

    // The level from bytes in memory: grid, runs and default limits (gold, silver and bronze must
    // already hold the records). No disk access. True when the trailer block was found.
    bool readLevel(const uint8_t* data, size_t size);
    // A saved game from bytes in memory, applied to this board after its entries were cleared.
    // No disk access.
    void restoreSavedGame(const uint8_t* data, size_t size);

    // The cell under (x, y) with its column and row, or null off the grid (column and row then
    // untouched). The left and top edges of a cell belong to it, the right and bottom do not.
    PCell* hitCell(float x, float y, int* column = nullptr, int* row = nullptr) const;

    PCell* cellAt(int x, int y) const;  // null outside the grid
    std::vector<PCellActive*> playableCellsInRowOrder() const;

    // Geometry in view units.
    float cellEdge() const { return cellSize * zoom; }
    float left() const { return centreX - width * cellEdge() / 2; }
    float right() const { return centreX + width * cellEdge() / 2; }
    float bottom() const { return centreY - height * cellEdge() / 2; }
    float top() const { return centreY + height * cellEdge() / 2; }

    int32_t width = 0;   // columns, 0 until a level gave 1 to 49
    int32_t height = 0;  // rows
    std::vector<std::vector<std::unique_ptr<PCell>>> grid;  // grid[column][row], row 0 at the top
    PCell* hoveredCell = nullptr;   // the cell every input acts on; null off the board
    int32_t hoveredMark = 0;        // third of the hovered playable cell as a keypad index 1 to 9
    std::vector<std::unique_ptr<Run>> runs;  // in creation order
    float cellSize = 0.05f;         // cell edge at zoom 1
    bool loaded = false;            // the level file was read to its trailer
    BoardHistory history;           // the player's changes since the board was opened or loaded
    struct HintMarks {
        std::vector<CellPlace> cells;  // highlighted
        CellPlace focus;               // the cell the hint is about
        std::string reason;            // one line, shown below the board
    } hint;                         // the last hint, until the board changes
    int32_t hintsTaken = 0;         // on this board since it was opened
    CellPlace cursor;               // the keyboard cursor: a playable cell, or nowhere
    bool cursorShown = false;       // drawn and acted on once a key has placed it

private:
    void drawCells(const CVisualStyle& style, CellPart part);  // BoardDrawing.cpp
    void buildGrid(const LevelImage& level);
    void buildRuns();
    void buildRun(PCellHeader* clue, int32_t sum, int32_t direction, int x, int y);
    int countPlayable() const;
    void updateHover(float x, float y);
    void middleClick(PCellActive& cell);
    void openPopUp(PPopUp* popUp, PCellActive& cell, float x, float y, bool markMode);
    void pressBoard(float x, float y, int button);
    void stepDigit(PCellActive& cell, int delta);
    void clearEntries();
    bool placeCursor();
    void moveCursorTo(CellPlace place);
    void typeDigit(PCellActive& cell, const platform::Event& press);
    // Records what changed since `before` (a snapshot of the playable cells) as one step.
    void recordStep(const std::vector<CellContents>& before, const PCellActive* wheelCell = nullptr,
                    std::optional<uint32_t> clearedTime = std::nullopt);
    void dropStaleViews();
};

// Recomputes the across run and then the down run of a cell whose value changed.
void updateRunsOf(PCellLocked& cell);
