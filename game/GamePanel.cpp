// The places of the in-game panel in the controller. The panel (a strip along the top while a
// level is played) is not built yet: until it is, every hook here does nothing and the board
// receives every event of the play screen. When it arrives it is created after the backdrop,
// initialised after the first page, shown when a level starts, offered input before the board
// (moves only while the board is not being dragged), drawn last, over the bands, and destroyed
// last; its view index replaces CGame::viewIndex.
#include "game/Game.h"

void CGame::createPanel() {}
void CGame::initPanel() {}
void CGame::showPanel() {}
void CGame::panelMouseMove(float x, float y) { (void)x; (void)y; }
bool CGame::panelButtonDown(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }
bool CGame::panelButtonUp(float x, float y, int button) { (void)x; (void)y; (void)button; return false; }
void CGame::drawPanel() {}
void CGame::destroyPanel() {}
