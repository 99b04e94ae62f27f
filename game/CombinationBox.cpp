#include "game/CombinationBox.h"

#include <algorithm>

#include "gfx/MainFont.h"
#include "platform/OpenGL.h"
#include "puzzle/Run.h"
#include "puzzle/Tallix.h"
#include "solver/SumTable.h"
#include "ui/UI.h"

namespace {

constexpr float textScale = 0.38f;
constexpr float margin = 0.012f;
constexpr float maxTextWidth = 0.42f;
constexpr float playLeft = 0.01f, playRight = 0.99f, playBottom = 0.105f, playTop = 0.645f;
const char* const separator = "  \xB7  ";

struct Area {
    float left, top, right, bottom;
    bool overlaps(const Area& other) const {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
};

// One item of the box: a header ("17 in 3:") or a set, placed on a line.
struct Item {
    std::string text;
    bool header = false, ruledOut = false;
    float x = 0;
    int line = 0;
};

std::vector<Item> layOut(const CMainFont& font, const std::vector<RunCombinations>& runs, float& width, int& lines) {
    std::vector<Item> items;
    width = 0;
    lines = 0;
    for (const RunCombinations& run : runs) {
        float x = 0;
        std::string header = std::to_string(run.sum) + " in " + std::to_string(run.length) + ":";
        items.push_back({header, true, false, 0, lines});
        x = font.textWidth(header + " ", textScale);
        if (run.sets.empty()) items.push_back({"none", false, true, x, lines});
        const float indent = font.textWidth("    ", textScale);
        for (size_t i = 0; i < run.sets.size(); ++i) {
            std::string text = levels::digitList(run.sets[i], " ");
            float w = font.textWidth(text, textScale);
            if (i > 0 && x + font.textWidth(separator, textScale) + w > maxTextWidth) {
                ++lines;
                x = indent;
            } else if (i > 0) {
                items.push_back({separator, false, false, x, lines});
                x += font.textWidth(separator, textScale);
            }
            items.push_back({text, false, run.ruledOut[i], x, lines});
            x += w;
            width = std::max(width, x);
        }
        width = std::max(width, x);
        ++lines;
    }
    return items;
}

// A run's cells follow its clue without a gap, so the clue and the last cell span its area.
Area runArea(const CTallix& board, const Run& run) {
    Area area{1, 0, 0, 1};
    const float edge = board.cellEdge();
    auto add = [&](int x, int y) {
        const float left = board.left() + float(x) * edge, top = board.top() - float(y) * edge;
        area = {std::min(area.left, left), std::max(area.top, top), std::max(area.right, left + edge),
                std::min(area.bottom, top - edge)};
    };
    const int length = int(run.cells.size());
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y)
            if (board.cellAt(x, y) == run.clue) {
                add(x, y);
                add(run.direction == runAcross ? x + length : x, run.direction == runAcross ? y : y + length);
            }
    return area;
}

// Right or left of the board where it fits, else above or below the runs, else the lower left.
Area placeBox(const CTallix& board, const std::vector<Area>& avoid, float width, float height) {
    auto centredY = [&](float top) { return std::clamp(top, playBottom + height, playTop); };
    float runTop = 0, runBottom = 1, runMiddle = 0.375f;
    for (const Area& a : avoid) runTop = std::max(runTop, a.top), runBottom = std::min(runBottom, a.bottom);
    if (!avoid.empty()) runMiddle = (runTop + runBottom) / 2;
    std::vector<Area> choices = {
        {board.right() + margin, centredY(runMiddle + height / 2), board.right() + margin + width, 0},
        {board.left() - margin - width, centredY(runMiddle + height / 2), board.left() - margin, 0},
        {playLeft, runBottom - margin, playLeft + width, 0},
        {playLeft, runTop + margin + height, playLeft + width, 0},
        {playRight - width, runBottom - margin, playRight, 0},
        {playRight - width, runTop + margin + height, playRight, 0},
    };
    for (Area& choice : choices) {
        choice.bottom = choice.top - height;
        bool inside = choice.left >= playLeft && choice.right <= playRight && choice.bottom >= playBottom && choice.top <= playTop;
        if (inside && std::none_of(avoid.begin(), avoid.end(), [&](const Area& a) { return a.overlaps(choice); }))
            return choice;
    }
    return {playLeft, playBottom + height, playLeft + width, playBottom};
}

}  // namespace

RunCombinations combinationsFor(int sum, int length, const std::vector<int>& entered) {
    RunCombinations result;
    result.sum = sum;
    result.length = length;
    levels::DigitMask placed = 0;
    bool repeated = false;
    for (int digit : entered) {
        if (digit < 1 || digit > 9) continue;
        repeated = repeated || (placed & levels::digitBit(digit));
        placed |= levels::digitBit(digit);
    }
    result.sets = levels::CSumTable::instance().combinations(sum, length);
    // Sets of one size in reading order ("1 7 9" before "2 6 9"): the lowest digit where two sets
    // differ goes with the earlier one.
    std::sort(result.sets.begin(), result.sets.end(),
              [](levels::DigitMask a, levels::DigitMask b) { return (a & (a ^ b) & -(a ^ b)) != 0; });
    for (levels::DigitMask set : result.sets) result.ruledOut.push_back(repeated || (set & placed) != placed);
    return result;
}

// Runs are built clue by clue in reading order, so a cell's down run (its clue above) comes first.
std::vector<const Run*> runsOfCell(const CTallix& board, const PCell* cell) {
    std::vector<const Run*> runs;
    if (const auto* playable = cell && cell->kind == kindPlayable ? static_cast<const PCellLocked*>(cell) : nullptr) {
        for (const Run* run : {playable->downRun, playable->acrossRun})
            if (run) runs.push_back(run);
        return runs;
    }
    for (const auto& run : board.runs)
        if (run->clue == cell) runs.push_back(run.get());
    return runs;
}

void drawCombinationBox(const CMainFont& font, const CTallix& board, const std::vector<const Run*>& runs) {
    std::vector<RunCombinations> lists;
    std::vector<Area> avoid;
    for (const Run* run : runs) {
        std::vector<int> entered;
        for (const PCellLocked* cell : run->cells) entered.push_back(cell->value);
        lists.push_back(combinationsFor(run->targetSum, int(run->cells.size()), entered));
        avoid.push_back(runArea(board, *run));
    }
    if (lists.empty()) return;
    float width = 0;
    int lines = 0;
    std::vector<Item> items = layOut(font, lists, width, lines);
    const float lineHeight = font.cellHeight() * textScale * 1.15f;
    Area box = placeBox(board, avoid, width + 2 * margin, float(lines) * lineHeight + 2 * margin);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.08f, 0.08f, 0.12f, 0.92f);
    drawRectangle(box.left, box.bottom, box.right, box.top);
    glColor4f(1.0f, 0.8f, 0.2f, 1.0f);
    drawRectangle(box.left, box.bottom, box.right, box.top, true);
    for (const Item& item : items) {  // struck through: a line across the dimmed set
        if (!item.ruledOut) continue;
        float y = box.top - margin - (float(item.line) + 0.45f) * lineHeight;
        glColor4f(0.6f, 0.6f, 0.6f, 0.8f);
        glBegin(GL_LINES);
        glVertex2f(box.left + margin + item.x, y);
        glVertex2f(box.left + margin + item.x + font.textWidth(item.text, textScale), y);
        glEnd();
    }
    glEnable(GL_TEXTURE_2D);
    for (const Item& item : items) {
        if (item.header) glColor4f(1.0f, 0.8f, 0.2f, 1.0f);
        else if (item.text == separator) glColor4f(0.6f, 0.6f, 0.7f, 1.0f);
        else if (item.ruledOut) glColor4f(0.6f, 0.6f, 0.6f, 0.45f);
        else glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        float baseline = box.top - margin - float(item.line + 1) * lineHeight + lineHeight * 0.1f;
        font.drawText(item.text, box.left + margin + item.x, baseline, textScale, CMainFont::AlignLeft);
    }
}
