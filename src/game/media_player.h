// The six sound channels and their five commands, as Nonno Zeb and the sounds send them.
//
// The platform plays them with SDL_mixer; tests and the simulator record them. A command on a
// channel with no open file does nothing; a file that cannot be opened is not reported.
#pragma once

#include <string>
#include <string_view>

namespace gnamm {

enum class Channel { Rumori, Ambiente, Impazienza, Commenti, Musiche, AudioSplash };
inline constexpr int kChannelCount = 6;

enum class Command { Open, Play, Prev, Stop, Close };

class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;
    // Sets the channel's file: an asset name such as "\Rumori\carta3.wav", or empty.
    virtual void setFile(Channel channel, std::string_view assetName) = 0;
    virtual void command(Channel channel, Command command) = 0;
};

// A player that ignores everything: no sound device.
class SilentMediaPlayer final : public MediaPlayer {
  public:
    void setFile(Channel, std::string_view) override {}
    void command(Channel, Command) override {}
};

std::string_view ChannelName(Channel c);
std::string_view CommandName(Command c);

// Starts an asset on a channel: rewind, close, set the file, open, play.
void AvviaSuono(MediaPlayer& media, Channel channel, std::string_view file);
// Stops, rewinds and closes the noise, ambience, impatience and comment channels.
void ChiudiSuoni(MediaPlayer& media);

}  // namespace gnamm
