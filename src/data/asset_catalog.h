// Every asset name the game uses, in one place.
//
// Names are written as the game's tables write them ("\Carte\Ac.jpg", "\Zeb\S01.wav"): a folder
// and a file name, matched on disk without regard to case (and, for pictures, to the
// extension). The game's own tables build their names here, and the asset tests and
// generators walk the same lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/card.h"

namespace gnamm::assets {

// Pictures.
const std::string& CardFace(Card card);   // "\Carte\Ac.jpg"
std::vector<std::string> CardFaces();     // all 40, ordered-deck order
std::vector<std::string> CardBacks();     // "\Grafica\Horse.gif", Star, Rhombs, America
const std::string& Bubble(int n);         // "\Grafica\Fumetto1.gif" .. 3 (none beyond)
std::vector<std::string> Bubbles();
const std::string& Photo(int n);          // "\Foto\Foto01.jpg" .. 24 (none beyond)
std::vector<std::string> Photos();
std::vector<std::string> SuitPictures();  // Cuori, Quadri, Fiori, Picche
// Splash, title, bar, suits strip, table frame picture, pointing hand, application icon.
inline constexpr std::string_view kSplash = "\\Grafica\\Splash.jpg";
inline constexpr std::string_view kTitolo = "\\Grafica\\Gnamm.gif";
inline constexpr std::string_view kBarra = "\\Grafica\\Barra.jpg";
inline constexpr std::string_view kQuattroSemi = "\\Grafica\\4Semi.jpg";
inline constexpr std::string_view kTavolo = "\\Grafica\\Tavolo.jpg";
inline constexpr std::string_view kManina = "\\Grafica\\Manina.gif";
inline constexpr std::string_view kIcona = "\\Grafica\\Icona.png";
std::vector<std::string> FixedPictures();
std::vector<std::string> AllPictures();

// Sounds.
std::string ZebVoice(int n);              // "\Zeb\S01.wav" .. S50
std::vector<std::string> ZebVoices();
std::string ImpatienceVoice(int n);       // "\Impaz\I01.wav" .. I12
std::vector<std::string> ImpatienceVoices();
std::string DealNoise(int n);             // "\Rumori\Carta1.wav" .. 4
inline constexpr std::string_view kClic = "\\Rumori\\carta3.wav";
std::string PlayNoise(int n);             // "\Rumori\gioco1.wav" .. 3
inline constexpr std::string_view kPresa = "\\Rumori\\Presa.wav";
std::vector<std::string> Noises();        // every distinct noise file
std::string SaloonSound(int n);           // "\Saloon\Sa01.wav" .. Sa30
std::vector<std::string> SaloonSounds();
std::string MusicTrack(int n);            // "\Musiche\01.mid" .. 24
std::vector<std::string> MusicTracks();
std::vector<std::string> AllSounds();

// Splits an asset name into its folder and file name: "\Carte\Ac.jpg" -> {"Carte", "Ac.jpg"}.
struct AssetPath {
    std::string folder;
    std::string file;
};
AssetPath Split(std::string_view assetName);

}  // namespace gnamm::assets
