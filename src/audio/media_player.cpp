#include "audio/media_player.h"

#include "audio/recording_media_player.h"

namespace gnamm {

std::string_view ChannelName(Channel c) {
    switch (c) {
        case Channel::Rumori: return "mmcRumori";
        case Channel::Ambiente: return "mmcAmbiente";
        case Channel::Impazienza: return "mmcImpazienza";
        case Channel::Commenti: return "mmcCommenti";
        case Channel::Musiche: return "mmcMusiche";
        case Channel::AudioSplash: return "mmcAudioSplash";
    }
    return "?";
}

std::string_view CommandName(Command c) {
    switch (c) {
        case Command::Open: return "Open";
        case Command::Play: return "Play";
        case Command::Prev: return "Prev";
        case Command::Stop: return "Stop";
        case Command::Close: return "Close";
    }
    return "?";
}

void RecordingMediaPlayer::setFile(Channel channel, std::string_view assetName) {
    log_.push_back({clock_.nowMs(), channel, true, std::string(assetName), {}});
}

void RecordingMediaPlayer::command(Channel channel, Command command) {
    log_.push_back({clock_.nowMs(), channel, false, {}, command});
}

std::vector<std::string> RecordingMediaPlayer::played(Channel channel) const {
    std::vector<std::string> files;
    std::string file;
    for (const Entry& e : log_) {
        if (e.channel != channel) continue;
        if (e.isFile) file = e.file;
        else if (e.command == Command::Play && !file.empty()) files.push_back(file);
    }
    return files;
}

}  // namespace gnamm
