// Every delay of the game in one place: the design intervals and those the options choose.
#pragma once

#include <array>
#include <utility>

#include "rules/timers.h"

namespace gnamm::speeds {

// Dealing ("Velocità Mazziere"): TmrScegli4CarteSulTavolo and TmrScegli6Carte.
inline constexpr int kMazziereHigh = 100;
inline constexpr int kMazziereMiddle = 200;
inline constexpr int kMazziereLow = 300;

// Game pace ("Velocità Gioco"): TmrUltimeCarte and TmrScompaionoCarteH ...
inline constexpr int kGiocoHigh = 400;
inline constexpr int kGiocoMiddle = 600;
inline constexpr int kGiocoLow = 800;
// ... and TmrMuoviHAutomatico.
inline constexpr int kTerzaCartaHigh = 550;
inline constexpr int kTerzaCartaMiddle = 750;
inline constexpr int kTerzaCartaLow = 950;

// Nonno Zeb's pace ("Velocità Zeb"): TmrRitardoMossaPC and TmrEffettuaMossaPC.
inline constexpr int kZebHigh = 400;
inline constexpr int kZebMiddle = 600;
inline constexpr int kZebLow = 800;

// Urging a slow player ("Impazienza Zeb"), and the retry while a sound holds the indicator.
inline constexpr int kImpazienzaImpatient = 8000;
inline constexpr int kImpazienzaVeryImpatient = 5000;
inline constexpr int kImpazienzaRetry = 1500;

// Pause between two music tracks ("Pausa musiche").
inline constexpr int kSilenzioShort = 15000;
inline constexpr int kSilenzioMiddle = 30000;
inline constexpr int kSilenzioLong = 60000;

// Fixed design intervals.
inline constexpr int kPresa = 365;           // capture noise
inline constexpr int kCarta = 230;           // click noise
inline constexpr int kRumoregioco = 230;     // card-play noise
inline constexpr int kLampeggia = 150;       // blinking panels
inline constexpr int kMusiche = 1000;        // music countdown step
inline constexpr int kAmbienteFirst = 1000;  // first pause of the ambience cycle
inline constexpr int kDurataAmbienteFirst = 10;
inline constexpr int kInserisci = 500;  // name prompt blinking
inline constexpr int kAudioSplashFirst = 1000;
inline constexpr int kEsci = 1500;  // farewell before the edition window
inline constexpr int kDurataGnammHFirst = 1000;
inline constexpr int kAssoBevutoFirst = 1550;
inline constexpr int kDurataImpazienzaFirst = 1000;

// The splash voice lines' pauses: after the first four, each pause is half a second longer.
inline constexpr std::array<int, 4> kPausePrimeVoci = {1000, 2500, 3000, 5000};
inline constexpr int kCrescitaPausa = 500;

// How long a voice line with no duration of its own may play: the lines at the end of a match
// play until Quando, the farewell until the program closes after kEsci.
inline constexpr int kVoceSenzaDurata = 3000;
inline constexpr int kVoceCongedo = kEsci;

// The intervals every timer starts the game with. Several callers enable these timers without
// setting an interval, and a timer with none would never fire; the others are set from the
// options, or by the procedure that starts them.
inline constexpr std::array<std::pair<Timer, int>, 10> kIntervalliIniziali = {{
    {Timer::DurataGnammH, kDurataGnammHFirst},
    {Timer::AssoBevuto, kAssoBevutoFirst},
    {Timer::Impazienza, kImpazienzaVeryImpatient},
    {Timer::DurataImpazienza, kDurataImpazienzaFirst},
    {Timer::Carta, kCarta},
    {Timer::Rumoregioco, kRumoregioco},
    {Timer::Ambiente, kAmbienteFirst},
    {Timer::DurataAmbiente, kDurataAmbienteFirst},
    {Timer::Musiche, kMusiche},
    {Timer::Silenzio, kSilenzioMiddle},
}};

}  // namespace gnamm::speeds
