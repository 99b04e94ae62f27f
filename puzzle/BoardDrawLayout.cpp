// Board drawing arithmetic that needs no GL context.
#include "puzzle/BoardDrawLayout.h"

#include <algorithm>
#include <cstdio>

int decimalDigits(int32_t number, int (&digits)[10]) {
    if (number < 0) return 0;
    int reversed[10];
    int count = 0;
    do {
        reversed[count++] = number % 10;
        number /= 10;
    } while (number > 0);
    for (int i = 0; i < count; ++i) digits[i] = reversed[count - 1 - i];
    return count;
}

MarkPlace markPlace(int mark, float cellLeft, float cellTop, float cellEdge, float glyphHeight, float markSize) {
    int row = (mark - 1) / 3;
    int column = (mark - 1) % 3;
    return {cellLeft + 0.125f * cellEdge + float(column) * cellEdge / 3.0f,
            cellTop - glyphHeight * markSize - float(row) * cellEdge / 3.0f};
}

int earnedMedals(int32_t userBest, int32_t gold, int32_t silver, int32_t bronze) {
    if (userBest <= 0 || userBest > bronze) return 0;
    if (userBest > silver) return 1;
    return userBest > gold ? 2 : 3;
}

// Same digits as formatTime, written in place: minutes and seconds, each at least two digits.
// A negative best time (a damaged records file) counts as none, as it does when a result is recorded.
const char* bestTimeText(int32_t userBest, char (&text)[24]) {
    if (userBest <= 0) {
        std::snprintf(text, sizeof text, "--//--");
        return text;
    }
    uint32_t seconds = static_cast<uint32_t>(userBest);
    std::snprintf(text, sizeof text, "%02u:%02u", unsigned(seconds / 60), unsigned(seconds % 60));
    return text;
}

float miniatureSide(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return 0.0f;
    return 0.2f / float(std::max(width, height));
}
