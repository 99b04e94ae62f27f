// Whole seconds as minutes and seconds for the board, the panel and the level page.
#pragma once

#include <cstdint>
#include <string>

std::string formatTime(uint32_t seconds);  // 75 -> "01:15", 600 -> "10:00", 6000 -> "100:00"
