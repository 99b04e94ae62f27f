// The program's entry point: runs the shell with the game controller as its root.
#include <memory>

#include "app/Application.h"
#include "game/Game.h"

namespace {

// Called by the shell once the GL context exists; the overlay goes through the controller too.
RootElement makeGame() {
    auto game = std::make_unique<CGame>();
    const CGame* overlay = game.get();
    RootElement root;
    root.drawFps = [overlay](float fps) { overlay->drawFps(fps); };
    root.control = std::move(game);
    return root;
}

}  // namespace

int main() { return applicationMain(makeGame); }
