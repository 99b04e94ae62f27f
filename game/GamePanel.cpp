// The in-game panel in the controller: created after the backdrop, initialised after the first
// page, shown when a level starts, offered input before the board (moves only while the board is
// not being dragged), drawn last, over the bands, and destroyed last. It holds the view index of
// the settings.
#include "game/Game.h"

#include "ui/Widget.h"

void CGame::createPanel() { panel = std::make_unique<Widget>(); }
void CGame::initPanel() { panel->initPanel(*textureCache, *this); }
void CGame::showPanel() { panel->showPanel(); }
void CGame::panelMouseMove(float x, float y) { panel->mouseMove(x, y); }
bool CGame::panelButtonDown(float x, float y, int button) { return panel->buttonDown(x, y, button); }
bool CGame::panelButtonUp(float x, float y, int button) { return panel->buttonUp(x, y, button); }
void CGame::drawPanel() { panel->draw(); }
void CGame::destroyPanel() { panel.reset(); }
void CGame::endPanelDrag() { if (panel) panel->endDrag(); }

