#include "game/table_model.h"

#include "data/asset_catalog.h"
#include "rules/capture_rules.h"
#include "game/game.h"

namespace gnamm {

namespace {
bool PostoValido(int place) {
    return place >= 0 && place < kNumeroPosti;
}
}  // namespace

void MostraCarta(Game& g, int place, Card card) {
    if (!PostoValido(place)) return;
    if (!card.empty()) g.vista.ImgCarta[place].picture = assets::CardFace(card);
    g.vista.ShpCarta[place].visible = true;
    g.vista.ImgCarta[place].visible = true;
}

Rgb ColoreMat(ColoreCarte c) {
    switch (c) {
        case ColoreCarte::Green:
            return {65, 137, 92};
        case ColoreCarte::Blue:
            return {69, 122, 154};
        case ColoreCarte::Turquoise:
            return {0, 128, 128};
        case ColoreCarte::Grey:
            return {128, 128, 128};
    }
    return {69, 122, 154};
}

void MostraRetro(Game& g, int place) {
    if (!PostoValido(place)) return;
    // Horse, Star, Rhombs, America; the list is built once, not at every card dealt.
    static const auto retri = assets::CardBacks();
    int indice = 0;
    switch (g.opzioni.retroCarte) {
        case Retro::Horse:
            indice = 0;
            break;
        case Retro::Star:
            indice = 1;
            break;
        case Retro::Rhombs:
            indice = 2;
            break;
        case Retro::America:
            indice = 3;
            break;
    }
    g.vista.ImgCarta[place].picture = retri[indice];
    Aspetto& mat = g.vista.ShpCarta[place];
    mat.back = ColoreMat(g.opzioni.coloreCarte);
    mat.opaque = true;
    mat.visible = true;
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
    g.vista.ImgCarta[place].picture.clear();
    g.vista.ImgCarta[place].visible = false;
    g.vista.ShpCarta[place].visible = false;
    g.vista.ShpContornoCarta[place].visible = false;
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
}

}  // namespace gnamm
