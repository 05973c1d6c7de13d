#include "rules/options.h"

#include <array>

#include "rules/speeds.h"

namespace gnamm {

namespace {

constexpr std::array<std::string_view, kNumeroOpzioni> kCaptions = {
    "Velocità Gioco:", "Impazienza Zeb:",    "Velocità Zeb:",   "Rumori carte:",
    "Rumori Saloon:",  "Commenti Zeb:",      "Musiche:",        "Fumetto Zeb:",
    "Colore tavolo:",  "Colore carte:",      "Retro carte:",    "Gioco terza carta:",
    "Random grafica:", "Mostra manina:",     "Velocità Mazziere:", "Pausa musiche:",
};

// Each enum's words in cycle order: clicking moves to the next entry, wrapping round.
constexpr std::array<std::string_view, 3> kVelocita = {"Middle", "High", "Low"};
constexpr std::array<std::string_view, 3> kImpazienza = {"Quiet", "Impatient", "Very Impatient"};
constexpr std::array<std::string_view, 4> kTavolo = {"Blue", "Brown", "Gold", "Green"};
constexpr std::array<std::string_view, 4> kCarte = {"Blue", "Grey", "Green", "Turquoise"};
constexpr std::array<std::string_view, 4> kRetro = {"Horse", "Star", "Rhombs", "America"};
constexpr std::array<std::string_view, 2> kTerza = {"Manual", "Automatic"};
constexpr std::array<std::string_view, 3> kPausa = {"Middle", "Long", "Short"};
constexpr std::array<std::string_view, 2> kYesNo = {"Yes", "No"};

// Applies f to the option i as (words, index-reference) so that text, parse and cycle share
// one table of words.
template <typename F>
auto WithOption(Opzioni& o, int i, F&& f) {
    auto asEnum = [&](auto& field, const auto& words) {
        int index = static_cast<int>(field);
        auto result = f(words, index);
        field = static_cast<std::remove_reference_t<decltype(field)>>(index);
        return result;
    };
    auto asBool = [&](bool& field) {
        int index = field ? 0 : 1;
        auto result = f(kYesNo, index);
        field = index == 0;
        return result;
    };
    switch (i) {
        case 0: return asEnum(o.velocitaGioco, kVelocita);
        case 1: return asEnum(o.impazienzaZeb, kImpazienza);
        case 2: return asEnum(o.velocitaZeb, kVelocita);
        case 3: return asBool(o.rumoriCarte);
        case 4: return asBool(o.rumoriSaloon);
        case 5: return asBool(o.commentiZeb);
        case 6: return asBool(o.musiche);
        case 7: return asBool(o.fumettoZeb);
        case 8: return asEnum(o.coloreTavolo, kTavolo);
        case 9: return asEnum(o.coloreCarte, kCarte);
        case 10: return asEnum(o.retroCarte, kRetro);
        case 11: return asEnum(o.giocoTerzaCarta, kTerza);
        case 12: return asBool(o.randomGrafica);
        case 13: return asBool(o.mostraManina);
        case 14: return asEnum(o.velocitaMazziere, kVelocita);
        default: return asEnum(o.pausaMusiche, kPausa);
    }
}

}  // namespace

std::string_view OptionCaption(int i) {
    return (i >= 0 && i < kNumeroOpzioni) ? kCaptions[i] : std::string_view{};
}

std::string OptionText(const Opzioni& o, int i) {
    if (i < 0 || i >= kNumeroOpzioni) return {};
    Opzioni copy = o;
    return WithOption(copy, i, [](const auto& words, int& index) {
        return std::string(words[index]);
    });
}

bool SetOptionFromText(Opzioni& o, int i, std::string_view text) {
    if (i < 0 || i >= kNumeroOpzioni) return false;
    return WithOption(o, i, [text](const auto& words, int& index) {
        for (int k = 0; k < static_cast<int>(words.size()); ++k) {
            if (words[k] == text) {
                index = k;
                return true;
            }
        }
        return false;
    });
}

void CycleOption(Opzioni& o, int i) {
    if (i < 0 || i >= kNumeroOpzioni || i == 7) return;
    WithOption(o, i, [](const auto& words, int& index) {
        index = (index + 1) % static_cast<int>(words.size());
        return true;
    });
}

int IntervalloMazziere(Velocita v) {
    switch (v) {
        case Velocita::High: return speeds::kMazziereHigh;
        case Velocita::Low: return speeds::kMazziereLow;
        case Velocita::Middle: break;
    }
    return speeds::kMazziereMiddle;
}

int IntervalloGioco(Velocita v) {
    switch (v) {
        case Velocita::High: return speeds::kGiocoHigh;
        case Velocita::Low: return speeds::kGiocoLow;
        case Velocita::Middle: break;
    }
    return speeds::kGiocoMiddle;
}

int IntervalloTerzaCarta(Velocita v) {
    switch (v) {
        case Velocita::High: return speeds::kTerzaCartaHigh;
        case Velocita::Low: return speeds::kTerzaCartaLow;
        case Velocita::Middle: break;
    }
    return speeds::kTerzaCartaMiddle;
}

int IntervalloZeb(Velocita v) {
    switch (v) {
        case Velocita::High: return speeds::kZebHigh;
        case Velocita::Low: return speeds::kZebLow;
        case Velocita::Middle: break;
    }
    return speeds::kZebMiddle;
}

int IntervalloImpazienza(Impazienza i) {
    return i == Impazienza::Impatient ? speeds::kImpazienzaImpatient
                                      : speeds::kImpazienzaVeryImpatient;
}

int IntervalloSilenzio(PausaMusiche p) {
    switch (p) {
        case PausaMusiche::Long: return speeds::kSilenzioLong;
        case PausaMusiche::Short: return speeds::kSilenzioShort;
        case PausaMusiche::Middle: break;
    }
    return speeds::kSilenzioMiddle;
}

}  // namespace gnamm
