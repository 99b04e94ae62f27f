// The "How to play" page: the rules in a few sentences, then every mouse action and every key. It
// covers the whole view while open; any key or click closes it (the controller decides that).
#pragma once

class CMainFont;

void drawHelpPage(const CMainFont& font);  // needs a GL context
