// The record of what is played, kept on disk: at the end of every Gioco the player's record
// (GnStat.json) and whatever a failed save kept in memory; at the end of a Torneo the ranking and
// the hall of fame. It listens to the game's ends: the flow decides the outcome, this writes it.
#pragma once

#include "game/flow_events.h"

namespace gnamm {

class Registro : public AscoltatoreFine {
  public:
    void giocoFinito(Game& g) override;
    void torneoFinito(Game& g) override;
};

}  // namespace gnamm
