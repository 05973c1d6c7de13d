// The game's six sound channels on SDL_mixer.
//
// The five WAV channels each own one reserved mixer channel; the music channel plays MIDI
// through Mix_Music (FluidSynth with the system's General MIDI sound font). Without an audio
// device every command is accepted and nothing is heard, and a file that is missing or will
// not decode leaves its channel with no open file, as a failed open should.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "audio/media_player.h"
#include "platform/sdl_handles.h"

namespace gnamm::platform {

// Finds the file for an asset name (the game's AssetResolver in the app).
using SoundResolver = std::function<std::optional<std::filesystem::path>(std::string_view)>;

class SdlMediaPlayer final : public MediaPlayer {
  public:
    // Opens the audio device; when that fails the player stays silent.
    explicit SdlMediaPlayer(SoundResolver resolve);
    ~SdlMediaPlayer() override;
    SdlMediaPlayer(const SdlMediaPlayer&) = delete;
    SdlMediaPlayer& operator=(const SdlMediaPlayer&) = delete;

    void setFile(Channel channel, std::string_view assetName) override;
    void command(Channel channel, Command command) override;

    bool hasDevice() const { return open_; }

    // What a channel is doing, for tests and the status of the window.
    enum class State { Closed, Stopped, Playing, Paused };
    State state(Channel channel) const;

  private:
    struct Slot {
        std::string file;
        ChunkPtr chunk;       // the WAV channels
        MusicPtr music;       // the music channel
        bool opened = false;  // Open found and decoded the file (or would have, silently)
        State state = State::Closed;
    };
    void open(Channel c, Slot& s);
    void play(Channel c, Slot& s);
    void halt(Channel c, Slot& s);
    static int MixerChannel(Channel c);

    SoundResolver resolve_;
    bool open_ = false;
    std::array<Slot, kChannelCount> slots_;
};

// The General MIDI sound font FluidSynth should use, if one is installed.
std::optional<std::filesystem::path> FindSoundFont();

}  // namespace gnamm::platform
