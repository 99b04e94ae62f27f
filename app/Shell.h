// Process-wide values of the shell: one of each for the life of the process.
#pragma once

#include <string>


extern bool quitRequested;          // ends the main loop when set
extern std::wstring baseDirectory;  // working directory at start-up followed by a backslash
