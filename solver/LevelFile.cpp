#include "solver/LevelFile.h"

namespace levels {

std::vector<uint8_t> encodeLevel(const CLevelGrid& grid) {
    static const uint8_t header[6] = {'G', 'R', 'D', '1', 'B', 0};
    static const uint8_t trailer[6] = {'G', 'R', 'D', '1', 'E', 0};
    std::vector<uint8_t> bytes(header, header + 6);
    bytes.push_back(uint8_t(grid.width()));
    bytes.push_back(uint8_t(grid.height()));
    for (int x = 0; x < grid.width(); ++x) {
        for (int y = 0; y < grid.height(); ++y) {
            const GridCell& cell = grid.at(x, y);
            bytes.push_back(uint8_t(cell.kind));
            if (cell.kind == gridClue) {
                bytes.push_back(uint8_t(cell.across));
                bytes.push_back(uint8_t(cell.down));
            } else if (cell.kind == gridFixed) {
                bytes.push_back(uint8_t(cell.digit));
            }
        }
    }
    bytes.insert(bytes.end(), trailer, trailer + 6);
    return bytes;
}

}  // namespace levels
