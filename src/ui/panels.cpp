// The rules, exit and level-choice panels, the bar captions and the side boxes.
#include "ui/panels.h"

#include <array>
#include <string>

#include "audio/sounds.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/hall_of_fame.h"
#include "game/speeds.h"
#include "game/table_model.h"
#include "persona/comments.h"
#include "persona/remarks.h"
#include "ui/options_panel.h"
#include "ui/rules_text.h"
#include "ui/scaling.h"

namespace gnamm {

namespace {

constexpr int kPannelloUscita = 1;
constexpr int kPannelloLivello = 4;
constexpr int kPannelliDellaBarra = 3;

Element& Pannello(Game& g, int k) {
    return g.screen.FraPannello[static_cast<std::size_t>(k)];
}
Element& Voce(Game& g, int k) {
    return g.screen.lblPannelli[static_cast<std::size_t>(k)];
}

// The level panel's order: photo and name i are 'Cheat', 'Cunning', 'Honest' Zeb.
constexpr std::array<Livello, 3> kLivelli = {Livello::Cheat, Livello::Cunning, Livello::Honest};
constexpr std::array<const char*, 3> kFotoLivello = {"\\Foto\\Foto23.jpg", "\\Foto\\Foto24.jpg",
                                                     "\\Foto\\Foto18.jpg"};

int IndiceLivello(Livello l) {
    for (std::size_t i = 0; i < kLivelli.size(); ++i) {
        if (kLivelli[i] == l) return static_cast<int>(i);
    }
    return -1;
}

// Every timer that moves cards, scores or speaks for the table.
constexpr std::array<Timer, 14> kTimerDelGioco = {
    Timer::Scegli4CarteSulTavolo,
    Timer::Scegli6Carte,
    Timer::MuoviHAutomatico,
    Timer::ScompaionoCarteH,
    Timer::Presa,
    Timer::RitardoMossaPC,
    Timer::EffettuaMossaPC,
    Timer::UltimeCarte,
    Timer::DurataGnammH,
    Timer::AssoBevuto,
    Timer::Impazienza,
    Timer::DurataImpazienza,
    Timer::Carta,
    Timer::Rumoregioco,
};

// True when cards have left the deck, or are on their way: the Gioco would have to be
// abandoned before a new shuffle.
bool TavoloInUso(const Game& g) {
    if (g.tavolo.carteRimasteNelMazzo != 40) return true;
    if (g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo) ||
        g.scheduler.isEnabled(Timer::Scegli6Carte)) {
        return true;
    }
    for (int p = 1; p < kNumeroPosti; ++p) {
        if (!g.tavolo.carta[static_cast<std::size_t>(p)].empty()) return true;
    }
    return false;
}

// A level chosen during a Gioco replays the Gioco from a fresh deal: every card goes back to
// the deck, the Gioco's points leave the Partita, and no timer of the old Gioco can fire into
// the new one. The dealer and the Gioco number stay.
void AbbandonaGioco(Game& g) {
    for (const Timer t : kTimerDelGioco) g.scheduler.disable(t);
    ChiudiSuoni(g);
    for (int p = 1; p < kNumeroPosti; ++p) SvuotaPosto(g, p);
    NuovoGioco(g);
    for (Colonna* c : {&g.punteggi.pc, &g.punteggi.h}) c->puntiPartita -= c->puntiGiocoInCorso;
    AzzeraTabellone(g.punteggi);
    g.punteggi.pc.puntiGiocoInCorso = 0;
    g.punteggi.h.puntiGiocoInCorso = 0;
    g.partita.esito = EsitoGioco::InCorso;
    g.pc.ricerca = Ricerca{};
    g.pc.lista = ListaMosse{};
    g.pc.valutazione = Valutazione{};
    g.pc.scelta = Scelta{};
    g.pc.mossaScelta = false;
    g.pc.cartaPCInEsame = 0;
    g.pc.marcaPresaPC.fill(false);
    g.pc.cinqueDiCuoriInPresa = false;
    g.pc.inPausa = false;
    g.tavolo.aChiTocca = Player::PC;
    g.tavolo.assoInTavola = false;
    g.suoni.spia.busy = false;
    Screen& s = g.screen;
    s.FraQuando.visible = false;
    s.ImgManina.visible = false;
    s.lblCommenti.visible = false;
    s.ImgFumetto.visible = false;
    s.lblIstruzioni.text.clear();
    s.ImgCarta[kPostoMazzo].visible = true;
    s.ShpCarta[kPostoMazzo].visible = true;
}

// Nonno Zeb's "Bravo!" when the player stays; without his voice, the click or nothing.
void RestaInGioco(Game& g) {
    if (g.opzioni.commentiZeb) {
        MostraCommento(g, remarks::BravoRestaQui(), true);
    } else if (g.opzioni.rumoriCarte) {
        SuonoClic(g);
    } else {
        g.suoni.spia.busy = false;
    }
}

}  // namespace

void ScegliLivello(Game& g, Livello l) {
    const int i = IndiceLivello(l);
    if (i < 0 || g.pannelli.congedo) return;
    for (int k = 2; k <= 4; ++k) {
        g.screen.ShpElementoGrafico[static_cast<std::size_t>(k)].visible = false;
    }
    g.screen.ShpElementoGrafico[static_cast<std::size_t>(i + 2)].visible = true;
    g.livello = l;
    g.screen.ImgRiquadro[0].picture = kFotoLivello[static_cast<std::size_t>(i)];
    ClickCmdLivello(g);
}

void ClickLivello(Game& g, int i) {
    if (i < 0 || i >= static_cast<int>(kLivelli.size())) return;
    ScegliLivello(g, kLivelli[static_cast<std::size_t>(i)]);
}

void ClickCmdLivello(Game& g) {
    if (g.pannelli.congedo) return;
    int scelto = -1;
    for (int i = 0; i < 3 && scelto < 0; ++i) {
        if (g.screen.ShpElementoGrafico[static_cast<std::size_t>(i + 2)].visible) scelto = i;
    }
    if (scelto >= 0) {
        g.livello = kLivelli[static_cast<std::size_t>(scelto)];
        g.screen.ImgRiquadro[0].picture = kFotoLivello[static_cast<std::size_t>(scelto)];
    }
    // Without a level Nonno Zeb would not know how to play.
    if (g.livello == Livello::None) return;
    // In the pause after a Gioco the new level waits for the continue prompt to deal; during
    // a Gioco the cards are gathered and dealt again at once.
    const bool inPausa = g.screen.FraQuando.visible;
    if (!inPausa && TavoloInUso(g)) AbbandonaGioco(g);

    if (g.suoni.spia.free() && g.opzioni.commentiZeb) CommentoLivello(g);
    g.scheduler.disable(Timer::LampeggiaScritta2);
    Pannello(g, kPannelloLivello).visible = false;
    g.screen.lblRegole[17].visible = true;
    g.classifica.lampeggia = 0;
    g.classifica.inserimentoVincitore = kRigaNessuna;
    MostraFotoLivello(g);
    if (!inPausa) MescolaCarte(g);
}

void ClickAbilita(Game& g) {
    Element& p = Pannello(g, kPannelloLivello);
    if (p.visible) {
        p.visible = false;
    } else {
        p.back = g.screen.windowBack;
        p.visible = true;
    }
}

void ClickPannelli(Game& g, int k) {
    if (k < 0 || k >= kPannelliDellaBarra) return;
    Screen& s = g.screen;
    if (Pannello(g, k).visible) {
        Pannello(g, k).visible = false;
        Voce(g, k).fore = colors::kWhite;
        s.lblCopriCarte.visible = false;
        // Every value loses its highlight, the last one too: left lit, it would stay lit beside
        // the next one highlighted.
        for (Element& valore : s.lblOpzioni) valore.opaque = false;
        g.pannelli.selezione = kNessunaSelezione;
        return;
    }
    for (int j = 0; j < kPannelliDellaBarra; ++j) {
        Pannello(g, j).visible = false;
        Voce(g, j).fore = colors::kWhite;
    }
    Voce(g, k).fore = colors::kGreen;
    Pannello(g, k).back = s.windowBack;
    if (!g.pannelli.esciCaricate) {
        s.ImgEsci[0].picture = "\\Carte\\Ap.jpg";
        s.ImgEsci[1].picture = "\\Carte\\Ac.jpg";
        g.pannelli.esciCaricate = true;
    }
    Pannello(g, k).visible = true;
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.visible = true;
}

void ClickRegole(Game& g, bool avanti) {
    RumoreClic(g);
    int& pagina = g.pannelli.paginaRegole;
    pagina = avanti ? PaginaSeguente(pagina) : PaginaPrecedente(pagina);
    MostraPaginaRegole(g);
}

void MostraPaginaRegole(Game& g) {
    const int numero = g.pannelli.paginaRegole;
    const PaginaRegole& p = PaginaDelleRegole(numero);
    Screen& s = g.screen;
    s.lblRegole[5].text = std::string(p.titolo);
    s.lblRegole[6].text = std::to_string(numero);
    s.lblRegole[0].rect.y =
        s.heightTwips == kAltezzaDesign ? p.topTesto : ScalaVerticale(p.topTesto, s.heightTwips);
    s.lblRegole[0].text = std::string(p.testo);
}

void RispostaUscita(Game& g, int i) {
    if (g.pannelli.congedo) return;
    if (i == 0) {
        Congedo(g);
        return;
    }
    if (i != 1) return;
    Voce(g, kPannelloUscita).fore = colors::kWhite;
    Pannello(g, kPannelloUscita).visible = false;
    g.screen.lblCopriCarte.visible = false;
    SpiaSuoni& spia = g.suoni.spia;
    if (spia.free()) {
        spia.busy = true;
        RestaInGioco(g);
    } else if (g.tavolo.carteRimasteNelMazzo == 40) {
        RestaInGioco(g);
    }
}

void Congedo(Game& g) {
    Screen& s = g.screen;
    g.pannelli.congedo = true;
    s.lblRegole[14].text = "Bye-Bye, " + g.nome + "!";
    s.lblRegole[14].fore = colors::kBlack;
    g.suoni.spia.busy = true;
    // Nothing of the game may move or speak over the farewell.
    for (int t = 0; t < kTimerCount; ++t) g.scheduler.disable(static_cast<Timer>(t));
    ChiudiSuoni(g);
    g.media.command(Channel::Musiche, Command::Stop);
    g.media.command(Channel::Musiche, Command::Prev);
    g.media.command(Channel::Musiche, Command::Close);
    g.media.setFile(Channel::Commenti, "");
    if (g.opzioni.commentiZeb) {
        const Commento c = remarks::Saluto(g.persona.assoBevuto == 1 ? 1 : 2);
        g.media.setFile(Channel::Commenti, c.voce);
        s.lblCommenti.text = c.testo;
        s.ImgFumetto.picture = c.fumetto;
        s.lblCommenti.visible = true;
        s.ImgFumetto.visible = true;
        s.ImgRiquadro[0].picture = c.foto;
        g.media.command(Channel::Commenti, Command::Open);
        g.media.command(Channel::Commenti, Command::Play);
    }
    ScriviImpostazioni(g);
    g.scheduler.setInterval(Timer::Esci, speeds::kEsci);
    g.scheduler.enable(Timer::Esci);
}

void OnEsci(Game& g) {
    g.scheduler.disable(Timer::Esci);
    g.finished = true;
}

void ClickRiquadri(Game& g, int k) {
    if (k < 0 || k >= static_cast<int>(g.screen.FraRiquadro.size())) return;
    Element& box = g.screen.FraRiquadro[static_cast<std::size_t>(k)];
    Element& toggle = g.screen.lblRiquadri[static_cast<std::size_t>(k)];
    box.visible = !box.visible;
    toggle.border = box.visible;
    ScriviImpostazioni(g);
}

}  // namespace gnamm
