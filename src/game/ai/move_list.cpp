#include "game/ai/move_list.h"

#include <array>

namespace gnamm {

namespace {

// The sums a capture can reach: a hand card is worth at most 10.
constexpr int kSommaMassima = 10;
constexpr int kMaxCarteSomma = 5;

class Elenco {
  public:
    // `n` positions of the prepared search are examined.
    Elenco(const TableState& t, Ricerca& r, ListaMosse& lista, int n) : r_(r), lista_(lista), n_(n) {
        for (int i = 1; i <= n; ++i) valori_[i] = t.valore(r.posto(i));
    }

    void aggiungi(int posto, const int* posizioni, int quante, bool gnamm) {
        if (libera_ > kMaxMosse) return;  // the list is full: the move is dropped
        Mossa& m = lista_.mosse[libera_++];
        m.posto = posto;
        m.numeroCatturate = quante;
        for (int k = 0; k < quante; ++k) m.catturate[k] = posizioni[k];
        m.gnamm = gnamm;
    }

    int valore(int posizione) const { return valori_[posizione]; }

    // Every set of k positions in lexicographic order whose values add up to v.
    void somme(int posto, int v, int k, bool gnamm) {
        if (!raggiungibiliPronti_) preparaRaggiungibili();
        int scelte[kMaxCarteSomma] = {};
        cerca(posto, v, k, 0, 1, 0, scelte, gnamm);
    }

  private:
    // raggiungibili_[i][k]: bit s set when some k positions among i..n add up to s. The walk
    // below enters a branch only when it can still be completed, so its cost follows the
    // number of combinations found rather than the number of subsets. Built the first time a
    // card finds no single card of its value (most searches never need it).
    void preparaRaggiungibili() {
        constexpr unsigned kSomme = (2u << kSommaMassima) - 1;
        raggiungibili_[n_ + 1].fill(0);
        raggiungibili_[n_ + 1][0] = 1;
        for (int i = n_; i >= 1; --i) {
            raggiungibili_[i][0] = 1;
            for (int k = 1; k <= kMaxCarteSomma; ++k) {
                raggiungibili_[i][k] =
                    raggiungibili_[i + 1][k] | ((raggiungibili_[i + 1][k - 1] << valori_[i]) & kSomme);
            }
        }
        raggiungibiliPronti_ = true;
    }

    void cerca(int posto, int v, int k, int livello, int da, int somma, int* scelte, bool gnamm) {
        if (libera_ > kMaxMosse) {
            // The list is full: what is left is only counted.
            r_.combinazioni += modi(da, k - livello, v - somma);
            return;
        }
        if (livello == k) {
            ++r_.combinazioni;
            aggiungi(posto, scelte, k, gnamm);
            return;
        }
        const int resto = k - livello - 1;  // cards still to pick after this one
        for (int i = da; i <= n_ - resto; ++i) {
            const int manca = v - somma - valori_[i];
            if (manca < 0 || !(raggiungibili_[i + 1][resto] >> manca & 1u)) continue;
            scelte[livello] = i;
            cerca(posto, v, k, livello + 1, i + 1, somma + valori_[i], scelte, gnamm);
        }
    }

    // How many sets of k positions among da..n add up to s; the table is filled the first
    // time a full list needs it.
    int modi(int da, int k, int s) {
        if (!modiPronti_) {
            modi_[n_ + 1] = Modi{};
            modi_[n_ + 1][0][0] = 1;
            for (int i = n_; i >= 1; --i) {
                modi_[i] = modi_[i + 1];
                for (int q = 1; q <= kMaxCarteSomma; ++q) {
                    for (int t = valori_[i]; t <= kSommaMassima; ++t) {
                        modi_[i][q][t] += modi_[i + 1][q - 1][t - valori_[i]];
                    }
                }
            }
            modiPronti_ = true;
        }
        return s < 0 || s > kSommaMassima ? 0 : modi_[da][k][s];
    }

    Ricerca& r_;
    ListaMosse& lista_;
    const int n_;
    int libera_ = 1;
    std::array<int, kMaxCarteRicerca + 2> valori_{};
    std::array<std::array<unsigned, kMaxCarteSomma + 1>, kMaxCarteRicerca + 2> raggiungibili_;
    bool raggiungibiliPronti_ = false;  // rows 1..n+1 are filled before use
    using Modi = std::array<std::array<int, kSommaMassima + 1>, kMaxCarteSomma + 1>;
    std::array<Modi, kMaxCarteRicerca + 2> modi_;  // rows da..n+1 are filled before use
    bool modiPronti_ = false;
};

}  // namespace

void PreparaRicerca(const TableState& t, Ricerca& r) {
    r = Ricerca{};
    int n = 0;
    for (const int p : kPostiTavolo) {
        if (!t.carta[p].empty()) r.cartaOrdinata[++n] = p;
    }
}

void SvuotaLista(ListaMosse& lista) {
    // The list is only ever filled from the front (Elenco::aggiungi, always with a hand
    // place), so everything from the first free entry on is clear already: a search clears
    // a few entries instead of all thirty.
    for (int m = 1; m <= kMaxMosse && !lista.mosse[m].libera(); ++m) lista.mosse[m] = Mossa{};
    lista.mosse[0] = Mossa{};
    lista.mossePossibili = 0;
}

void TrovaCombinazioni(const TableState& t, const std::array<int, 3>& mano, Ricerca& r,
                       ListaMosse& lista) {
    SvuotaLista(lista);
    int n = 0;
    int somma = 0;
    while (n < kMaxCarteRicerca && r.cartaOrdinata[n + 1] != 0) {
        ++n;
        somma += t.valore(r.cartaOrdinata[n]);
    }
    r.numeroCarteDaEsaminare = n;
    r.sommaValoriSulTavolo = somma;

    Elenco elenco(t, r, lista, n);
    int tutte[kMaxCarteRicerca];
    for (int k = 0; k < kMaxCarteRicerca; ++k) tutte[k] = k + 1;

    for (const int h : mano) {
        const int v = h > 0 ? t.valore(h) : 0;
        if (v == 0) continue;
        // The table's own count of cards is the one the search lists; using it keeps a
        // stale NumeroCarteSulTavolo from steering the search past the list.
        if (v == 1) {
            if (n == 0) {
                elenco.aggiungi(h, nullptr, 0, false);  // Asso bevuto
            } else if (n == 1) {
                elenco.aggiungi(h, tutte, 1, true);
            } else if (t.assoInTavola) {
                int asso = 0;
                for (int j = 1; j <= n && asso == 0; ++j) {
                    if (elenco.valore(j) == 1) asso = j;
                }
                // Without an ace actually on the table the flag is stale: sweep, as the
                // rule for a table without an ace says.
                if (asso != 0) {
                    elenco.aggiungi(h, &asso, 1, false);
                } else {
                    elenco.aggiungi(h, tutte, n, true);
                }
            } else {
                elenco.aggiungi(h, tutte, n, true);
            }
            continue;
        }
        if (n == 0) {
            elenco.aggiungi(h, nullptr, 0, false);
            continue;
        }
        r.combinazioni = 0;
        for (int j = 1; j <= n; ++j) {
            if (elenco.valore(j) == v) {
                ++r.combinazioni;
                elenco.aggiungi(h, &j, 1, n == 1);
            }
        }
        if (r.combinazioni == 0) {
            for (int k = 2; k <= kMaxCarteSomma && k <= n; ++k) elenco.somme(h, v, k, k == n);
        }
        if (r.combinazioni == 0) elenco.aggiungi(h, nullptr, 0, false);
    }

    lista.mossePossibili = 0;
    for (int m = 1; m <= kMaxMosse && !lista.mosse[m].libera(); ++m) ++lista.mossePossibili;
}

void TrovaCombinazioniPC(const TableState& t, Ricerca& r, ListaMosse& lista) {
    TrovaCombinazioni(t, {1, 2, 3}, r, lista);
}

}  // namespace gnamm
