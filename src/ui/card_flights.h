// Cards in motion: the view's own account of each move the table announces, so a dealt card
// slides from the deck, a played card from the hand, a capture into the taker's pile. The state
// has the card in its new place (or gone) at once; a flight only draws the way there, on the
// game's clock, and ends within the step that started it. Nothing the game decides waits on it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/card_places.h"
#include "game/table_listener.h"
#include "ui/screen.h"

namespace gnamm {

class Game;

// One card on its way: from `da` to `a` (design rectangles), over `durata` ms from `inizio`.
struct Volo {
    Card carta;
    bool dorso = false;        // Zeb's dealt cards travel face down
    int posto = kNessunPosto;  // the place it lands on, hidden until it lands; none for a pile
    Rect da, a;
    int64_t inizio = 0;
    int durata = 1;
    bool diTraverso = false;  // a Punto Gnamm's card: it turns crosswise as it lands
};

// A Punto Gnamm's sparks: from the middle of `dove`, the card lying crosswise, from `inizio`.
struct Scoppio {
    Rect dove;
    int64_t inizio = 0;
};

// How long a Punto Gnamm's card turns as it lands, and its sparks fly after.
inline constexpr int kGiroGnammMs = 400;
inline constexpr int kScoppioMs = 800;

// Where a flight is at `ora`: eased in and out, from `da` to `a`.
Rect PosizioneVolo(const Volo& v, int64_t ora);
// How far a flight's card is turned at `ora`, in degrees: upright, or for a Punto Gnamm's
// card turning eased to crosswise (90) over its last moments.
int AngoloVolo(const Volo& v, int64_t ora);

class VoliCarte final : public AscoltatoreTavolo {
  public:
    // The game whose moves it follows and the screen whose rectangles it reads.
    VoliCarte(const Game& g, const Screen& s);
    bool ascolta(const EventoTavolo& e, bool parlato) override;
    // The moves the table announces no event for (the opening four, Zeb's card laid down),
    // found by setting the places now on show against those seen last.
    void osserva();
    // Off: cards jump to their places, and what flies lands at once.
    void abilita(bool si);
    // True while a card is on its way or sparks fly at `ora`; what has ended is dropped.
    bool inMovimento(int64_t ora);
    // True while anything is still kept to draw, ended or not.
    bool inVista() const { return !voli_.empty() || !scoppi_.empty(); }
    const std::vector<Volo>& voli() const { return voli_; }
    const std::vector<Scoppio>& scoppi() const { return scoppi_; }

  private:
    Volo& parte(Card c, bool dorso, Rect da, int posto, Rect a, int durata);
    void alMucchio(const EventoTavolo& e, Player chi, int durata);
    Rect rettangolo(int posto) const;

    const Game& g_;
    const Screen& s_;
    bool abilitati_ = true;
    std::vector<Volo> voli_;
    std::vector<Scoppio> scoppi_;
    PostiCarte visti_{};
};

// The flights on the screen at `ora`: each card drawn at its way's point above the table, and
// the place it lands on left empty until it lands.
void MostraVoli(const std::vector<Volo>& voli, int64_t ora, const Opzioni& o, Screen& s);
// The sparks flying at `ora`, each spreading out from its card and shrinking away.
void MostraScintille(const std::vector<Scoppio>& scoppi, int64_t ora, Screen& s);

}  // namespace gnamm
