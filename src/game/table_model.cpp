#include "game/table_model.h"

#include "game/game.h"
#include "rules/capture_rules.h"

namespace gnamm {

namespace {
bool PostoValido(int place) {
    return place >= 0 && place < kNumeroPosti;
}
}  // namespace

void MostraCarta(Game& g, int place, Card card) {
    if (!PostoValido(place)) return;
    PostoCarta& posto = g.posti[static_cast<std::size_t>(place)];
    // No card keeps what the place shows: a back stays a back.
    if (card.empty() && posto.inVista()) return;
    posto.carta = card;
    posto.mostra = Lato::Faccia;
}

void MostraRetro(Game& g, int place) {
    if (!PostoValido(place)) return;
    PostoCarta& posto = g.posti[static_cast<std::size_t>(place)];
    posto.carta = g.tavolo.carta[static_cast<std::size_t>(place)];
    posto.mostra = Lato::Dorso;
}

void MostraMazzo(Game& g, bool mostra) {
    g.posti[kPostoMazzo].mostra = mostra ? Lato::Dorso : Lato::Niente;
}

void AggiornaValoriRimasti(TableState& t, Card card) {
    if (card.empty()) return;
    int& rimasti = t.valoriRimasti[card.valore()];
    // Each card is announced once; a count below zero would only mislead the computer.
    if (rimasti > 0) --rimasti;
}

void VerificaAssoInTavola(TableState& t) {
    t.assoInTavola = CeAssoInTavola(t.carta);
}

int TrovaPosizioneLibera(const TableState& t) {
    return PrimoPostoLibero(t.carta);
}

void SvuotaPosto(Game& g, int place) {
    if (!PostoValido(place)) return;
    g.tavolo.carta[place] = Card();
    g.posti[static_cast<std::size_t>(place)] = PostoCarta{};
}

void NuovoGioco(Game& g) {
    TableState& t = g.tavolo;
    t.carteDaGiocare.fill(Card());
    t.distribuita.fill(false);
    t.presaDalMescolatore.fill(false);
    for (const int i : kPostiTavolo) SvuotaPosto(g, i);
    // The hands are empty at the end of a Gioco; a Gioco given up half-way must not leave its
    // cards behind for the next deal.
    for (int i = 1; i <= 6; ++i) SvuotaPosto(g, i);
    t.carteInManoAPC = 0;
    t.carteInManoAdH = 0;
    t.contatoreCartaDaEstrarre = 1;
    t.carteRimasteNelMazzo = 40;
    for (int v = 1; v <= 10; ++v) t.valoriRimasti[v] = 4;
    t.manche = 0;
    t.numeroCarteGiocate = 0;
    t.numeroCarteSulTavolo = 0;
    t.posizioneInserimentoCarta = 0;
    g.umano = HumanTurnState{};
    g.mucchi = Mucchi{};
}

}  // namespace gnamm
