#include "rules/capture_rules.h"

#include <algorithm>

namespace gnamm {

namespace {

// The largest combination the sum search tries.
constexpr int kMassimoCarteSomma = 5;

// Walks every combination of 2 to 5 table cards of value below v that adds up to v: sizes in
// turn, each in lexicographic order of the candidates (the table places in search order),
// which is the order of the nested loops the rule describes. `trovata(posti, k)` hears each.
// No allocation: the rule is asked at every card the human plays.
template <class Trovata>
void PerOgniSomma(const CartePosti& carte, int v, Trovata&& trovata) {
    std::array<int, kPostiTavolo.size()> posti{};
    std::array<int, kPostiTavolo.size()> valori{};
    int n = 0;
    for (const int i : kPostiTavolo) {
        if (!carte[i].empty() && carte[i].valore() < v) {
            posti[static_cast<size_t>(n)] = i;
            valori[static_cast<size_t>(n++)] = carte[i].valore();
        }
    }
    std::array<int, kMassimoCarteSomma> scelti{};
    // Depth-first over the candidates from `da`; `manca` is what the picks still have to add.
    const auto cerca = [&](auto&& self, int da, int livello, int k, int manca) -> void {
        if (livello == k) {
            if (manca == 0) trovata(scelti.data(), k);
            return;
        }
        const int resto = k - livello - 1;  // cards to pick after this one
        for (int i = da; i < n - resto; ++i) {
            const int dopo = manca - valori[static_cast<size_t>(i)];
            if (dopo < resto) continue;  // every card is worth at least 1
            scelti[static_cast<size_t>(livello)] = posti[static_cast<size_t>(i)];
            self(self, i + 1, livello + 1, k, dopo);
        }
    };
    for (int k = 2; k <= kMassimoCarteSomma && k <= n; ++k) cerca(cerca, 0, 0, k, v);
}

DecisionePresa DecidiAsso(const CartePosti& carte) {
    DecisionePresa d;
    const int n = ContaCarteSulTavolo(carte);
    if (n == 0) {
        d.esito = EsitoPresa::Deposita;
        d.assoBevuto = true;
        return d;
    }
    d.esito = EsitoPresa::Presa;
    if (n >= 2 && CeAssoInTavola(carte)) {
        for (const int i : kPostiTavolo) {
            if (carte[i].isAce()) {
                d.marcate[i] = true;
                break;
            }
        }
        d.assoBevuto = true;
        return d;
    }
    // One card, whatever it is, or a table without an ace: the ace sweeps it.
    for (const int i : kPostiTavolo) d.marcate[i] = !carte[i].empty();
    return d;
}

}  // namespace

int ContaCarteSulTavolo(const CartePosti& carte) {
    return static_cast<int>(std::count_if(kPostiTavolo.begin(), kPostiTavolo.end(),
                                          [&](int i) { return !carte[i].empty(); }));
}

bool CeAssoInTavola(const CartePosti& carte) {
    return std::any_of(kPostiTavolo.begin(), kPostiTavolo.end(),
                       [&](int i) { return carte[i].isAce(); });
}

int PrimoPostoLibero(const CartePosti& carte) {
    for (const int i : kPostiTavolo) {
        if (carte[i].empty()) return i;
    }
    return 0;
}

std::vector<std::vector<int>> CombinazioniSomma(const CartePosti& carte, int v) {
    std::vector<std::vector<int>> trovate;
    PerOgniSomma(carte, v, [&](const int* posti, int k) { trovate.emplace_back(posti, posti + k); });
    return trovate;
}

DecisionePresa DecidiPresa(const CartePosti& carte, Card giocata) {
    if (giocata.empty()) return {};
    if (giocata.isAce()) return DecidiAsso(carte);

    DecisionePresa d;
    const int v = giocata.valore();
    for (const int i : kPostiTavolo) {
        if (!carte[i].empty() && carte[i].valore() == v) {
            ++d.stessoValore;
            d.marcate[i] = true;
        }
    }
    if (d.stessoValore == 1) {
        d.esito = EsitoPresa::Presa;
        return d;
    }
    if (d.stessoValore >= 2) {
        d.esito = EsitoPresa::SceltaUguali;
        return d;
    }

    PerOgniSomma(carte, v, [&d](const int* posti, int k) {
        ++d.possibilitaDiPresa;
        for (int j = 0; j < k; ++j) d.marcate[static_cast<size_t>(posti[j])] = true;
    });
    switch (d.possibilitaDiPresa) {
        case 0:
            d.esito = EsitoPresa::Deposita;
            break;
        case 1:
            d.esito = EsitoPresa::Presa;
            break;
        default:
            d.esito = EsitoPresa::SceltaSomma;
            break;
    }
    return d;
}

bool PresaAmmessa(const CartePosti& carte, Card giocata, const std::vector<int>& prese) {
    std::vector<int> ordinate = prese;
    std::sort(ordinate.begin(), ordinate.end());
    if (std::adjacent_find(ordinate.begin(), ordinate.end()) != ordinate.end()) return false;
    for (const int i : ordinate) {
        if (i < 0 || i >= kNumeroPosti || !IsPostoTavolo(i) || carte[i].empty()) return false;
    }

    const DecisionePresa d = DecidiPresa(carte, giocata);
    auto esattamenteMarcate = [&] {
        std::array<bool, kNumeroPosti> scelte{};
        for (const int i : ordinate) scelte[i] = true;
        return scelte == d.marcate;
    };
    switch (d.esito) {
        case EsitoPresa::Deposita:
            return ordinate.empty();
        case EsitoPresa::Presa:
            return esattamenteMarcate();
        case EsitoPresa::SceltaUguali:
            return ordinate.size() == 1 && d.marcate[ordinate[0]];
        case EsitoPresa::SceltaSomma: {
            if (ordinate.size() < 2) return false;
            int somma = 0;
            for (const int i : ordinate) somma += carte[i].valore();
            return somma == giocata.valore();
        }
    }
    return false;
}

}  // namespace gnamm
