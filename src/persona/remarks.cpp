// Nonno Zeb's lines, as tables of voice, text, bubble, photo and duration.
#include "persona/remarks.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "rules/livello.h"
#include "rules/speeds.h"
#include "rules/table_state.h"

namespace gnamm::remarks {
namespace {

// A line as the tables write it: numbers of voice, bubble and photo (0 = no photo).
struct Riga {
    int voce;
    const char* testo;
    int fumetto;
    int foto;
    int durataMs;
};

Commento Zeb(const Riga& r) {
    return {assets::ZebVoice(r.voce), r.testo, assets::Bubble(r.fumetto),
            r.foto > 0 ? assets::Photo(r.foto) : std::string(), r.durataMs};
}

constexpr std::array<Riga, kGnammH> kRigheGnammH = {{
    {1, "E' solo fortuna, ragazzo!!", 1, 4, 2225},
    {2, "Ti ha insegnato mio nonno??", 1, 4, 1525},
    {3, "Bravo!", 3, 7, 765},
    {4, "Sei più astuto di un coyote...", 1, 7, 2255},
    {5, "...vecchia volpe!!", 3, 6, 1125},
    {6, "Così giovane... e così ingordo?", 1, 4, 2285},
    {7, "...allora non sei un pivellino!", 1, 7, 2030},
    {8, "Uffa!!", 3, 5, 725},
    {9, "Esagerato!", 3, 4, 1265},
    {10, "Per mille transistors!!", 2, 5, 2395},
    {11, "Non è possibile...", 2, 5, 1155},
    {12, "Vuoi sfidarmi, eh?", 2, 6, 1185},
}};

constexpr std::array<Riga, kGnammPCinf4> kRigheGnammPCinf4 = {{
    {35, "Buon bocconcino!", 2, 8, 1500},
    {36, "Bravo Zeb!!", 3, 9, 1100},
    {37, "Esperienza insegna...", 2, 11, 1800},
    {38, "Non sono nato ieri, figliolo!", 1, 10, 1900},
    {39, "He-he-he...", 3, 10, 1150},
    {40, "Gnamm!!", 3, 8, 990},
    {41, "Yesss...", 3, 9, 800},
    {42, "Ti piace la mia tecnica??", 2, 11, 1650},
}};

constexpr std::array<Riga, kGnammPCsup4> kRigheGnammPCsup4 = {{
    {29, "Mio nonno mi diceva sempre:...", 1, 8, 3700},
    {30, "Troppe carte...", 3, 10, 1200},
    {31, "Non prendertela...!", 2, 9, 1690},
    {32, "Piatto ricco... mi ci ficco!!", 1, 8, 2400},
    {33, "Sono un vero Asso!", 2, 10, 1450},
    {34, "Ho sempre un asso nella manica...", 1, 11, 2000},
}};

constexpr std::array<Riga, kImpazienza> kRigheImpazienza = {{
    {1, "Per mille lumache lesse... vuoi giocare??", 1, 1, 3930},
    {2, "Ho già la barba bianca, figliolo!", 1, 2, 2405},
    {3, "Non sei certo il mouse più veloce del West!", 1, 3, 2695},
    {4, "Intanto che pensi mi farò un bel pisolino!", 1, 3, 3625},
    {5, "Se non ti sbrighi perderai la diligenza...", 1, 12, 3604},
    {6, "Non fare l'indiano... gioca!!", 1, 2, 2575},
    {7, "Muoviti!", 3, 12, 665},
    {8, "Dài, su...", 3, 3, 1245},
    {9, "Datti una mossa, figliolo!", 1, 12, 1775},
    {10, "E beh?!", 3, 1, 555},
    {11, "Allora?...", 3, 1, 779},
    {12, "Gioca!!!", 3, 2, 855},
}};

// The splash voices have no bubble; their words and the pause before the next one.
struct RigaSplash {
    int voce;
    const char* testo;
    int pausaMs;
};
constexpr std::array<RigaSplash, 4> kRigheSplash = {{
    {15, "Ehi, straniero!", 1000},
    {16, "Benvenuto nel mio saloon.", 2500},
    {17, "Ti sfido a Gnamm, se hai fegato!", 3000},
    {18, "Come ti chiami, figliolo?", 5000},
}};

template <size_t N>
Commento Pick(const std::array<Riga, N>& righe, int k) {
    return Zeb(righe[static_cast<size_t>(std::clamp(k, 1, static_cast<int>(N)) - 1)]);
}

}  // namespace

Commento GnammH(int k) {
    return Pick(kRigheGnammH, k);
}
Commento GnammPCinf4(int k) {
    return Pick(kRigheGnammPCinf4, k);
}
Commento GnammPCsup4(int k) {
    return Pick(kRigheGnammPCsup4, k);
}

Commento Impazienza(int k) {
    const Riga& r = kRigheImpazienza[static_cast<size_t>(std::clamp(k, 1, kImpazienza) - 1)];
    return {assets::ImpatienceVoice(r.voce), r.testo, assets::Bubble(r.fumetto),
            assets::Photo(r.foto), r.durataMs};
}

Commento Livello(gnamm::Livello livello) {
    switch (livello) {
        case gnamm::Livello::Honest:
            return Zeb({3, "Bravo!", 3, 0, 700});
        case gnamm::Livello::Cunning:
            return Zeb({40, "Gnamm!", 3, 0, 950});
        case gnamm::Livello::Cheat:
            return Zeb({39, "He-he-he...", 3, 0, 1100});
        case gnamm::Livello::None:
            break;
    }
    return {};
}

Commento Gioca() {
    return Zeb({19, "Gioca!", 3, 20, 620});
}
Commento Rimprovero() {
    return Zeb({28, "Ehi!", 3, 0, 320});
}

Commento AssoBevuto(int n) {
    return n == 1 ? Zeb({14, "Asso bevuto... gioco astuto!", 1, 22, 3650})
                  : Zeb({13, "Hai bevuto l'asso, eh?", 2, 22, 1550});
}

Commento CinqueDiCuori(int n) {
    return n == 1 ? Zeb({44, "Il Cinque è mio!", 3, 21, 1500})
                  : Zeb({43, "Questi cuoricini sono miei!!", 1, 21, 2100});
}

Commento UltimaCattura(Player chi, bool piuCarte, bool toggle) {
    if (chi == Player::PC) {
        if (!piuCarte) return Zeb({20, "Mia!!", 3, 21, 495});
        return toggle ? Zeb({21, "Queste sono mie!!", 2, 21, 1290})
                      : Zeb({22, "Le prendo io!!", 3, 21, 1290});
    }
    if (!piuCarte) return Zeb({23, "Tua!", 3, 20, 445});
    return toggle ? Zeb({25, "...prendile!!", 3, 20, 765}) : Zeb({24, "Sono tue!", 3, 20, 890});
}

Commento Mmmh() {
    return Zeb({50, "Mmmh...", 3, 2, 0});
}
Commento HoVinto() {
    return Zeb({46, "Ho vinto, figliolo!!", 2, 16, 0});
}
Commento MiHaiFregato() {
    return Zeb({45, "Mi hai fregato, eh??", 2, 17, 0});
}
Commento NonCantareVittoria() {
    return Zeb({49, "Non cantare vittoria troppo presto!", 1, 15, 0});
}
Commento EUno() {
    return Zeb({47, "E uno!!", 3, 13, 0});
}
Commento EDue() {
    return Zeb({48, "E due!!", 3, 14, 0});
}

Commento Saluto(int n) {
    return n == 1 ? Zeb({26, "A presto, figliolo!!", 2, 19, 0})
                  : Zeb({27, "Ti saluto!!", 3, 19, 0});
}

Commento BravoRestaQui() {
    return Zeb({3, "Bravo!", 3, 18, 700});
}

std::string SplashVoice(int n) {
    return assets::ZebVoice(kRigheSplash[static_cast<size_t>(std::clamp(n, 1, 4) - 1)].voce);
}

std::vector<VoiceLine> VoiceLines() {
    std::vector<VoiceLine> lines(50);
    for (int n = 1; n <= 50; ++n) lines[static_cast<size_t>(n - 1)].file = assets::ZebVoice(n);
    const auto add = [&lines](const Commento& c, int limite) {
        for (VoiceLine& l : lines) {
            if (l.file != c.voce) continue;
            if (l.testo.empty()) l.testo = c.testo;
            l.limiteMs = l.limiteMs == 0 ? limite : std::min(l.limiteMs, limite);
        }
    };
    for (const Riga& r : kRigheGnammH) add(Zeb(r), r.durataMs);
    for (const Riga& r : kRigheGnammPCinf4) add(Zeb(r), r.durataMs);
    for (const Riga& r : kRigheGnammPCsup4) add(Zeb(r), r.durataMs);
    for (const gnamm::Livello l :
         {gnamm::Livello::Honest, gnamm::Livello::Cunning, gnamm::Livello::Cheat}) {
        add(Livello(l), Livello(l).durataMs);
    }
    for (const Commento& c : {Gioca(), Rimprovero(), AssoBevuto(1), AssoBevuto(2), CinqueDiCuori(1),
                              CinqueDiCuori(2), BravoRestaQui()}) {
        add(c, c.durataMs);
    }
    for (const Player chi : {Player::PC, Player::H}) {
        for (const bool piu : {false, true}) {
            for (const bool toggle : {false, true}) {
                const Commento c = UltimaCattura(chi, piu, toggle);
                add(c, c.durataMs);
            }
        }
    }
    for (const Commento& c :
         {Mmmh(), HoVinto(), MiHaiFregato(), NonCantareVittoria(), EUno(), EDue()}) {
        add(c, speeds::kVoceSenzaDurata);
    }
    add(Saluto(1), speeds::kVoceCongedo);
    add(Saluto(2), speeds::kVoceCongedo);
    for (const RigaSplash& s : kRigheSplash)
        add({assets::ZebVoice(s.voce), s.testo, {}, {}, 0}, s.pausaMs);

    for (const Riga& r : kRigheImpazienza) {
        lines.push_back({assets::ImpatienceVoice(r.voce), r.testo, r.durataMs});
    }
    return lines;
}

}  // namespace gnamm::remarks
