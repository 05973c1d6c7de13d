// A notice found before there is a game to tell it to (the start-up read, the window's mode,
// the data folder's place): held as its two texts and handed to the game's notices once the
// game is made.
#pragma once

#include <string>
#include <vector>

#include "data/avvisi.h"

namespace gnamm::data {

struct Notice {
    std::string testo;  // Italian, for the window
    std::string riga;   // English, for the "gnamm:" line on stderr
    friend bool operator==(const Notice&, const Notice&) = default;
};

inline void Tell(const std::vector<Notice>& notices, Avvisi& avvisi) {
    for (const Notice& n : notices) avvisi.aggiungi(n.testo, n.riga);
}

}  // namespace gnamm::data
