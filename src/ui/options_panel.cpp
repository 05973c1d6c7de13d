// The options panel, the colour and card-back tables, and GnImpo.txt.
#include "ui/options_panel.h"

#include <array>

#include "audio/ambience.h"
#include "audio/music.h"
#include "audio/sounds.h"
#include "data/asset_catalog.h"
#include "data/data_files.h"
#include "data/pending_writes.h"
#include "game/table_model.h"
#include "persona/comments.h"
#include "persona/impatience.h"
#include "ui/consiglio_view.h"
#include "ui/finestra.h"

namespace gnamm {

namespace {

constexpr std::array<std::string_view, kNumeroOpzioni> kTooltips = {
    "Velocità negli automatismi di gioco",
    "Scegli se Nonno Zeb dovrà più o meno 'tampinarti' se ti attardi a giocare!",
    "Velocità nel gioco di Nonno Zeb",
    "Scegli se ascoltare o no i rumori delle carte",
    "Scegli se ascoltare o no i rumori in sottofondo del 'Saloon'",
    "Scegli se far parlare Nonno Zeb (o zittirlo completamente)!",
    "Scegli se ascoltare o no il pianista del Saloon (che ogni tanto, comunque, si "
    "'riposerà'... com'è giusto che sia!!)",
    "Scegli se vuoi vedere i commenti di Nonno Zeb riportati sotto la sua immagine (sai che "
    "soddisfazione!)",
    "Nonno Zeb ti offre 4 bellissimi colori per il tavolo da gioco: a te la scelta!",
    "Nonno Zeb ti offre anche 4 differenti colori per il mazzo di carte: scegli!",
    "Per finire, Nonno Zeb ti offre 4 differenti disegni per il mazzo di carte: se ti sembrano "
    "pochi... accontentati!",
    "Se attivata, questa opzione ti eviterà la grande fatica di cliccare sull'ultima tua carta "
    "(in pratica te la 'strapperà' di mano)!",
    "Scegli se, ad ogni Gioco, il Programma deve casualmente cambiare o no le tre opzioni "
    "precedenti",
    "Se il riquadro 'Note' è disattivato apparirà in basso a sinistra un'utile (?) 'manina' che "
    "ti indicherà quando giocare!",
    "Velocità nella distribuzione delle carte",
    "Tempo di pausa fra una musica e l'altra (quando l'opzione precedente è attivata)",
};
constexpr std::string_view kTooltipAnimazioni =
    "Scegli se vedere le carte muoversi sul tavolo o comparire subito al loro posto";

// The draws of the random graphics, k = 1..4.
constexpr std::array<ColoreTavolo, 4> kTavoloCasuale = {ColoreTavolo::Brown, ColoreTavolo::Green,
                                                        ColoreTavolo::Gold, ColoreTavolo::Blue};
constexpr std::array<ColoreCarte, 4> kCarteCasuali = {ColoreCarte::Grey, ColoreCarte::Green,
                                                      ColoreCarte::Turquoise, ColoreCarte::Blue};
constexpr std::array<Retro, 4> kRetroCasuale = {Retro::Horse, Retro::Star, Retro::Rhombs,
                                                Retro::America};

// A draw that keeps landing on the current value gives way to the next one after this many
// tries, so a broken random source can never hang the game.
constexpr int kMaxTentativi = 64;

template <typename T>
T DiversoDa(Finestra& f, T attuale, const std::array<T, 4>& valori) {
    Game& g = f.game;
    for (int tentativo = 0; tentativo < kMaxTentativi; ++tentativo) {
        const T v = valori[static_cast<std::size_t>(g.estrazione(4) - 1)];
        if (v != attuale) return v;
    }
    for (std::size_t k = 0; k < valori.size(); ++k) {
        if (valori[k] == attuale) return valori[(k + 1) % valori.size()];
    }
    return valori[0];
}

bool PartitaInCorso(const Finestra& f) {
    const Game& g = f.game;
    return g.tavolo.carteRimasteNelMazzo != 0 && g.tavolo.carteRimasteNelMazzo != 40;
}

bool TurnoUmano(const Finestra& f) {
    const Game& g = f.game;
    return g.tavolo.aChiTocca == Player::H && g.tavolo.carteInManoAdH > 0 && !g.pausa.quando;
}

void ApplicaEffetto(Finestra& f, int i) {
    Game& g = f.game;
    const Opzioni& o = g.opzioni;
    switch (i) {
        case 1:
            ImpazienzaCambiata(f.zeb, TurnoUmano(f));
            break;
        case 4:
            AmbienteCambiato(f.suoni);
            break;
        case 5:
            if (!o.commentiZeb) {
                FermaImpazienza(g.scheduler);
                MostraFotoLivello(f.zeb);
            }
            break;
        case 6:
            if (o.musiche) {
                ScegliMusiche(f.suoni);
            } else {
                SpegniMusiche(f.suoni);
            }
            break;
        case 8:
            ApplicaColoreTavolo(f);
            break;
        case 9: {
            // A new card colour takes the advice away; the mats follow the option by themselves.
            TogliConsiglio(f);
            break;
        }
        case 15:
            PausaCambiata(f.suoni);
            break;
        default:
            break;
    }
}

}  // namespace

Rgb ColoreSfondo(ColoreTavolo c) {
    switch (c) {
        case ColoreTavolo::Brown:
            return {191, 160, 140};
        case ColoreTavolo::Gold:
            return {193, 181, 138};
        case ColoreTavolo::Green:
            return {158, 184, 148};
        case ColoreTavolo::Blue:
            break;
    }
    return {157, 170, 174};
}

std::string_view RetroPicture(Retro r) {
    switch (r) {
        case Retro::Horse:
            return "\\Grafica\\Horse.gif";
        case Retro::Rhombs:
            return "\\Grafica\\Rhombs.gif";
        case Retro::America:
            return "\\Grafica\\America.gif";
        case Retro::Star:
            break;
    }
    return "\\Grafica\\Star.gif";
}

std::string_view OptionTooltip(int i) {
    if (i == kVoceAnimazioni) return kTooltipAnimazioni;
    return (i >= 0 && i < kNumeroOpzioni) ? kTooltips[static_cast<std::size_t>(i)]
                                          : std::string_view{};
}

void RumoreClic(Finestra& f) {
    Game& g = f.game;
    if (!g.opzioni.rumoriCarte) return;
    if (g.spia.free()) {
        OccupaSpia(g.spia);
        SuonoClic(f.suoni);
    } else if (!PartitaInCorso(f)) {
        SuonoClic(f.suoni);
    }
}

void ClickVoceOpzioni(Finestra& f, int i) {
    Game& g = f.game;
    if (i < 0 || i >= kVociOpzioni) return;
    RumoreClic(f);
    if (i == kVoceAnimazioni) {
        f.animazioni = !f.animazioni;
        MostraOpzioni(f);
        data::SaveVista(g.paths.data, data::Vista{f.animazioni});
        data::RetryPendingWrites(g.paths.data, g.avvisi);
        return;
    }
    g.cambiaOpzione(i);
    ApplicaEffetto(f, i);
    MostraOpzioni(f);
    ScriviImpostazioni(f);
}

void MouseVoceOpzioni(Finestra& f, int i) {
    if (i < 0 || i >= kVociOpzioni) return;
    if (i == f.pannelli.selezione) return;
    MousePannelloOpzioni(f);
    f.pannelli.selezione = i;
    f.screen.lblOpzioni[static_cast<std::size_t>(i)].opaque = true;
}

void MousePannelloOpzioni(Finestra& f) {
    int& selezione = f.pannelli.selezione;
    if (selezione >= 0 && selezione < kVociOpzioni) {
        f.screen.lblOpzioni[static_cast<std::size_t>(selezione)].opaque = false;
    }
    selezione = kNessunaSelezione;
}

void MostraOpzioni(Finestra& f) {
    Game& g = f.game;
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        f.screen.lblOpzioni[static_cast<std::size_t>(i)].text = OptionText(g.opzioni, i);
    }
    f.screen.lblOpzioni[kVoceAnimazioni].text = f.animazioni ? "Sì" : "No";
}

void ApplicaColoreTavolo(Finestra& f) {
    Game& g = f.game;
    Screen& s = f.screen;
    s.windowBack = ColoreSfondo(g.opzioni.coloreTavolo);
    s.lblCopriCarte.back = s.windowBack;
    s.FraQuando.back = s.windowBack;
    for (Element& e : s.FraRiquadro) e.back = s.windowBack;
    for (Element& e : s.FraPannello) e.back = s.windowBack;
}

void CasualeColoreTavolo(Finestra& f) {
    Game& g = f.game;
    Opzioni o = g.opzioni;
    o.coloreTavolo = DiversoDa(f, o.coloreTavolo, kTavoloCasuale);
    g.impostaOpzioni(o);
    ApplicaColoreTavolo(f);
}

void CasualeColoreCarte(Finestra& f) {
    Game& g = f.game;
    Opzioni o = g.opzioni;
    o.coloreCarte = DiversoDa(f, o.coloreCarte, kCarteCasuali);
    g.impostaOpzioni(o);
}

void CasualeRetro(Finestra& f) {
    Game& g = f.game;
    Opzioni o = g.opzioni;
    o.retroCarte = DiversoDa(f, o.retroCarte, kRetroCasuale);
    g.impostaOpzioni(o);
}

void LeggiImpostazioni(Finestra& f) {
    Game& g = f.game;
    const data::Settings s = data::LoadSettings(g.paths.data).value;
    g.impostaOpzioni(s.opzioni);
    std::array<bool, 4> fissi{}, mostrati{};
    for (std::size_t i = 0; i < s.riquadri.size(); ++i) {
        fissi[i] = s.riquadri[i].borderStyle != 0;
        mostrati[i] = s.riquadri[i].shown;
    }
    g.ripristinaRiquadri(fissi, mostrati);
    g.ripristinaIntervalli(s.intervalli);
    f.animazioni = data::LoadVista(g.paths.data).value.animazioni;
    MostraOpzioni(f);
}

void ScriviImpostazioni(Finestra& f) {
    Game& g = f.game;
    data::Settings s;
    s.opzioni = g.opzioni;
    for (std::size_t i = 0; i < s.riquadri.size(); ++i) {
        s.riquadri[i].borderStyle = g.pausa.riquadroFisso[i] ? 1 : 0;
        s.riquadri[i].shown = g.pausa.riquadro[i];
    }
    s.intervalli = g.intervalli();
    // A folder that cannot be written loses only the saving: the game goes on as it is, keeps
    // the settings to write at the next save, and says so once.
    data::SaveSettings(g.paths.data, s);
    data::RetryPendingWrites(g.paths.data, g.avvisi);
}

}  // namespace gnamm
