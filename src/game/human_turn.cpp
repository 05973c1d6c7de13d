#include "game/human_turn.h"

#include <string>

#include "data/colors.h"
#include "game/capture_execution.h"
#include "game/game.h"
#include "game/table_model.h"
#include "rules/capture_rules.h"

namespace gnamm {

namespace {

void MostraContorno(Game& g, int place, Rgb colore) {
    Aspetto& contorno = g.vista.ShpContornoCarta[place];
    contorno.borderColor = colore;
    contorno.visible = true;
}

// What the player is asked when the rule leaves the capture to them.
std::string IstruzioneScelta(const DecisionePresa& d) {
    return d.esito == EsitoPresa::SceltaUguali
               ? "Scegli, fra le " + std::to_string(d.stessoValore) +
                     " Carte uguali presenti sul tavolo, quale vuoi catturare!"
               : "Hai " + std::to_string(d.possibilitaDiPresa) +
                     " combinazioni di presa: clicca quelle carte sul tavolo che vuoi "
                     "catturare!";
}

void RumoreSeLibero(Game& g) {
    g.annuncia({Accaduto::CartaGiocata});
}

void AvviaScomparsa(Game& g) {
    g.umano.presaDecisa = true;
    g.scheduler.start(Timer::ScompaionoCarteH, IntervalloGioco(g.opzioni.velocitaGioco));
}

// The pick that completes a capture: every picked card is marked and outlined for capture.
void CompletaScelta(Game& g) {
    HumanTurnState& u = g.umano;
    MostraContorno(g, u.cartaGiocata, colors::kCapture);
    for (const int i : kPostiTavolo) {
        if (!u.scelta[i]) continue;
        u.marcaPresa[i] = true;
        MostraContorno(g, i, colors::kCapture);
    }
    AvviaScomparsa(g);
    RumoreSeLibero(g);
}

void GiocaCarta(Game& g, int k) {
    TableState& t = g.tavolo;
    t.aChiTocca = Player::PC;
    g.vista.ImgManina.visible = false;
    --t.carteInManoAdH;
    ++t.numeroCarteGiocate;
    g.vista.lblIstruzioni.text.clear();
    g.umano.cartaGiocata = k;
    AggiornaValoriRimasti(g.tavolo, t.carta[k]);
    DecidiPresaH(g);
    RumoreSeLibero(g);
    g.annuncia({Accaduto::CartaDallaMano});
}

void ScegliCartaTavolo(Game& g, int k) {
    HumanTurnState& u = g.umano;
    const TableState& t = g.tavolo;
    // Zeb waits again for the next click, his urging gone and his portrait back.
    g.annuncia({Accaduto::SceltaAlTavolo});
    const int v = t.valore(u.cartaGiocata);
    const int w = t.valore(k);
    if (!u.valoriUguali) {
        if (w <= v) {
            if (!u.scelta[k]) {
                const int totale = u.valoreTotalePresa + w;
                if (totale > v) {
                    u.marcaPresa[k] = false;
                } else {
                    u.valoreTotalePresa = totale;
                    u.scelta[k] = true;
                    if (totale == v) {
                        CompletaScelta(g);
                    } else {
                        MostraContorno(g, k, colors::kPick);
                        RumoreSeLibero(g);
                    }
                }
            } else {
                u.scelta[k] = false;
                g.vista.ShpContornoCarta[k].visible = false;
                u.valoreTotalePresa -= w;
                u.marcaPresa[k] = false;
            }
        }
    } else if (w == v) {
        u.valoriUguali = false;
        u.scelta[k] = true;
        CompletaScelta(g);
    }
}

void Rimprovera(Game& g, std::string testo) {
    g.vista.lblIstruzioni.text = std::move(testo);
    g.annuncia({Accaduto::ClicSbagliato});
}

void Rimproveri(Game& g, int k) {
    const std::string& n = g.nome;
    if (IsPostoTavolo(k) || k == kPostoSpare) {
        if (!g.umano.puoiScegliere) {
            Rimprovera(g, "Non devi cliccare le carte sul tavolo, " + n + ",  ma una delle tue!!");
        }
    } else if (IsManoPC(k)) {
        if (!g.tavolo.carta[k].empty()) {
            Rimprovera(g, "Come ti permetti di cliccare le mie carte, " + n + "??");
        }
    } else if (k == kPostoMazzo) {
        Rimprovera(g, "O " + n + ", devi cliccare una delle tue carte, non il mazzo!!");
    }
}

}  // namespace

void ClickCarta(Game& g, int k) {
    if (k < 0 || k >= kNumeroPosti) return;
    // Only a card picture on show takes clicks.
    if (!g.vista.ImgCarta[k].visible) return;
    HumanTurnState& u = g.umano;
    TableState& t = g.tavolo;

    if (IsManoH(k) && t.aChiTocca == Player::H && u.cartaGiocata == 0 && !t.carta[k].empty()) {
        GiocaCarta(g, k);
    }
    if (IsPostoTavolo(k) && !t.carta[k].empty() && u.puoiScegliere && !u.presaDecisa &&
        u.cartaGiocata != 0) {
        ScegliCartaTavolo(g, k);
    }
    if (t.aChiTocca == Player::H) Rimproveri(g, k);
}

void DecidiPresaH(Game& g) {
    HumanTurnState& u = g.umano;
    TableState& t = g.tavolo;
    const Card giocata = t.carta[u.cartaGiocata];
    const DecisionePresa d = DecidiPresa(t.carta, giocata);

    switch (d.esito) {
        case EsitoPresa::Presa:
            MostraContorno(g, u.cartaGiocata, colors::kCapture);
            for (const int i : kPostiTavolo) {
                if (!d.marcate[i]) continue;
                u.marcaPresa[i] = true;
                MostraContorno(g, i, colors::kCapture);
            }
            AvviaScomparsa(g);
            g.annuncia({Accaduto::CartaDecisa});
            // An ace that captures leaves no ace behind: the table held at most one.
            if (giocata.isAce()) t.assoInTavola = false;
            break;
        case EsitoPresa::SceltaSomma:
        case EsitoPresa::SceltaUguali: {
            const bool uguali = d.esito == EsitoPresa::SceltaUguali;
            MostraContorno(g, u.cartaGiocata, colors::kPick);
            g.vista.lblIstruzioni.text = IstruzioneScelta(d);
            u.marcaPresa.fill(false);
            u.scelta.fill(false);
            u.valoreTotalePresa = 0;
            u.puoiScegliere = true;
            u.valoriUguali = uguali;
            g.annuncia({Accaduto::SceltaAperta});
            break;
        }
        case EsitoPresa::Deposita:
            DeponiCartaSulTavolo(g);
            g.annuncia({Accaduto::CartaDecisa});
            if (giocata.isAce()) t.assoInTavola = true;
            break;
    }

    if (d.assoBevuto) g.annuncia({Accaduto::AssoBevuto});
}

void MostraSceltaInCorso(Game& g) {
    const HumanTurnState& u = g.umano;
    if (u.cartaGiocata == 0 && g.partita.esito == EsitoGioco::InCorso &&
        g.tavolo.aChiTocca == Player::H) {
        // The human's turn, no card played yet: the line and the hand that ask for one.
        g.vista.lblIstruzioni.text = "Tocca a te, " + g.nome + ", clicca su una delle tue carte!";
        if (g.opzioni.mostraManina) g.vista.ImgManina.visible = true;
        return;
    }
    if (u.cartaGiocata == 0 || !u.puoiScegliere) return;
    MostraContorno(g, u.cartaGiocata, colors::kPick);
    for (const int i : kPostiTavolo) {
        if (u.scelta[i]) MostraContorno(g, i, colors::kPick);
    }
    g.vista.lblIstruzioni.text =
        IstruzioneScelta(DecidiPresa(g.tavolo.carta, g.tavolo.carta[u.cartaGiocata]));
}

void OnMuoviHAutomatico(Game& g) {
    g.scheduler.disable(Timer::MuoviHAutomatico);
    for (const int k : {4, 5, 6}) {
        if (!g.tavolo.carta[k].empty()) {
            ClickCarta(g, k);
            return;
        }
    }
}

}  // namespace gnamm
