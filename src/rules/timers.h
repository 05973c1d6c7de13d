// Every timer the game names. One Scheduler owns them all.
#pragma once

#include <array>
#include <string_view>

namespace gnamm {

enum class Timer {
    Scegli4CarteSulTavolo,  // one opening table card per tick
    Scegli6Carte,           // one hand card per tick
    MuoviHAutomatico,       // automatic play of the human's last card
    ScompaionoCarteH,       // pause before the human's capture vanishes
    Presa,                  // frees the sound indicator after the capture noise
    RitardoMossaPC,         // pause before the computer shows its move
    EffettuaMossaPC,        // steps of the computer's move
    UltimeCarte,            // one remaining table card per tick at the end of a Gioco
    LampeggiaScritta,       // blinking on the hall-of-fame panel
    LampeggiaScritta2,      // blinking on the level panel
    DurataGnammH,           // end of a remark
    AssoBevuto,             // end of the ace remark
    Impazienza,             // urging a slow player
    DurataImpazienza,       // end of an impatience remark
    Carta,                  // frees the indicator after a click noise
    Rumoregioco,            // frees the indicator after a card-play noise
    Ambiente,               // pause before the next saloon sound
    DurataAmbiente,         // end of a saloon sound
    Musiche,                // counts down the seconds of the current track
    Silenzio,               // pause between two tracks
    Inserisci,              // blinking name prompt on the splash
    AudioSplash,            // splash voices
    Esci,                   // closing after the farewell
};

inline constexpr int kTimerCount = static_cast<int>(Timer::Esci) + 1;

constexpr std::string_view TimerName(Timer t) {
    constexpr std::array<std::string_view, kTimerCount> names = {
        "TmrScegli4CarteSulTavolo",
        "TmrScegli6Carte",
        "TmrMuoviHAutomatico",
        "TmrScompaionoCarteH",
        "TmrPresa",
        "TmrRitardoMossaPC",
        "TmrEffettuaMossaPC",
        "TmrUltimeCarte",
        "TmrLampeggiaScritta",
        "TmrLampeggiaScritta2",
        "TmrDurataGnammH",
        "TmrAssoBevuto",
        "TmrImpazienza",
        "TmrDurataImpazienza",
        "TmrCarta",
        "TmrRumoregioco",
        "TmrAmbiente",
        "TmrDurataAmbiente",
        "TmrMusiche",
        "TmrSilenzio",
        "TmrInserisci",
        "TmrAudioSplash",
        "TmrEsci",
    };
    return names[static_cast<int>(t)];
}

}  // namespace gnamm
