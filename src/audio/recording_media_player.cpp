#include "audio/recording_media_player.h"

namespace gnamm {

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
        if (e.isFile)
            file = e.file;
        else if (e.command == Command::Play && !file.empty())
            files.push_back(file);
    }
    return files;
}

}  // namespace gnamm
