// The rules, exit and level-choice panels, the bar captions and the side boxes.
#include "ui/panels.h"

#include <array>
#include <string>

#include "audio/sounds.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/gioco_reset.h"
#include "game/hall_of_fame.h"
#include "game/table_model.h"
#include "persona/comments.h"
#include "persona/remarks.h"
#include "rules/speeds.h"
#include "save/torneo_file.h"
#include "ui/options_panel.h"
#include "ui/panels_layout.h"
#include "ui/rules_text.h"
#include "ui/scaling.h"

namespace gnamm {

namespace {

constexpr int kPannelloUscita = 1;
constexpr int kPannelloLivello = 4;
constexpr int kPannelliDellaBarra = 3;

Element& Pannello(Finestra& f, int k) {
    return f.screen.FraPannello[static_cast<std::size_t>(k)];
}
Element& Voce(Finestra& f, int k) {
    return f.screen.lblPannelli[static_cast<std::size_t>(k)];
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

// Nonno Zeb's "Bravo!" when the player stays; without his voice, the click or nothing.
void RestaInGioco(Finestra& f) {
    Game& g = f.game;
    if (g.opzioni.commentiZeb) {
        MostraCommento(f.zeb, remarks::BravoRestaQui(), true);
    } else if (g.opzioni.rumoriCarte) {
        SuonoClic(f.suoni);
    } else {
        LiberaSpia(g.spia);
    }
}

}  // namespace

void ScegliLivello(Finestra& f, Livello l) {
    Game& g = f.game;
    const int i = IndiceLivello(l);
    if (i < 0 || f.pannelli.congedo) return;
    f.pannelli.livelloEvidenziato = l;
    g.scegliLivello(l);
    f.zeb.angolo.foto = kFotoLivello[static_cast<std::size_t>(i)];
    ClickCmdLivello(f);
}

void ClickLivello(Finestra& f, int i) {
    if (i < 0 || i >= static_cast<int>(kLivelli.size())) return;
    ScegliLivello(f, kLivelli[static_cast<std::size_t>(i)]);
}

void ClickCmdLivello(Finestra& f) {
    Game& g = f.game;
    if (f.pannelli.congedo) return;
    const int scelto = IndiceLivello(f.pannelli.livelloEvidenziato);
    if (scelto >= 0) {
        g.scegliLivello(kLivelli[static_cast<std::size_t>(scelto)]);
        f.zeb.angolo.foto = kFotoLivello[static_cast<std::size_t>(scelto)];
    }
    // Without a level Nonno Zeb would not know how to play.
    if (g.livello == Livello::None) return;
    // In the pause after a Gioco the new level waits for the continue prompt to deal; during
    // a Gioco the cards are gathered and dealt again at once.
    const bool inPausa = g.pausa.quando;
    if (!inPausa && TavoloInUso(g.tavolo, g.scheduler)) AbbandonaGioco(g);

    if (g.spia.free() && g.opzioni.commentiZeb) CommentoLivello(f.zeb);
    g.scheduler.disable(Timer::LampeggiaScritta2);
    Pannello(f, kPannelloLivello).visible = false;
    f.screen.lblRegole[17].visible = true;
    g.dimenticaVincitore();
    MostraFotoLivello(f.zeb);
    if (!inPausa) MescolaCarte(g);
}

void ClickAbilita(Finestra& f) {
    Element& p = Pannello(f, kPannelloLivello);
    if (p.visible) {
        p.visible = false;
    } else {
        p.back = f.screen.windowBack;
        p.visible = true;
    }
}

void ClickPannelli(Finestra& f, int k) {
    if (k < 0 || k >= kPannelliDellaBarra) return;
    Screen& s = f.screen;
    if (Pannello(f, k).visible) {
        Pannello(f, k).visible = false;
        Voce(f, k).fore = colors::kWhite;
        s.lblCopriCarte.visible = false;
        // Every value loses its highlight, the last one too: left lit, it would stay lit beside
        // the next one highlighted.
        for (Element& valore : s.lblOpzioni) valore.opaque = false;
        f.pannelli.selezione = kNessunaSelezione;
        return;
    }
    for (int j = 0; j < kPannelliDellaBarra; ++j) {
        Pannello(f, j).visible = false;
        Voce(f, j).fore = colors::kWhite;
    }
    Voce(f, k).fore = colors::kGreen;
    Pannello(f, k).back = s.windowBack;
    if (!f.pannelli.esciCaricate) {
        s.ImgEsci[0].picture = "\\Carte\\Ap.jpg";
        s.ImgEsci[1].picture = "\\Carte\\Ac.jpg";
        f.pannelli.esciCaricate = true;
    }
    Pannello(f, k).visible = true;
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.visible = true;
}

void ClickRegole(Finestra& f, bool avanti) {
    RumoreClic(f);
    int& pagina = f.pannelli.paginaRegole;
    pagina = avanti ? PaginaSeguente(pagina) : PaginaPrecedente(pagina);
    MostraPaginaRegole(f);
}

void MostraPaginaRegole(Finestra& f) {
    const int numero = f.pannelli.paginaRegole;
    const PaginaRegole& p = PaginaDelleRegole(numero);
    Screen& s = f.screen;
    s.lblRegole[5].text = std::string(p.titolo);
    s.lblRegole[6].text = std::to_string(numero);
    s.lblRegole[0].rect.y =
        s.heightTwips == kAltezzaDesign ? p.topTesto : ScalaVerticale(p.topTesto, s.heightTwips);
    // Down to the keys' line, whatever the page's top.
    s.lblRegole[0].rect.h =
        (s.heightTwips == kAltezzaDesign ? kFondoTestoRegole
                                         : ScalaVerticale(kFondoTestoRegole, s.heightTwips)) -
        s.lblRegole[0].rect.y;
    s.lblRegole[0].text = std::string(p.testo);
}

void RispostaUscita(Finestra& f, int i) {
    Game& g = f.game;
    if (f.pannelli.congedo) return;
    if (i == 0) {
        CancellaTorneoSalvato(g, f.custodiaTorneo);  // a surrender: the Torneo is over
        Congedo(f);
        return;
    }
    if (i != 1) return;
    Voce(f, kPannelloUscita).fore = colors::kWhite;
    Pannello(f, kPannelloUscita).visible = false;
    f.screen.lblCopriCarte.visible = false;
    if (g.spia.free()) {
        OccupaSpia(g.spia);
        RestaInGioco(f);
    } else if (g.tavolo.carteRimasteNelMazzo == 40) {
        RestaInGioco(f);
    }
}

void Congedo(Finestra& f) {
    Game& g = f.game;
    Screen& s = f.screen;
    f.pannelli.congedo = true;
    s.lblRegole[14].text = "Bye-Bye, " + g.nome + "!";
    s.lblRegole[14].fore = colors::kBlack;
    OccupaSpia(g.spia);
    // Nothing of the game may move or speak over the farewell.
    for (int t = 0; t < kTimerCount; ++t) g.scheduler.disable(static_cast<Timer>(t));
    ChiudiSuoni(f.media);
    f.media.command(Channel::Musiche, Command::Stop);
    f.media.command(Channel::Musiche, Command::Prev);
    f.media.command(Channel::Musiche, Command::Close);
    f.media.setFile(Channel::Commenti, "");
    if (g.opzioni.commentiZeb) CommentoCongedo(f.zeb);
    ScriviImpostazioni(f);
    g.scheduler.start(Timer::Esci, speeds::kEsci);
}

void OnEsci(Finestra& f) {
    Game& g = f.game;
    g.scheduler.disable(Timer::Esci);
    f.finished = true;
}

void MostraPannelli(const PanelsState& p, const PausaState& v, Screen& s) {
    for (std::size_t k = 0; k < v.riquadroFisso.size(); ++k) {
        s.lblRiquadri[k].border = v.riquadroFisso[k];
    }
    for (std::size_t i = 0; i < kLivelli.size(); ++i) {
        s.ShpElementoGrafico[i + 2].visible = kLivelli[i] == p.livelloEvidenziato;
    }
}

void ClickRiquadri(Finestra& f, int k) {
    Game& g = f.game;
    if (k < 0 || k >= static_cast<int>(g.pausa.riquadro.size())) return;
    g.alternaRiquadro(static_cast<std::size_t>(k));
    ScriviImpostazioni(f);
}

}  // namespace gnamm
