// What the player should hear about the game's own files and devices: a file repaired, a save
// that failed, a Torneo not offered, pictures or sounds missing. Each notice is said once a run:
// in Italian in the window's notice box, until the player dismisses it, and as one "gnamm:" line
// on stderr for whoever started the game from a terminal.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <string_view>

namespace gnamm::data {

class Avvisi {
  public:
    // Queues `testo` for the window (unless the same text was already said this run) and writes
    // `rigaStderr` (the text itself when empty) as "gnamm: ..." on stderr.
    void aggiungi(std::string testo, std::string_view rigaStderr = {});

    // The notice the window shows now, if any; the player closes it with Esc or a click.
    bool vuoto() const { return attesa_.empty(); }
    const std::string& corrente() const { return attesa_.front(); }
    void chiudiCorrente();
    const std::deque<std::string>& inAttesa() const { return attesa_; }

    // Off in the tests and the simulator, whose stderr is read by people and scripts.
    bool scriviStderr = true;

  private:
    std::deque<std::string> attesa_;
    std::set<std::string> detti_;
};

}  // namespace gnamm::data
