// The game's six sound channels on SDL_mixer.
//
// The five WAV channels each own one reserved mixer channel; the music channel plays MIDI
// through Mix_Music (FluidSynth with the system's General MIDI sound font). Without an audio
// device every command is accepted and nothing is heard, and a file that is missing or will
// not decode leaves its channel with no open file, as a failed open should.
//
// An open audio device costs a thread that wakes every few milliseconds even in silence, so
// once nothing has sounded for a while the device is closed, and the next Open opens it again
// before the sound starts.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/media_player.h"
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

    // True when the game has sound at all (the device opened at start).
    bool hasDevice() const { return available_; }
    // True while the audio device is open now.
    bool deviceOpen() const { return open_; }

    // Closes the device once nothing has sounded for kIdleCloseMs, as told by a clock in ms
    // that the caller keeps. Returns in how many ms to call again; -1 when the device is
    // closed (only a command can open it again).
    static constexpr int kIdleCloseMs = 2000;
    int closeWhenIdle(uint64_t nowMs);

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
    bool anySounding() const;
    bool reopenDevice();
    void closeDevice();
    static int MixerChannel(Channel c);

    SoundResolver resolve_;
    bool available_ = false;
    bool open_ = false;
    bool sounded_ = false;     // a sound was started since the last idle check
    uint64_t quietSince_ = 0;  // when the last idle check found something sounding
    std::array<Slot, kChannelCount> slots_;
};

// The General MIDI sound font FluidSynth should use, if one is installed.
std::optional<std::filesystem::path> FindSoundFont();

}  // namespace gnamm::platform
