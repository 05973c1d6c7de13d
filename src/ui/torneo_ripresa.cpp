// Saving the Torneo from the window, and the question that offers a saved one back.
#include "ui/torneo_ripresa.h"

#include "audio/music.h"
#include "game/hall_of_fame.h"
#include "persona/comments.h"
#include "save/torneo_file.h"
#include "ui/finestra.h"
#include "ui/options_panel.h"
#include "ui/panels_layout.h"

namespace gnamm {

namespace {

constexpr std::size_t kPannelloUscita = 1;
constexpr std::size_t kPannelloLivello = 4;
constexpr std::size_t kTitoloUscita = 14;  // lblRegole(14): the exit panel's question

void ChiudiDomanda(Finestra& f) {
    Screen& s = f.screen;
    s.FraPannello[kPannelloUscita].visible = false;
    s.lblRegole[kTitoloUscita].text = std::string(kDomandaUscita);
    s.lblCopriCarte.visible = false;
    f.torneoInSospeso.reset();
}

// The game's position, which changes only with a move or a step of the game. What goes on
// while the human only thinks is left out: the timers' remaining times, the music countdown and
// the saloon sounds with their draws, Zeb's urging and the keyboard's focus. Two moments with
// the same print need one save.
std::string Impronta(TorneoSalvato s) {
    s.timer.clear();
    s.casuale.clear();
    s.suoni = SoundState{};
    s.spia = SpiaSuoni{};
    s.zeb.reset();
    s.umano.fuoco = 0;
    return TorneoInJson(s);
}

// The screen parts the options decide, as Avvio drew them from the settings file; the saved
// options may differ (random colours and backs are drawn afresh at every start).
void MostraOpzioniRipristinate(Finestra& f) {
    ApplicaColoreTavolo(f);
    MostraOpzioni(f);
}

}  // namespace

void SalvaAlMomentoTranquillo(Finestra& f) {
    Game& g = f.game;
    if (!f.salvaTorneo || f.pannelli.congedo || f.torneoInSospeso) return;
    if (!MomentoTranquillo(g) || g.paths.data.empty()) return;
    const TorneoSalvato s = FotografaTorneo(g, f.zeb, f.suoni);
    std::string impronta = Impronta(s);
    if (impronta == f.ultimoSalvato) return;
    // A failed write is said once and tried again at the next moment, not at every frame.
    ScriviTorneo(g.paths.data, s, g.avvisi, f.custodiaTorneo);
    f.ultimoSalvato = std::move(impronta);
}

void TieniNome(Finestra& f) {
    Game& g = f.game;
    if (g.paths.data.empty()) return;
    f.nomeInUso = data::NomeInUso::Prendi(g.paths.data, g.nome);
    if (f.nomeInUso) return;
    f.custodiaTorneo.scrivibile = false;
    g.avvisi.aggiungi("Il nome " + g.nome +
                          " è già in gioco in un'altra finestra di Gnamm: il suo Torneo in "
                          "sospeso resta a quella, e qui il Torneo non verrà salvato.",
                      "the name " + g.nome +
                          " is played in another copy of the game: its saved Torneo is left to "
                          "that copy, and this one saves none");
}

bool OffriRipresa(Finestra& f) {
    Game& g = f.game;
    Screen& s = f.screen;
    if (s.FraSplash.visible || g.paths.data.empty()) return false;
    f.torneoInSospeso = CaricaTorneoSalvato(g.paths.data, g.nome, g.avvisi, f.custodiaTorneo);
    if (!f.torneoInSospeso) return false;
    // The exit panel with its two aces, asking another question.
    s.FraPannello[kPannelloLivello].visible = false;
    s.FraPannello[kPannelloUscita].back = s.windowBack;
    s.FraPannello[kPannelloUscita].visible = true;
    s.lblRegole[kTitoloUscita].text = std::string(kDomandaRipresa);
    s.ImgEsci[0].picture = "\\Carte\\Ap.jpg";
    s.ImgEsci[1].picture = "\\Carte\\Ac.jpg";
    f.pannelli.esciCaricate = true;
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.visible = true;
    return true;
}

void RispostaRipresa(Finestra& f, bool riprendi) {
    Game& g = f.game;
    if (!f.torneoInSospeso) return;
    if (!riprendi) {
        CancellaTorneoSalvato(g, f.custodiaTorneo);
        ChiudiDomanda(f);
        f.screen.FraPannello[kPannelloLivello].visible = true;
        return;
    }
    const TorneoSalvato salvato = *f.torneoInSospeso;
    ChiudiDomanda(f);
    RiprendiTorneo(g, f.zeb, f.suoni, salvato);
    MostraOpzioniRipristinate(f);
    // As closing the level choice leaves the table, without dealing.
    f.pannelli.livelloEvidenziato = g.livello;
    f.screen.lblRegole[17].visible = true;
    g.dimenticaVincitore();
    if (!salvato.zeb) MostraFotoLivello(f.zeb);  // a save of before kept no photo
    RiprendiMusica(f.suoni);
    f.ultimoSalvato = Impronta(salvato);
}

}  // namespace gnamm
