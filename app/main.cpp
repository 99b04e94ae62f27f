// The program's entry point: runs the shell with the game controller as its root.
#include <memory>

#include "app/Application.h"
#include "game/Game.h"
#include "platform/Platform.h"

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

// An installed game finds its folder beside its executable; the player's files then go to the
// per-user folder (platform::enterGameFolder).
int main() {
    platform::enterGameFolder();
    return applicationMain(makeGame);
}
