#include "game/media_player.h"

namespace gnamm {

std::string_view ChannelName(Channel c) {
    switch (c) {
        case Channel::Rumori:
            return "mmcRumori";
        case Channel::Ambiente:
            return "mmcAmbiente";
        case Channel::Impazienza:
            return "mmcImpazienza";
        case Channel::Commenti:
            return "mmcCommenti";
        case Channel::Musiche:
            return "mmcMusiche";
        case Channel::AudioSplash:
            return "mmcAudioSplash";
    }
    return "?";
}

std::string_view CommandName(Command c) {
    switch (c) {
        case Command::Open:
            return "Open";
        case Command::Play:
            return "Play";
        case Command::Prev:
            return "Prev";
        case Command::Stop:
            return "Stop";
        case Command::Close:
            return "Close";
    }
    return "?";
}

void AvviaSuono(MediaPlayer& media, Channel channel, std::string_view file) {
    // Rewinding and closing first stops whatever the channel was playing, so a new noise
    // never waits for the last one.
    media.command(channel, Command::Prev);
    media.command(channel, Command::Close);
    media.setFile(channel, file);
    media.command(channel, Command::Open);
    media.command(channel, Command::Play);
}

void ChiudiSuoni(MediaPlayer& media) {
    // The music and the splash voice are not the table's sounds: they play on.
    for (const Channel c :
         {Channel::Rumori, Channel::Ambiente, Channel::Impazienza, Channel::Commenti}) {
        media.command(c, Command::Stop);
        media.command(c, Command::Prev);
        media.command(c, Command::Close);
    }
}

}  // namespace gnamm
