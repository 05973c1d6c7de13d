// The game's three kinds of input: the player's clicks, mouse moves and keys, and the ticks
// of the timers, each routed to the procedure that answers it. After each one the derived
// parts of the screen are brought up to date.
#include "ui/finestra.h"

#include <utility>

#include "game/ai/pc_turn.h"
#include "game/capture_execution.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/hall_of_fame.h"
#include "game/human_turn.h"
#include "game/player_record.h"
#include "save/torneo_file.h"
#include "ui/avvisi_view.h"
#include "ui/cervello_view.h"
#include "ui/consiglio_view.h"
#include "ui/flow_reactions.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/instructions_view.h"
#include "ui/keyboard_focus.h"
#include "ui/options_panel.h"
#include "ui/panels.h"
#include "ui/pause_view.h"
#include "ui/scoreboard_view.h"
#include "ui/startup.h"
#include "ui/statistics_page.h"
#include "ui/table_cards_view.h"
#include "ui/torneo_ripresa.h"
#include "ui/zeb_corner_view.h"

namespace gnamm {

namespace {

// The record page, from the record as it stands for the player playing.
void ApriStatistiche(Finestra& f) {
    ApriStatistiche(f.screen, f.game.nome, StatisticheCorrenti(f.game));
}

constexpr int kRegole = 0;
constexpr int kUscita = 1;
constexpr int kLivello = 4;

// While the splash waits for a name, and once the farewell has begun, the table takes no input.
bool TavoloChiuso(const Finestra& f) {
    return f.screen.FraSplash.visible || f.pannelli.congedo;
}

bool PannelloAperto(const Finestra& f, int k) {
    return f.screen.FraPannello[static_cast<std::size_t>(k)].visible;
}

// The table shows and takes the keys meant for its cards only while no panel covers it.
bool NessunPannello(const Finestra& f) {
    for (const Element& pannello : f.screen.FraPannello) {
        if (pannello.visible) return false;
    }
    return true;
}

// The place of the n-th card (1..3) still in the human's hand, left to right, skipping places
// already played and the card played this turn; 0 when the hand holds fewer.
int PostoInMano(const Game& g, int n) {
    for (int p = 4; p <= 6; ++p) {
        if (g.tavolo.carta[p].empty() || p == g.umano.cartaGiocata) continue;
        if (--n == 0) return p;
    }
    return 0;
}

// The keys a notice, the splash, the farewell, the resume question or the record page take
// before the table: true when one of them took the key.
bool TastoFuoriDalTavolo(Finestra& f, Key k) {
    // While a notice shows, Escape closes it before it means anything else.
    if (k == Key::Escape && ChiudiAvviso(f.screen, f.game.avvisi)) {
        RefreshScreen(f);
        return true;
    }
    if (f.screen.FraSplash.visible) {
        if (k == Key::Enter) {
            InvioSplash(f);
            OffriRipresa(f);
        } else if (k == Key::Backspace) {
            CancellaNomeSplash(f);
        }
        RefreshScreen(f);
        return true;
    }
    if (f.pannelli.congedo) return true;
    if (f.torneoInSospeso) {
        if (k == Key::Enter || k == Key::S || k == Key::N) RispostaRipresa(f, k != Key::N);
        RefreshScreen(f);
        return true;
    }
    if (StatisticheAperte(f.screen)) {
        if (k == Key::Escape || k == Key::Enter) ChiudiStatistiche(f.screen);
        RefreshScreen(f);
        return true;
    }
    return false;
}

// The keys of the table: the prompt, the panels, the cards and the focus.
void TastoDelTavolo(Finestra& f, Key k) {
    switch (k) {
        case Key::Enter:
            if (f.game.pausa.quando) {
                gnamm::Quando(f.game);
            } else if (PannelloAperto(f, kLivello)) {
                ClickCmdLivello(f);
            }
            break;
        case Key::Escape:
            ClickPannelli(f, kUscita);
            break;
        case Key::F1:
            ClickPannelli(f, kRegole);
            break;
        case Key::Left:
        case Key::Right:
            if (PannelloAperto(f, kRegole)) {
                ClickRegole(f, k == Key::Right);
            } else if (NessunPannello(f)) {
                MuoviFuoco(f, k == Key::Right ? 1 : -1);
            }
            break;
        case Key::Up:
        case Key::Down:
            if (NessunPannello(f)) MuoviFuoco(f, k == Key::Down ? 1 : -1);
            break;
        case Key::Space:
            if (NessunPannello(f)) {
                TogliConsiglio(f);
                ScegliConFuoco(f);
            }
            break;
        case Key::H:
            ChiediConsiglio(f);
            break;
        case Key::Digit1:
        case Key::Digit2:
        case Key::Digit3: {
            const int n = k == Key::Digit1 ? 1 : k == Key::Digit2 ? 2 : 3;
            if (PannelloAperto(f, kLivello)) {
                ScegliLivello(f, n == 1   ? gnamm::Livello::Honest
                                 : n == 2 ? gnamm::Livello::Cunning
                                          : gnamm::Livello::Cheat);
            } else if (const int posto = PostoInMano(f.game, n); posto != 0 && NessunPannello(f)) {
                TogliConsiglio(f);
                ClickCarta(f.game, posto);
            }
            break;
        }
        case Key::S:
            if (NessunPannello(f)) ApriStatistiche(f);
            break;
        case Key::N:
            // "No" to the exit question, as N answers the resume question.
            if (PannelloAperto(f, kUscita)) RispostaUscita(f, 1);
            break;
        default:
            break;
    }
}

}  // namespace

void Finestra::click(Target target) {
    // The notice box takes its click on the splash and during the farewell too.
    if (target.kind == TargetKind::Avviso) {
        ChiudiAvviso(screen, game.avvisi);
        RefreshScreen(*this);
        return;
    }
    if (TavoloChiuso(*this)) return;
    if (StatisticheAperte(screen) || target.kind == TargetKind::Statistiche) {
        // A click anywhere on the record page closes it; its caption opens it.
        StatisticheAperte(screen) ? ChiudiStatistiche(screen) : ApriStatistiche(*this);
        RefreshScreen(*this);
        return;
    }
    if (torneoInSospeso) {
        // The question about the saved Torneo takes its two answers and nothing else.
        if (target.kind == TargetKind::Uscita) RispostaRipresa(*this, target.index == 0);
        RefreshScreen(*this);
        return;
    }
    const int i = target.index;
    switch (target.kind) {
        case TargetKind::Carta:
            if (i >= 0 && i < kNumeroPosti) {
                TogliConsiglio(*this);
                ClickCarta(game, i);
            }
            break;
        case TargetKind::Consiglio:
            ChiediConsiglio(*this);
            break;
        case TargetKind::AssoInTavola:
            ToggleCervello(game);
            break;
        case TargetKind::TimerLabel:
            ClickTimerLabel(game);
            break;
        case TargetKind::Pannelli:
            ClickPannelli(*this, i);
            break;
        case TargetKind::Classifica:
            ToggleClassifica(screen, game);
            break;
        case TargetKind::Riquadri:
            ClickRiquadri(*this, i);
            break;
        case TargetKind::VoceOpzioni:
            ClickVoceOpzioni(*this, i);
            break;
        case TargetKind::NonnoZeb:
        case TargetKind::Livello:
            ClickLivello(*this, i);
            break;
        case TargetKind::CmdLivello:
            ClickCmdLivello(*this);
            break;
        case TargetKind::LstAlbo:
            ClickLstAlbo();
            break;
        case TargetKind::Uscita:
            RispostaUscita(*this, i);
            break;
        case TargetKind::Regole:
            ClickRegole(*this, i == 1);
            break;
        case TargetKind::Quando:
            if (game.pausa.quando) gnamm::Quando(game);
            break;
        case TargetKind::Abilita:
            ClickAbilita(*this);
            break;
        case TargetKind::Statistiche:
        case TargetKind::Avviso:
        case TargetKind::Mucchio:
        case TargetKind::PannelloOpzioni:
        case TargetKind::None:
            break;
    }
    RefreshScreen(*this);
}

void Finestra::mouseMove(Target target) {
    if (TavoloChiuso(*this)) return;
    const int sotto = target.kind == TargetKind::Carta && IsManoH(target.index) ? target.index : 0;
    if (sotto != cartaSotto) {
        cartaSotto = sotto;
        RefreshScreen(*this);
    }
    switch (target.kind) {
        case TargetKind::VoceOpzioni:
            MouseVoceOpzioni(*this, target.index);
            break;
        case TargetKind::PannelloOpzioni:
            MousePannelloOpzioni(*this);
            break;
        default:
            break;
    }
}

void Finestra::mouseDown(Target target) {
    if (TavoloChiuso(*this)) return;
    if (target.kind == TargetKind::Mucchio) {
        mucchioTenuto = target.index == 0 ? Player::PC : Player::H;
        RefreshScreen(*this);
        return;
    }
    if (target.kind != TargetKind::Regole) return;
    // lblRegole(3) is the forward arrow, lblRegole(4) the back one.
    if (target.index == 1) {
        screen.lblRegole[3].back = colors::kRed;
    } else if (target.index == 0) {
        screen.lblRegole[4].back = colors::kGreen;
    }
}

void Finestra::mouseUp(Target) {
    screen.lblRegole[3].back = colors::kWhite;
    screen.lblRegole[4].back = colors::kWhite;
    if (mucchioTenuto) {
        mucchioTenuto.reset();
        RefreshScreen(*this);
    }
}

void Finestra::key(Key k) {
    if (TastoFuoriDalTavolo(*this, k)) return;
    TastoDelTavolo(*this, k);
    RefreshScreen(*this);
}

void Finestra::close() {
    // Nothing begun or the farewell under way: every record is already on disk.
    if (screen.FraSplash.visible || pannelli.congedo) return;
    SalvaTorneo(game, zeb, suoni, custodiaTorneo);
}

void Finestra::textInput(std::string_view utf8) {
    ScriviNomeSplash(*this, utf8);
    RefreshScreen(*this);
}

Finestra::Finestra(Clock& clockIn, RandomSource& rngIn, MediaPlayer& mediaIn, Paths pathsIn)
    : game(clockIn, rngIn, std::move(pathsIn)),
      media(mediaIn),
      zeb(game.contesto(), mediaIn),
      suoni(game.contesto(), mediaIn),
      voli(game, screen) {
    game.ascoltaFlusso = [this](EventoFlusso e) { ReagisciAlFlusso(*this, e); };
    game.ascoltatori = {&zeb, &suoni, &voli};
    game.registro = &registro;
    ApplyDesignLayout(screen);
    LeggiAngoloZeb(screen, zeb.angolo);
}

void Finestra::fireDueTimers() {
    game.scheduler.fireDue([this](Timer t) { onTimer(t); });
}

void Finestra::onTimer(Timer t) {
    // The last card of a hand plays itself: the advice goes as when the human plays.
    if (t == Timer::MuoviHAutomatico) TogliConsiglio(*this);
    // Each timer has one owner: the game's flow, Zeb, the sounds, or else the window itself.
    if (game.onTimer(t) || zeb.onTimer(t) || suoni.onTimer(t)) {
        RefreshScreen(*this);
        return;
    }
    switch (t) {
        case Timer::LampeggiaScritta:
            OnLampeggiaScritta(screen, game);
            break;
        case Timer::LampeggiaScritta2:
            OnLampeggiaScritta2(screen, game);
            break;
        case Timer::Inserisci:
            OnInserisci(*this);
            break;
        case Timer::AudioSplash:
            OnAudioSplash(*this);
            break;
        case Timer::Esci:
            OnEsci(*this);
            break;
        default:
            break;  // the game's, Zeb's and the sounds', answered above
    }
    RefreshScreen(*this);
}

namespace {

// The card places, the cards on their way over them and the piles, at the clock's moment.
void MostraTavolo(Finestra& f) {
    const Game& g = f.game;
    const int64_t ora = g.clock.nowMs();
    MostraPosti(g.posti, g.opzioni, f.consiglio.segni, AnteprimaPresa(g, f.cartaSotto), f.screen);
    // The piles before the flights, which keep a Punto Gnamm's card off its pile until it lands.
    MostraMucchi(g.mucchi, g.opzioni, f.mucchioTenuto, ora, f.vistaMucchi, f.screen);
    MostraVoli(f.voli.voli(), ora, g.opzioni, f.screen);
    MostraScintille(f.voli.scoppi(), ora, f.screen);
    f.inMoto = f.voli.inVista() || f.vistaMucchi.inMovimento(ora);
}

}  // namespace

bool Anima(Finestra& f) {
    if (!f.deriveScreen) return false;
    const int64_t ora = f.game.clock.nowMs();
    // Asked first, as it drops the flights that have landed.
    const bool voli = f.voli.inMovimento(ora);
    const bool muove = voli || f.vistaMucchi.inMovimento(ora);
    // One frame more once all has landed, with every card back in its place.
    if (muove || f.inMoto) MostraTavolo(f);
    return muove;
}

void RefreshScreen(Finestra& f) {
    Game& g = f.game;
    SeguiConsiglio(f);
    f.voli.abilita(f.animazioni);
    if (f.deriveScreen) {
        f.voli.osserva();
        MostraTavolo(f);
        MostraIstruzioni(g, f.screen);
        MostraCervello(g.cervello, f.screen);
        MostraAngoloZeb(f.zeb.angolo, f.screen);
        MostraPannelli(f.pannelli, g.pausa, f.screen);
        MostraPausa(g, f.screen);
        MostraOpzioni(f);  // the random colours and backs change them at every Gioco
        RefreshScoreboard(f.screen, g);
        MostraClassifica(f.screen, f.game);
        MostraAvviso(f.screen, g.avvisi);
    }
    AggiornaFuoco(f);
}

void AdvanceVirtualTime(Finestra& f, VirtualClock& clock, int64_t ms) {
    const int64_t target = clock.nowMs() + ms;
    while (const auto deadline = f.game.scheduler.nextDeadline()) {
        if (*deadline > target) break;
        if (*deadline > clock.nowMs()) clock.set(*deadline);
        f.fireDueTimers();
    }
    clock.set(target);
}

}  // namespace gnamm
