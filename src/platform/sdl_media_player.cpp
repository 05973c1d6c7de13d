// Open, Play, Prev, Stop and Close on SDL_mixer channels and on Mix_Music.
#include "platform/sdl_media_player.h"

#include <dlfcn.h>

#include <cstdlib>
#include <system_error>

namespace gnamm::platform {

namespace {

constexpr int kReservedChannels = 5;  // one for each WAV channel of the game
constexpr int kMixerChannels = 8;
constexpr int kSampleRate = 22050;

bool IsMusic(Channel c) {
    return c == Channel::Musiche;
}

void IgnoreAlsaComplaint(const char*, int, const char*, int, const char*, ...) {}

// alsa-lib writes its own complaints (no card, no sound server) straight to stderr while SDL
// looks for a device; the game says what matters in its own words instead. The library is
// the one SDL loads, so the quiet handler is in place when SDL opens it.
void QuietAlsa() {
    void* alsa = ::dlopen("libasound.so.2", RTLD_LAZY | RTLD_GLOBAL);
    if (alsa == nullptr) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(&IgnoreAlsaComplaint);
    }
}

}  // namespace

std::optional<std::filesystem::path> FindSoundFont() {
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env)
        return std::filesystem::path(env);
    for (const char* c :
         {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
          "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3"}) {
        std::error_code ec;
        if (std::filesystem::exists(c, ec)) return std::filesystem::path(c);
    }
    return std::nullopt;
}

int SdlMediaPlayer::MixerChannel(Channel c) {
    switch (c) {
        case Channel::Rumori:
            return 0;
        case Channel::Ambiente:
            return 1;
        case Channel::Impazienza:
            return 2;
        case Channel::Commenti:
            return 3;
        case Channel::AudioSplash:
            return 4;
        case Channel::Musiche:
            break;
    }
    return -1;
}

SdlMediaPlayer::SdlMediaPlayer(SoundResolver resolve) : resolve_(std::move(resolve)) {
    QuietAlsa();
    // Without a device the game plays silent; the app tells the player (hasDevice).
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (const auto sf = FindSoundFont()) Mix_SetSoundFonts(sf->string().c_str());
    if (!reopenDevice()) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    available_ = true;
}

bool SdlMediaPlayer::reopenDevice() {
    // At the rate of the game's own sounds (22050 Hz): opened at any other, every voice and
    // noise would be resampled as it loads, which costs the game more than all else it does
    // while the player thinks. 1024 frames: a sound starts at most 46 ms late, which no one
    // hears at a card table.
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    Mix_AllocateChannels(kMixerChannels);
    Mix_ReserveChannels(kReservedChannels);
    open_ = true;
    sounded_ = true;  // counts as a sound: the device is not closed again straight away
    return true;
}

void SdlMediaPlayer::closeDevice() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    // Decoded sounds are let go with the device: music decoders close with it, and the device
    // opened next may want samples of another format. A channel keeps its file and state, and
    // its next Open or Play decodes the file again.
    for (Slot& s : slots_) {
        s.chunk.reset();
        s.music.reset();
        if (s.state == State::Playing || s.state == State::Paused) s.state = State::Stopped;
    }
    Mix_CloseAudio();
    open_ = false;
}

bool SdlMediaPlayer::anySounding() const {
    if (Mix_PlayingMusic() && !Mix_PausedMusic()) return true;
    for (int c = 0; c < kReservedChannels; ++c) {
        if (Mix_Playing(c) && !Mix_Paused(c)) return true;
    }
    return false;
}

int SdlMediaPlayer::closeWhenIdle(uint64_t nowMs) {
    if (!open_) return -1;
    // Looked at once a second while something sounds: the device closes two to three seconds
    // after the last sound ended.
    constexpr int kSoundingCheckMs = 1000;
    if (sounded_ || anySounding()) {
        sounded_ = false;
        quietSince_ = nowMs;
        return kSoundingCheckMs;
    }
    const uint64_t quiet = nowMs - quietSince_;
    if (quiet < static_cast<uint64_t>(kIdleCloseMs)) {
        return static_cast<int>(static_cast<uint64_t>(kIdleCloseMs) - quiet);
    }
    closeDevice();
    return -1;
}

SdlMediaPlayer::~SdlMediaPlayer() {
    if (!available_) return;
    if (!open_) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Slot& s : slots_) {
        s.chunk.reset();
        s.music.reset();
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SdlMediaPlayer::State SdlMediaPlayer::state(Channel channel) const {
    const Slot& s = slots_[static_cast<int>(channel)];
    if (s.state != State::Playing || !open_) return s.state;
    // A sound that has run to its end is no longer playing.
    const bool sounding =
        IsMusic(channel) ? Mix_PlayingMusic() != 0 : Mix_Playing(MixerChannel(channel)) != 0;
    return sounding ? State::Playing : State::Stopped;
}

void SdlMediaPlayer::setFile(Channel channel, std::string_view assetName) {
    slots_[static_cast<int>(channel)].file = std::string(assetName);
}

void SdlMediaPlayer::halt(Channel c, Slot& s) {
    if (!open_ || s.state == State::Closed) return;
    if (IsMusic(c)) {
        Mix_HaltMusic();
    } else {
        Mix_HaltChannel(MixerChannel(c));
    }
}

void SdlMediaPlayer::open(Channel c, Slot& s) {
    if (s.state != State::Closed || s.file.empty()) return;
    const auto path = resolve_ ? resolve_(s.file) : std::nullopt;
    if (!path) return;
    // Opened again here, before the sound is decoded and played, so that none of it is cut.
    if (available_ && !open_ && !reopenDevice()) available_ = false;
    if (open_) {
        if (IsMusic(c)) {
            s.music.reset(Mix_LoadMUS(path->string().c_str()));
            if (!s.music) return;
        } else {
            // Our own stream, closed by us: Mix_LoadWAV loses its stream on a file that will
            // not decode.
            SDL_RWops* rw = SDL_RWFromFile(path->string().c_str(), "rb");
            if (!rw) return;
            s.chunk.reset(Mix_LoadWAV_RW(rw, 0));
            SDL_RWclose(rw);
            if (!s.chunk) return;
        }
    }
    s.state = State::Stopped;
}

void SdlMediaPlayer::play(Channel c, Slot& s) {
    switch (s.state) {
        case State::Closed:
        case State::Playing:
            return;  // nothing open, or already under way (or at its end)
        case State::Paused:
            if (open_) IsMusic(c) ? Mix_ResumeMusic() : Mix_Resume(MixerChannel(c));
            break;
        case State::Stopped:
            if (available_ && !s.chunk && !s.music) {
                // Its decoded sound went with an idle device: decode it again.
                s.state = State::Closed;
                open(c, s);
                if (s.state == State::Closed) return;
            }
            if (open_) {
                const int r = IsMusic(c) ? Mix_PlayMusic(s.music.get(), 0)
                                         : Mix_PlayChannel(MixerChannel(c), s.chunk.get(), 0);
                if (r < 0) return;
            }
            break;
    }
    s.state = State::Playing;
    sounded_ = true;
}

void SdlMediaPlayer::command(Channel channel, Command cmd) {
    Slot& s = slots_[static_cast<int>(channel)];
    switch (cmd) {
        case Command::Open:
            open(channel, s);
            break;
        case Command::Play:
            play(channel, s);
            break;
        case Command::Stop:
            if (state(channel) == State::Playing) {
                if (open_) IsMusic(channel) ? Mix_PauseMusic() : Mix_Pause(MixerChannel(channel));
                s.state = State::Paused;
            }
            break;
        case Command::Prev:
            // Back to the start: whatever was sounding stops, the next Play starts over.
            if (s.state == State::Closed) break;
            halt(channel, s);
            s.state = State::Stopped;
            break;
        case Command::Close:
            halt(channel, s);
            s.chunk.reset();
            s.music.reset();
            s.state = State::Closed;
            break;
    }
}

}  // namespace gnamm::platform
