// Definitions of the shell's process-wide values.
#include "app/Shell.h"

bool quitRequested = false;
std::wstring baseDirectory;
const wchar_t* const settingsFileName = L"Settings.ini";
SystemSettings systemSettings;
bool wireframe = false;
bool texturing = true;
