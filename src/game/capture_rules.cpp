#include "game/capture_rules.h"

#include <algorithm>

namespace gnamm {

namespace {

// The largest combination the sum search tries.
constexpr int kMassimoCarteSomma = 5;

// Table places holding a card of value below v, in search order (CartaOrdinata).
std::vector<int> CandidatiSomma(const CartePosti& carte, int v) {
    std::vector<int> candidati;
    for (const int i : kPostiTavolo) {
        if (!carte[i].empty() && carte[i].valore() < v) candidati.push_back(i);
    }
    return candidati;
}

// Walks every k-subset of the candidates in lexicographic order of their indices, which is
// the order of the nested loops the rule describes.
void CercaDiTaglia(const CartePosti& carte, const std::vector<int>& candidati, int v, int k,
                   std::vector<std::vector<int>>& trovate) {
    const int n = static_cast<int>(candidati.size());
    if (k > n) return;
    std::vector<int> idx(k);
    for (int i = 0; i < k; ++i) idx[i] = i;
    while (true) {
        int somma = 0;
        for (const int i : idx) somma += carte[candidati[i]].valore();
        if (somma == v) {
            std::vector<int> combinazione;
            for (const int i : idx) combinazione.push_back(candidati[i]);
            trovate.push_back(std::move(combinazione));
        }
        int pos = k - 1;
        while (pos >= 0 && idx[pos] == n - k + pos) --pos;
        if (pos < 0) return;
        ++idx[pos];
        for (int j = pos + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
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
    const std::vector<int> candidati = CandidatiSomma(carte, v);
    if (candidati.size() < 2) return trovate;
    for (int k = 2; k <= kMassimoCarteSomma; ++k) CercaDiTaglia(carte, candidati, v, k, trovate);
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

    const auto combinazioni = CombinazioniSomma(carte, v);
    d.possibilitaDiPresa = static_cast<int>(combinazioni.size());
    for (const auto& c : combinazioni) {
        for (const int i : c) d.marcate[i] = true;
    }
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
