// A MediaPlayer that keeps every command with the virtual time it was sent at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/media_player.h"
#include "rules/clock.h"

namespace gnamm {

class RecordingMediaPlayer final : public MediaPlayer {
  public:
    struct Entry {
        int64_t timeMs;
        Channel channel;
        bool isFile;        // a setFile; otherwise a command
        std::string file;   // for setFile
        Command command{};  // for a command
    };

    explicit RecordingMediaPlayer(const Clock& clock) : clock_(clock) {}

    void setFile(Channel channel, std::string_view assetName) override;
    void command(Channel channel, Command command) override;

    const std::vector<Entry>& log() const { return log_; }
    void clear() { log_.clear(); }
    // Files started with Play on a channel, in order (the file set when Play was sent).
    std::vector<std::string> played(Channel channel) const;

  private:
    const Clock& clock_;
    std::vector<Entry> log_;
};

}  // namespace gnamm
