#include "data/asset_catalog.h"

#include <array>
#include <string_view>

namespace gnamm::assets {

namespace {

// before + n + after, n padded with zeros to `digits` (as printf's %02d would): the game asks
// for a name at every remark and photo, and printf cost more than the rest of the lookup.
std::string Numbered(std::string_view before, int n, std::string_view after, int digits = 1) {
    const std::string number = std::to_string(n);
    std::string name(before);
    if (static_cast<int>(number.size()) < digits) name.append(digits - number.size(), '0');
    return name.append(number).append(after);
}

// Entry n (1-based) of a list built once; the empty name (no picture) for any other n.
const std::string& Entry(const std::vector<std::string>& names, int n) {
    static const std::string none;
    return n >= 1 && n <= static_cast<int>(names.size()) ? names[static_cast<std::size_t>(n - 1)]
                                                         : none;
}

template <typename F>
std::vector<std::string> Range(int from, int to, F&& f) {
    std::vector<std::string> names;
    for (int n = from; n <= to; ++n) names.push_back(f(n));
    return names;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

const std::string& CardFace(Card card) {
    // A card is shown at every deal and play: the 41 names (no card included) are built once.
    static const std::array<std::string, 41> nomi = [] {
        std::array<std::string, 41> n;
        for (int p = 0; p <= 40; ++p) {
            const std::string code = Card::FromDeckPosition(p).code();
            n[static_cast<std::size_t>(p)] = "\\Carte\\" + code + ".jpg";
        }
        return n;
    }();
    return nomi[static_cast<std::size_t>(card.deckPosition())];
}
std::vector<std::string> CardFaces() {
    return Range(1, 40, [](int n) { return CardFace(Card::FromDeckPosition(n)); });
}
std::vector<std::string> CardBacks() {
    return {"\\Grafica\\Horse.gif", "\\Grafica\\Star.gif", "\\Grafica\\Rhombs.gif",
            "\\Grafica\\America.gif"};
}
const std::string& Bubble(int n) {
    static const std::vector<std::string> fumetti =
        Range(1, 3, [](int k) { return Numbered("\\Grafica\\Fumetto", k, ".gif"); });
    return Entry(fumetti, n);
}
std::vector<std::string> Bubbles() { return Range(1, 3, Bubble); }
const std::string& Photo(int n) {
    // Zeb's photo changes with every remark: the 24 names are built once.
    static const std::vector<std::string> foto =
        Range(1, 24, [](int k) { return Numbered("\\Foto\\Foto", k, ".jpg", 2); });
    return Entry(foto, n);
}
std::vector<std::string> Photos() { return Range(1, 24, Photo); }
std::vector<std::string> SuitPictures() {
    return {"\\Grafica\\Cuori.jpg", "\\Grafica\\Quadri.jpg", "\\Grafica\\Fiori.jpg",
            "\\Grafica\\Picche.jpg"};
}
std::vector<std::string> FixedPictures() {
    std::vector<std::string> names = {std::string(kSplash), std::string(kTitolo),
                                      std::string(kBarra),  std::string(kQuattroSemi),
                                      std::string(kTavolo), std::string(kManina),
                                      std::string(kIcona)};
    Append(names, SuitPictures());
    return names;
}
std::vector<std::string> AllPictures() {
    std::vector<std::string> names = CardFaces();
    Append(names, CardBacks());
    Append(names, Bubbles());
    Append(names, Photos());
    Append(names, FixedPictures());
    return names;
}

std::string ZebVoice(int n) { return Numbered("\\Zeb\\S", n, ".wav", 2); }
std::vector<std::string> ZebVoices() { return Range(1, 50, ZebVoice); }
std::string ImpatienceVoice(int n) { return Numbered("\\Impaz\\I", n, ".wav", 2); }
std::vector<std::string> ImpatienceVoices() { return Range(1, 12, ImpatienceVoice); }
std::string DealNoise(int n) { return Numbered("\\Rumori\\Carta", n, ".wav"); }
std::string PlayNoise(int n) { return Numbered("\\Rumori\\gioco", n, ".wav"); }
std::vector<std::string> Noises() {
    // The click "carta3.wav" and the third dealing noise "Carta3.wav" are one file.
    std::vector<std::string> names = Range(1, 4, DealNoise);
    Append(names, Range(1, 3, PlayNoise));
    names.emplace_back(kPresa);
    return names;
}
std::string SaloonSound(int n) { return Numbered("\\Saloon\\Sa", n, ".wav", 2); }
std::vector<std::string> SaloonSounds() { return Range(1, 30, SaloonSound); }
std::string MusicTrack(int n) { return Numbered("\\Musiche\\", n, ".mid", 2); }
std::vector<std::string> MusicTracks() { return Range(1, 24, MusicTrack); }
std::vector<std::string> AllSounds() {
    std::vector<std::string> names = ZebVoices();
    Append(names, ImpatienceVoices());
    Append(names, Noises());
    Append(names, SaloonSounds());
    Append(names, MusicTracks());
    return names;
}

AssetPath Split(std::string_view assetName) {
    while (!assetName.empty() && (assetName.front() == '\\' || assetName.front() == '/')) {
        assetName.remove_prefix(1);
    }
    const auto sep = assetName.find_first_of("\\/");
    if (sep == std::string_view::npos) return {"", std::string(assetName)};
    return {std::string(assetName.substr(0, sep)), std::string(assetName.substr(sep + 1))};
}

}  // namespace gnamm::assets
