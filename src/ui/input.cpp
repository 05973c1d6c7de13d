// Routes the player's clicks, mouse moves and keys to the procedures that answer them.
#include "ui/input.h"

#include "game/ai/pc_turn.h"
#include "game/game.h"
#include "game/human_turn.h"

namespace gnamm {

void Game::click(Target target) {
    switch (target.kind) {
        case TargetKind::Carta:
            if (target.index >= 0 && target.index < kNumeroPosti) ClickCarta(*this, target.index);
            break;
        case TargetKind::AssoInTavola: ToggleCervello(*this); break;
        case TargetKind::TimerLabel: ClickTimerLabel(*this); break;
        default: break;
    }
    RefreshScreen(*this);
}

void Game::mouseMove(Target) {}

void Game::key(Key) { RefreshScreen(*this); }

void Game::textInput(std::string_view) { RefreshScreen(*this); }

}  // namespace gnamm
