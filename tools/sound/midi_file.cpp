#include "midi_file.h"

// glib first: smf.h uses its types without including it.
#include <glib.h>
#include <smf.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

namespace gnamm::sound {

namespace {

constexpr int kPpqn = 480;
constexpr unsigned char kChannelVolume = 75;

// Frees a libsmf file and the tracks and events it owns.
struct SmfDeleter {
    void operator()(smf_t* smf) const { smf_delete(smf); }
};

// One MIDI message at its time, before it joins the track in order.
struct Message {
    int pulse;
    int order;  // at one instant: set-up first, then note-offs, then note-ons
    std::vector<unsigned char> bytes;
};

int Pulses(double beats) {
    return static_cast<int>(std::lround(beats * kPpqn));
}

}  // namespace

bool WriteMidi(const std::string& path, const Score& score) {
    std::unique_ptr<smf_t, SmfDeleter> smf(smf_new());
    if (!smf || smf_set_ppqn(smf.get(), kPpqn) != 0) return false;
    smf_track_t* track = smf_track_new();  // owned by smf once added
    if (track == nullptr) return false;
    smf_add_track(smf.get(), track);

    std::vector<Message> messages;
    const auto usPerBeat = static_cast<unsigned>(std::lround(60'000'000.0 / score.bpm));
    messages.push_back(
        {0,
         0,
         {0xFF, 0x51, 0x03, static_cast<unsigned char>(usPerBeat >> 16),
          static_cast<unsigned char>(usPerBeat >> 8), static_cast<unsigned char>(usPerBeat)}});
    messages.push_back(
        {0, 0, {0xFF, 0x58, 0x04, static_cast<unsigned char>(score.beatsPerBar), 0x02, 24, 8}});
    for (unsigned char ch = 0; ch < 2; ++ch) {
        messages.push_back({0, 0, {static_cast<unsigned char>(0xC0 | ch), kHonkyTonkProgram}});
        // Measured through SDL_mixer and the default sound font, full volume peaks at the top
        // of the range; at this volume the music averages -27 to -31 dB, some 5 dB under the
        // voices, and never clips.
        messages.push_back({0, 0, {static_cast<unsigned char>(0xB0 | ch), 7, kChannelVolume}});
        messages.push_back({0, 0, {static_cast<unsigned char>(0xB0 | ch), 11, 127}});
        messages.push_back({0, 0, {static_cast<unsigned char>(0xB0 | ch), 91, 40}});
        messages.push_back({0,
                            0,
                            {static_cast<unsigned char>(0xB0 | ch), 10,
                             static_cast<unsigned char>(ch == 0 ? 72 : 56)}});
    }
    const int end = Pulses(score.totalBeats);
    for (const NoteEvent& n : score.notes) {
        const auto ch = static_cast<unsigned char>(n.channel & 0x0F);
        const auto pitch = static_cast<unsigned char>(std::clamp(n.pitch, 0, 127));
        const auto velocity = static_cast<unsigned char>(std::clamp(n.velocity, 1, 127));
        const int on = Pulses(n.beat);
        const int off = std::min(end, std::max(on + 1, Pulses(n.beat + n.length)));
        messages.push_back({on, 2, {static_cast<unsigned char>(0x90 | ch), pitch, velocity}});
        messages.push_back({off, 1, {static_cast<unsigned char>(0x80 | ch), pitch, 0}});
    }
    std::stable_sort(messages.begin(), messages.end(), [](const Message& x, const Message& y) {
        return std::tie(x.pulse, x.order) < std::tie(y.pulse, y.order);
    });
    for (Message& m : messages) {
        smf_event_t* event =
            smf_event_new_from_pointer(m.bytes.data(), static_cast<int>(m.bytes.size()));
        if (event == nullptr) return false;
        smf_track_add_event_pulses(track, event, m.pulse);
    }
    if (smf_track_add_eot_pulses(track, end) != 0) return false;
    return smf_save(smf.get(), path.c_str()) == 0;
}

}  // namespace gnamm::sound
