#include "game/capture_piles.h"

namespace gnamm {

void MettiNelMucchio(Mucchio& m, Card giocata, const std::vector<Card>& prese, bool gnamm) {
    m.ultimaPresa.clear();
    m.ultimaPresa.push_back(giocata);
    m.ultimaPresa.insert(m.ultimaPresa.end(), prese.begin(), prese.end());
    m.carte += static_cast<int>(m.ultimaPresa.size());
    if (gnamm) m.gnamm.push_back(giocata);
}

void UltimaCartaNelMucchio(Mucchio& m, Card c, bool prima) {
    if (prima) m.ultimaPresa.clear();
    m.ultimaPresa.push_back(c);
    ++m.carte;
}

}  // namespace gnamm
