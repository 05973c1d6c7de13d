#include "game/ai/move_list.h"

namespace gnamm {

namespace {

class Elenco {
  public:
    Elenco(const TableState& t, Ricerca& r, ListaMosse& lista) : t_(t), r_(r), lista_(lista) {}

    void aggiungi(int posto, const int* posizioni, int quante, bool gnamm) {
        if (libera_ > kMaxMosse) return;  // the list is full: the move is dropped
        Mossa& m = lista_.mosse[libera_++];
        m.posto = posto;
        m.numeroCatturate = quante;
        for (int k = 0; k < quante; ++k) m.catturate[k] = posizioni[k];
        m.gnamm = gnamm;
    }

    int valore(int posizione) const { return t_.valore(r_.posto(posizione)); }

    // Every set of k positions in lexicographic order whose values add up to v. Since every
    // value is at least 1, a prefix that already reaches v cannot be completed, which prunes
    // without changing the order of what is found.
    void somme(int posto, int v, int k, bool gnamm) {
        int scelte[5] = {};
        cerca(posto, v, k, 0, 1, 0, scelte, gnamm);
    }

  private:
    void cerca(int posto, int v, int k, int livello, int da, int somma, int* scelte, bool gnamm) {
        const int n = r_.numeroCarteDaEsaminare;
        if (livello == k) {
            if (somma == v) {
                ++r_.combinazioni;
                aggiungi(posto, scelte, k, gnamm);
            }
            return;
        }
        const int resto = k - livello - 1;  // cards still to pick after this one
        for (int i = da; i <= n - resto; ++i) {
            const int s = somma + valore(i);
            if (s + resto > v) continue;
            scelte[livello] = i;
            cerca(posto, v, k, livello + 1, i + 1, s, scelte, gnamm);
        }
    }

    const TableState& t_;
    Ricerca& r_;
    ListaMosse& lista_;
    int libera_ = 1;
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
    lista = ListaMosse{};
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

    Elenco elenco(t, r, lista);
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
            for (int k = 2; k <= 5 && k <= n; ++k) elenco.somme(h, v, k, k == n);
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
