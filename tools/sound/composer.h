// The saloon pianist: composes the background tracks as honky-tonk piano pieces (a tune over a
// stride, waltz or march left hand), each cut to the length the game counts down for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gnamm::sound {

enum class Style { Rag, Folk, Waltz, March, Ballad };

// What a track is to be before it is composed.
struct TrackPlan {
    std::string title;
    Style style;
    int tonic;  // pitch class 0..11 (0 = C)
    bool minor;
    std::uint64_t seed;
    int tempo;  // the pace it would like, in quarter notes a minute; the length has the last word
    int seconds = 0;  // how long the game lets the track play
};

// One note of a composed track.
struct NoteEvent {
    double beat;    // quarter notes from the start
    double length;  // quarter notes
    int pitch;      // MIDI note number
    int velocity;
    int channel;  // 0 the tune, 1 the left hand
};

// A composed track, ready to be written as MIDI.
struct Score {
    std::string title;
    int beatsPerBar = 4;  // quarter notes in a bar
    double bpm = 120;     // quarter notes a minute
    double totalBeats = 0;
    std::vector<NoteEvent> notes;
    std::vector<std::vector<int>> harmony;  // each bar's chord, as pitch classes
    double seconds() const { return totalBeats * 60.0 / bpm; }
};

// The 24 tracks, "01.mid" .. "24.mid" in order.
const std::vector<TrackPlan>& SaloonTracks();
Score Compose(const TrackPlan& plan);
std::string StyleName(Style style);
std::string KeyName(int tonic, bool minor);

}  // namespace gnamm::sound
