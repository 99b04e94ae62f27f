#include "puzzle/FormatTime.h"

namespace {

std::string twoDigits(uint32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string formatTime(uint32_t seconds) {
    return twoDigits(seconds / 60) + ":" + twoDigits(seconds % 60);
}
