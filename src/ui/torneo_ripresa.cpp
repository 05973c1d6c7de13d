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

void ChiudiDomanda(Finestra& g) {
    Screen& s = g.screen;
    s.FraPannello[kPannelloUscita].visible = false;
    s.lblRegole[kTitoloUscita].text = std::string(kDomandaUscita);
    s.lblCopriCarte.visible = false;
    g.torneoInSospeso.reset();
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
void MostraOpzioniRipristinate(Finestra& g) {
    ApplicaColoreTavolo(g);
    ApplicaColoreCarte(g);
    MostraRetroMazzo(g);
    MostraOpzioni(g);
}

}  // namespace

void SalvaAlMomentoTranquillo(Finestra& g) {
    if (!g.salvaTorneo || g.pannelli.congedo || g.torneoInSospeso) return;
    if (!MomentoTranquillo(g) || g.paths.data.empty()) return;
    const TorneoSalvato s = FotografaTorneo(g, g.zeb, g.suoni);
    std::string impronta = Impronta(s);
    if (impronta == g.ultimoSalvato) return;
    // A failed write is said once and tried again at the next moment, not at every frame.
    ScriviTorneo(g.paths.data, s, g.avvisi, g.custodiaTorneo);
    g.ultimoSalvato = std::move(impronta);
}

void TieniNome(Finestra& g) {
    if (g.paths.data.empty()) return;
    g.nomeInUso = data::NomeInUso::Prendi(g.paths.data, g.nome);
    if (g.nomeInUso) return;
    g.custodiaTorneo.scrivibile = false;
    g.avvisi.aggiungi("Il nome " + g.nome +
                          " è già in gioco in un'altra finestra di Gnamm: il suo Torneo in "
                          "sospeso resta a quella, e qui il Torneo non verrà salvato.",
                      "the name " + g.nome +
                          " is played in another copy of the game: its saved Torneo is left to "
                          "that copy, and this one saves none");
}

bool OffriRipresa(Finestra& g) {
    Screen& s = g.screen;
    if (s.FraSplash.visible || g.paths.data.empty()) return false;
    g.torneoInSospeso = CaricaTorneoSalvato(g.paths.data, g.nome, g.avvisi, g.custodiaTorneo);
    if (!g.torneoInSospeso) return false;
    // The exit panel with its two aces, asking another question.
    s.FraPannello[kPannelloLivello].visible = false;
    s.FraPannello[kPannelloUscita].back = s.windowBack;
    s.FraPannello[kPannelloUscita].visible = true;
    s.lblRegole[kTitoloUscita].text = std::string(kDomandaRipresa);
    s.ImgEsci[0].picture = "\\Carte\\Ap.jpg";
    s.ImgEsci[1].picture = "\\Carte\\Ac.jpg";
    g.pannelli.esciCaricate = true;
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.visible = true;
    return true;
}

void RispostaRipresa(Finestra& g, bool riprendi) {
    if (!g.torneoInSospeso) return;
    if (!riprendi) {
        CancellaTorneoSalvato(g, g.custodiaTorneo);
        ChiudiDomanda(g);
        g.screen.FraPannello[kPannelloLivello].visible = true;
        return;
    }
    const TorneoSalvato salvato = *g.torneoInSospeso;
    ChiudiDomanda(g);
    RiprendiTorneo(g, g.zeb, g.suoni, salvato);
    MostraOpzioniRipristinate(g);
    // As closing the level choice leaves the table, without dealing.
    g.pannelli.livelloEvidenziato = g.livello;
    g.screen.lblRegole[17].visible = true;
    g.classifica.lampeggia = 0;
    g.classifica.inserimentoVincitore = kRigaNessuna;
    if (!salvato.zeb) MostraFotoLivello(g.zeb);  // a save of before kept no photo
    RiprendiMusica(g.suoni);
    g.ultimoSalvato = Impronta(salvato);
}

}  // namespace gnamm
