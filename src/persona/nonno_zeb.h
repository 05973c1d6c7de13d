// Nonno Zeb as a listener of the game: his remarks and his impatience answer what happens at the
// table. He keeps what his corner shows (photo, line, bubble); the ui puts it on the screen.
#pragma once

#include <string>

#include "game/media_player.h"
#include "game/table_listener.h"
#include "persona/persona_state.h"

namespace gnamm {

// What Zeb's corner shows: his photo frame, and his line and its bubble.
struct AngoloZeb {
    std::string foto;
    std::string commento;
    bool commentoVisibile = false;
    std::string fumetto;
    bool fumettoVisibile = false;
};

class NonnoZeb final : public AscoltatoreTavolo, public ContestoTavolo {
  public:
    NonnoZeb(const ContestoTavolo& contesto, MediaPlayer& media)
        : AscoltatoreTavolo(Sente()), ContestoTavolo(contesto), media(media) {}

    MediaPlayer& media;
    PersonaState stato;
    AngoloZeb angolo;

    // Says his line for the event, if he has one now, and minds his impatience. True when he
    // spoke.
    bool ascolta(const EventoTavolo& e, bool parlato) override;
    // The events he has a line or a mood for.
    static Accaduti Sente();
    // The ticks of his timers (remarks and impatience); false for any other timer.
    bool onTimer(Timer t);
};

// Nonno Zeb's corner as it showed, for a saved Torneo: his photo and, while a remark runs, its
// line and bubble (empty when none shows).
struct ZebMostrato {
    std::string foto;
    std::string commento;
    std::string fumetto;
    friend bool operator==(const ZebMostrato&, const ZebMostrato&) = default;
};
ZebMostrato AngoloMostrato(const NonnoZeb& z);
// The remark running when the game was saved: its line and bubble stay until its timer,
// restored with the others, ends it.
void RiprendiAngolo(NonnoZeb& z, const ZebMostrato& m);

}  // namespace gnamm
