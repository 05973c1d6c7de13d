// The sounds as a listener of the game: card noises, the deal's noises, the saloon ambience and
// the music answer what happens at the table, and keep quiet when Nonno Zeb speaks.
#pragma once

#include "audio/sound_state.h"
#include "game/media_player.h"
#include "game/table_listener.h"

namespace gnamm {

class Suoni final : public AscoltatoreTavolo, public ContestoTavolo {
  public:
    Suoni(const ContestoTavolo& contesto, MediaPlayer& media)
        : AscoltatoreTavolo(Sente()), ContestoTavolo(contesto), media(media) {}

    MediaPlayer& media;
    SoundState stato;

    // The noise for the event, if any: none plays over a line of Zeb's (parlato).
    bool ascolta(const EventoTavolo& e, bool parlato) override;
    // The events that have a noise or stop one.
    static Accaduti Sente();
    // The ticks of the sound timers (noises, ambience, music); false for any other timer.
    bool onTimer(Timer t);
};

}  // namespace gnamm
