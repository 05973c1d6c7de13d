// The sixteen options of the options panel, held as typed values with their design defaults.
//
// The settings file and the panel store and show them as the game's words ("Middle", "Yes",
// "Horse" ...); OptionText and ParseOption convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gnamm {

enum class Velocita { Middle, High, Low };
enum class Impazienza { Quiet, Impatient, VeryImpatient };
enum class ColoreTavolo { Blue, Brown, Gold, Green };
enum class ColoreCarte { Blue, Grey, Green, Turquoise };
enum class Retro { Horse, Star, Rhombs, America };
enum class TerzaCarta { Manual, Automatic };
enum class PausaMusiche { Middle, Long, Short };

// Opzioni(0..15) by caption; index in the comment.
struct Opzioni {
    Velocita velocitaGioco = Velocita::Middle;         // 0 "Velocità Gioco:"
    Impazienza impazienzaZeb = Impazienza::Impatient;  // 1 "Impazienza Zeb:"
    Velocita velocitaZeb = Velocita::Middle;           // 2 "Velocità Zeb:"
    bool rumoriCarte = false;                          // 3 "Rumori carte:"
    bool rumoriSaloon = false;                         // 4 "Rumori Saloon:"
    bool commentiZeb = true;                           // 5 "Commenti Zeb:"
    bool musiche = false;                              // 6 "Musiche:"
    bool fumettoZeb = true;                            // 7 "Fumetto Zeb:" (never changed)
    ColoreTavolo coloreTavolo = ColoreTavolo::Blue;    // 8 "Colore tavolo:"
    ColoreCarte coloreCarte = ColoreCarte::Blue;       // 9 "Colore carte:"
    Retro retroCarte = Retro::Star;                    // 10 "Retro carte:"
    TerzaCarta giocoTerzaCarta = TerzaCarta::Manual;   // 11 "Gioco terza carta:"
    bool randomGrafica = true;                         // 12 "Random grafica:"
    bool mostraManina = false;                         // 13 "Mostra manina:"
    Velocita velocitaMazziere = Velocita::Middle;      // 14 "Velocità Mazziere:"
    PausaMusiche pausaMusiche = PausaMusiche::Middle;  // 15 "Pausa musiche:"
};

inline constexpr int kNumeroOpzioni = 16;
// The options whose speeds pace the game's steps.
inline constexpr int kVoceVelocitaGioco = 0;
inline constexpr int kVoceVelocitaZeb = 2;
inline constexpr int kVoceMostraManina = 13;
inline constexpr int kVoceVelocitaMazziere = 14;

// The caption of option i ("Velocità Gioco:" ...), i = 0..15.
std::string_view OptionCaption(int i);
// The value of option i as the game writes it ("Middle", "Yes", "Very Impatient" ...).
std::string OptionText(const Opzioni& o, int i);
// Sets option i from its text; false (and nothing changed) when the text is not one of its values.
bool SetOptionFromText(Opzioni& o, int i, std::string_view text);
// Moves option i to the next value of its cycle ("Fumetto Zeb" never changes).
void CycleOption(Opzioni& o, int i);

// Intervals that follow the options, in milliseconds.
int IntervalloMazziere(Velocita v);      // TmrScegli4CarteSulTavolo, TmrScegli6Carte
int IntervalloGioco(Velocita v);         // TmrUltimeCarte, TmrScompaionoCarteH
int IntervalloTerzaCarta(Velocita v);    // TmrMuoviHAutomatico
int IntervalloZeb(Velocita v);           // TmrRitardoMossaPC, TmrEffettuaMossaPC
int IntervalloImpazienza(Impazienza i);  // TmrImpazienza (8000 Impatient, 5000 otherwise)
int IntervalloSilenzio(PausaMusiche p);  // TmrSilenzio

}  // namespace gnamm
