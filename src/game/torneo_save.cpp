#include "game/torneo_save.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "data/asset_catalog.h"
#include "data/data_folder.h"
#include "data/utf8.h"
#include "game/game.h"
#include "game/invariants.h"
#include "game/json_fields.h"
#include "rules/random.h"
#include "game/table_model.h"

namespace gnamm {

namespace {

using nlohmann::json;
using namespace json_fields;

// ---- Writing ----

std::string TestoGiocatore(Player p) {
    return p == Player::PC ? "PC" : "H";
}

template <std::size_t N>
json Carte(const std::array<Card, N>& carte) {
    json j = json::array();
    for (const Card c : carte) j.push_back(c.code());
    return j;
}

json Colonna_(const Colonna& c) {
    return {{"prese", c.prese},
            {"seiPreso", c.seiPreso},
            {"punto", c.punto},
            {"punto5DiCuori", c.punto5DiCuori},
            {"puntiGnamm", c.puntiGnamm},
            {"puntiGiocoInCorso", c.puntiGiocoInCorso},
            {"puntiPartita", c.puntiPartita}};
}

json Ciclo(const CicloCommenti& c) {
    return {{"conta", c.conta}, {"detto", c.detto}};
}

constexpr std::array<Livello, 3> kLivelliSalvabili = {Livello::Honest, Livello::Cunning,
                                                      Livello::Cheat};
constexpr std::array<std::string_view, 3> kNomiLivelli = {"Honest", "Cunning", "Cheat"};
constexpr std::array<std::string_view, 7> kNomiEsiti = {
    "InCorso", "Continua", "Spareggio", "PartitaPC", "PartitaH", "TorneoPC", "TorneoH"};
constexpr std::array<std::string_view, 3> kNomiFoto = {"Black", "Green", "Magenta"};

std::string NomeLivello(Livello l) {
    for (std::size_t i = 0; i < kLivelliSalvabili.size(); ++i) {
        if (kLivelliSalvabili[i] == l) return std::string(kNomiLivelli[i]);
    }
    return "";
}

// ---- Reading: every field checked (json_fields.h), the first fault thrown as its reason ----

template <std::size_t N>
void LeggiCarte(const json& o, const char* nome, std::array<Card, N>& out) {
    const json& v = Lista(o, nome, N);
    for (std::size_t i = 0; i < N; ++i) {
        if (!v[i].is_string()) throw Guasto(std::string(nome) + " holds a non-card");
        const std::string code = v[i].get<std::string>();
        if (code.empty()) {
            out[i] = Card();
            continue;
        }
        const auto c = Card::Parse(code);
        if (!c) throw Guasto(std::string(nome) + " holds an unknown card");
        out[i] = *c;
    }
}

template <std::size_t N>
int Scelta_(const json& o, const char* nome, const std::array<std::string_view, N>& nomi) {
    const std::string t = Testo(o, nome);
    for (std::size_t i = 0; i < N; ++i) {
        if (nomi[i] == t) return static_cast<int>(i);
    }
    throw Guasto(std::string(nome) + " has an unknown value");
}

Player Giocatore(const json& o, const char* nome) {
    return Scelta_(o, nome, std::array<std::string_view, 2>{"PC", "H"}) == 0 ? Player::PC
                                                                             : Player::H;
}

Colonna LeggiColonna(const json& o) {
    Colonna c;
    Interi(o, "prese", c.prese, 0, 40);
    Veri(o, "seiPreso", c.seiPreso);
    Veri(o, "punto", c.punto);
    c.punto5DiCuori = Vero(o, "punto5DiCuori");
    c.puntiGnamm = Intero(o, "puntiGnamm", 0, 40);
    c.puntiGiocoInCorso = Intero(o, "puntiGiocoInCorso", 0, 60);
    c.puntiPartita = Intero(o, "puntiPartita", 0, 1000);
    return c;
}

CicloCommenti LeggiCiclo(const json& o, int righe) {
    CicloCommenti c;
    c.conta = Intero(o, "conta", 0, righe);
    Veri(o, "detto", c.detto);
    return c;
}

// The cards of the table and the hands are distinct: a file that says otherwise was not
// written by a game.
void ControllaCarteDistinte(const TableState& t) {
    std::set<int> viste;
    for (int p = 1; p < kNumeroPosti; ++p) {
        if (t.carta[p].empty()) continue;
        if (!viste.insert(t.carta[p].deckPosition()).second)
            throw Guasto("a card is on the table twice");
    }
    std::set<int> mazzo;
    for (int i = 1; i <= 40; ++i) mazzo.insert(t.carteDaGiocare[i].deckPosition());
    if (mazzo.size() != 40 || mazzo.count(0) != 0) throw Guasto("the deck is not 40 cards");
}

TableState LeggiTavolo(const json& o) {
    TableState t;
    LeggiCarte(o, "carta", t.carta);
    Veri(o, "presaDalMescolatore", t.presaDalMescolatore);
    LeggiCarte(o, "carteDaGiocare", t.carteDaGiocare);
    Veri(o, "distribuita", t.distribuita);
    t.contatoreCartaDaEstrarre = Intero(o, "contatoreCartaDaEstrarre", 1, 41);
    Interi(o, "valoriRimasti", t.valoriRimasti, 0, 4);
    t.numeroCarteSulTavolo = Intero(o, "numeroCarteSulTavolo", 0, 12);
    t.carteInManoAPC = Intero(o, "carteInManoAPC", 0, 3);
    t.carteInManoAdH = Intero(o, "carteInManoAdH", 0, 3);
    t.numeroCarteGiocate = Intero(o, "numeroCarteGiocate", 0, 40);
    t.carteRimasteNelMazzo = Intero(o, "carteRimasteNelMazzo", 0, 40);
    t.manche = Intero(o, "manche", 0, 6);
    t.assoInTavola = Vero(o, "assoInTavola");
    t.mazziere = Giocatore(o, "mazziere");
    t.aChiTocca = Giocatore(o, "aChiTocca");
    t.posizioneInserimentoCarta = Intero(o, "posizioneInserimentoCarta", 0, kNumeroPosti - 1);
    t.ultimaCattura = Giocatore(o, "ultimaCattura");
    ControllaCarteDistinte(t);
    return t;
}

HumanTurnState LeggiUmano(const json& o) {
    HumanTurnState u;
    u.cartaGiocata = Intero(o, "cartaGiocata", 0, 6);
    u.puoiScegliere = Vero(o, "puoiScegliere");
    u.valoriUguali = Vero(o, "valoriUguali");
    u.valoreTotalePresa = Intero(o, "valoreTotalePresa", 0, 120);
    Veri(o, "marcaPresa", u.marcaPresa);
    Veri(o, "scelta", u.scelta);
    u.presaDecisa = Vero(o, "presaDecisa");
    u.fuoco = Intero(o, "fuoco", 0, kNumeroPosti - 1);
    return u;
}

MatchState LeggiPartita(const json& o) {
    MatchState m;
    m.partitePC = Intero(o, "partitePC", 0, kPartiteTorneo);
    m.partiteH = Intero(o, "partiteH", 0, kPartiteTorneo);
    m.gioco = Intero(o, "gioco", 1, 100000);
    m.giocoTerminato = Vero(o, "giocoTerminato");
    m.contaUltimeCarte = Intero(o, "contaUltimeCarte", 0, 40);
    m.vincitore = Testo(o, "vincitore");
    m.alternaUltimaCattura = Vero(o, "alternaUltimaCattura");
    m.esito = static_cast<EsitoGioco>(Scelta_(o, "esito", kNomiEsiti));
    return m;
}

SoundState LeggiSuoni(const json& o) {
    SoundState s;
    const json& spia = Campo(o, "spia");
    s.spia.busy = Vero(spia, "busy");
    s.spia.ambiente = Intero(spia, "ambiente", 0, 30);
    s.spia.foto = static_cast<FotoImpazienza>(Scelta_(spia, "foto", kNomiFoto));
    s.spia.bordo = Vero(spia, "bordo");
    s.contaMusiche = Intero(o, "contaMusiche", 0, 24 * 3600);
    s.numeroMusiche = Intero(o, "numeroMusiche", 0, 24);
    Veri(o, "musicaSuonata", s.musicaSuonata);
    s.musica = Intero(o, "musica", 0, 24);
    return s;
}

Opzioni LeggiOpzioni(const json& o) {
    Opzioni op;
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        const std::string caption(OptionCaption(i));
        if (!SetOptionFromText(op, i, Testo(o, caption.c_str()))) {
            throw Guasto("option " + caption + " has an unknown value");
        }
    }
    return op;
}

std::vector<TimerSalvato> LeggiTimer(const json& v) {
    if (!v.is_array() || v.size() > static_cast<std::size_t>(kTimerCount)) {
        throw Guasto("timers is not a list");
    }
    std::array<std::string_view, kTimerCount> nomi{};
    for (int i = 0; i < kTimerCount; ++i) nomi[i] = TimerName(static_cast<Timer>(i));
    std::vector<TimerSalvato> out;
    std::set<int> visti;
    for (const json& t : v) {
        TimerSalvato s;
        const int i = Scelta_(t, "nome", nomi);
        if (!visti.insert(i).second) throw Guasto("a timer is listed twice");
        s.timer = static_cast<Timer>(i);
        s.intervalloMs = Intero(t, "intervallo", 1, 3600 * 1000);
        s.acceso = Vero(t, "acceso");
        s.restanoMs = Intero(t, "restano", 0, s.intervalloMs);
        out.push_back(s);
    }
    return out;
}

// Zeb's corner names only pictures the game has, and a line of text it can show.
ZebMostrato LeggiZeb(const json& o) {
    const auto una = [](const std::string& v, const std::vector<std::string>& ammessi) {
        return std::find(ammessi.begin(), ammessi.end(), v) != ammessi.end();
    };
    ZebMostrato z{Testo(o, "foto"), Testo(o, "commento"), Testo(o, "fumetto")};
    if (!z.foto.empty() && !una(z.foto, assets::Photos()) && z.foto != assets::kTavolo)
        throw Guasto("zeb has an unknown photo");
    if (!z.fumetto.empty() && !una(z.fumetto, assets::Bubbles()))
        throw Guasto("zeb has an unknown bubble");
    bool testo = z.commento.size() <= 200;
    for (std::size_t i = 0; testo && i < z.commento.size();) {
        const auto c = data::DecodeUtf8At(z.commento, i);
        testo = c && c->cp >= 0x20;
        if (c) i += c->length;
    }
    if (!testo) throw Guasto("zeb's remark is not a line of text");
    return z;
}

TorneoSalvato LeggiTorneo(const json& j) {
    TorneoSalvato s;
    s.nome = Testo(j, "nome");
    if (s.nome.empty()) throw Guasto("no player name");
    s.livello = kLivelliSalvabili[static_cast<std::size_t>(Scelta_(j, "livello", kNomiLivelli))];
    s.opzioni = LeggiOpzioni(Campo(j, "opzioni"));
    s.tavolo = LeggiTavolo(Campo(j, "tavolo"));
    s.umano = LeggiUmano(Campo(j, "umano"));
    s.punteggi.pc = LeggiColonna(Campo(Campo(j, "punteggi"), "pc"));
    s.punteggi.h = LeggiColonna(Campo(Campo(j, "punteggi"), "h"));
    s.partita = LeggiPartita(Campo(j, "partita"));
    const json& pc = Campo(j, "pc");
    s.onesta = Vero(pc, "onesta");
    s.cinqueDiCuori = Intero(pc, "cinqueDiCuori", 1, 2);
    const json& persona = Campo(j, "persona");
    s.persona.assoBevuto = Intero(persona, "assoBevuto", 1, 2);
    s.persona.gnammH = LeggiCiclo(Campo(persona, "gnammH"), 12);
    s.persona.gnammPCinf4 = LeggiCiclo(Campo(persona, "gnammPCinf4"), 8);
    s.persona.gnammPCsup4 = LeggiCiclo(Campo(persona, "gnammPCsup4"), 6);
    s.suoni = LeggiSuoni(Campo(j, "suoni"));
    s.casuale = Testo(j, "casuale");
    if (SeededRandom prova(0); !prova.restoreState(s.casuale))
        throw Guasto("casuale is not a state");
    s.timer = LeggiTimer(Campo(j, "timer"));
    if (j.contains("zeb")) s.zeb = LeggiZeb(Campo(j, "zeb"));
    return s;
}

}  // namespace

bool MomentoTranquillo(const Game& g) {
    if (g.livello == Livello::None || g.nome.empty()) return false;
    // The pause after a Gioco; after the last one there is no Torneo left to save.
    if (g.partita.esito != EsitoGioco::InCorso) return !g.partita.torneoFinito();
    // The human's pick among the table cards, not yet complete.
    const HumanTurnState& u = g.umano;
    if (u.cartaGiocata != 0) return u.puoiScegliere && !u.presaDecisa;
    // The human's turn, no card played yet, the deal over.
    const TableState& t = g.tavolo;
    if (t.aChiTocca != Player::H) return false;
    if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
        g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
        return false;
    }
    return std::any_of(t.carta.begin() + 4, t.carta.begin() + 7, [](Card c) { return !c.empty(); });
}

namespace {

// The state kept as it is, field by field, the same list for saving and for resuming: f(the
// game's field, the saved one).
template <class G, class S, class F>
void PerOgniCampo(G& g, S& s, F f) {
    f(g.nome, s.nome);
    f(g.livello, s.livello);
    f(g.opzioni, s.opzioni);
    f(g.tavolo, s.tavolo);
    f(g.umano, s.umano);
    f(g.punteggi, s.punteggi);
    f(g.partita, s.partita);
    f(g.pc.onesta, s.onesta);
    f(g.pc.cinqueDiCuori, s.cinqueDiCuori);
    f(g.persona, s.persona);
    f(g.suoni, s.suoni);
}

}  // namespace

TorneoSalvato FotografaTorneo(const Game& g) {
    TorneoSalvato s;
    PerOgniCampo(g, s, [](const auto& gioco, auto& salvato) { salvato = gioco; });
    s.casuale = g.rng.state();
    const TableView& v = g.vista;
    s.zeb = ZebMostrato{v.fotoZeb, v.lblCommenti.visible ? v.lblCommenti.text : "",
                        v.ImgFumetto.visible ? v.ImgFumetto.picture : ""};
    const Scheduler& sc = g.scheduler;
    for (int i = 0; i < kTimerCount; ++i) {
        const auto t = static_cast<Timer>(i);
        if (sc.interval(t) <= 0) continue;
        const bool acceso = sc.isEnabled(t);
        const int64_t resta = std::clamp<int64_t>(sc.remainingMs(t), 0, sc.interval(t));
        s.timer.push_back({t, sc.interval(t), acceso, acceso ? resta : 0});
    }
    // Running timers first, in the order they were started: timers due at the same moment
    // tick in that order.
    std::stable_sort(s.timer.begin(), s.timer.end(), [&](const auto& a, const auto& b) {
        if (a.acceso != b.acceso) return a.acceso;
        return a.acceso && sc.startOrder(a.timer) < sc.startOrder(b.timer);
    });
    return s;
}

namespace {

// The table as the state says, drawn with the table's own procedures: faces for the human's
// hand and the table, backs for the computer's hand, the deck while it holds cards (after the
// sixth deal and in the pause it is gone), and a pick under way outlined.
void MostraTavoloRipreso(Game& g) {
    const TableState salvato = g.tavolo;
    for (int p = 1; p < kNumeroPosti; ++p) {
        const Card c = salvato.carta[p];
        if (c.empty()) {
            SvuotaPosto(g, p);
        } else if (IsManoPC(p)) {
            MostraRetro(g, p);
            MostraCarta(g, p, Card());  // shows the place, keeping the back as its picture
        } else {
            MostraCarta(g, p, c);
        }
    }
    g.tavolo = salvato;
    const bool mazzo = salvato.carteRimasteNelMazzo > 0;
    g.vista.ImgCarta[kPostoMazzo].visible = mazzo;
    g.vista.ShpCarta[kPostoMazzo].visible = mazzo;
    MostraSceltaInCorso(g);
}

// Zeb's photo, and the remark running when the game was saved: its line and bubble stay until
// its timer, restored with the others, ends it.
void MostraZebRipreso(TableView& v, const ZebMostrato& z) {
    v.fotoZeb = z.foto;
    v.lblCommenti.text = z.commento;
    v.lblCommenti.visible = !z.commento.empty();
    v.ImgFumetto.picture = z.fumetto;
    v.ImgFumetto.visible = !z.fumetto.empty();
}

}  // namespace

void RiprendiTorneo(Game& g, const TorneoSalvato& s) {
    PerOgniCampo(g, s, [](auto& gioco, const auto& salvato) { gioco = salvato; });
    g.rng.restoreState(s.casuale);
    for (int i = 0; i < kTimerCount; ++i) {
        g.scheduler.disable(static_cast<Timer>(i));
        g.scheduler.setInterval(static_cast<Timer>(i), 0);
    }
    for (const TimerSalvato& t : s.timer) {
        if (t.acceso) {
            g.scheduler.resume(t.timer, t.intervalloMs, t.restanoMs);
        } else {
            g.scheduler.setInterval(t.timer, t.intervalloMs);
        }
    }
    MostraTavoloRipreso(g);
    if (s.zeb) MostraZebRipreso(g.vista, *s.zeb);
    MostraRiquadriDellaPausa(g, g.partita.esito != EsitoGioco::InCorso);
    if (g.partita.esito != EsitoGioco::InCorso) {
        g.vista.lblQuando.text = TestoQuando(g);
        g.annuncia(EventoFlusso::GiocoFinito);
    }
}

std::string TorneoInJson(const TorneoSalvato& s) {
    const TableState& t = s.tavolo;
    const HumanTurnState& u = s.umano;
    const MatchState& m = s.partita;
    nlohmann::ordered_json opzioni = nlohmann::ordered_json::object();
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        opzioni[std::string(OptionCaption(i))] = OptionText(s.opzioni, i);
    }
    nlohmann::ordered_json timer = nlohmann::ordered_json::array();
    for (const TimerSalvato& ts : s.timer) {
        timer.push_back({{"nome", TimerName(ts.timer)},
                         {"intervallo", ts.intervalloMs},
                         {"acceso", ts.acceso},
                         {"restano", ts.restanoMs}});
    }
    // In this order, the random state last: the file reads top down as the table does.
    nlohmann::ordered_json j = {
        {"formato", kFormatoTorneo},
        {"nome", s.nome},
        {"livello", NomeLivello(s.livello)},
        {"opzioni", opzioni},
        {"tavolo",
         {{"carta", Carte(t.carta)},
          {"presaDalMescolatore", t.presaDalMescolatore},
          {"carteDaGiocare", Carte(t.carteDaGiocare)},
          {"distribuita", t.distribuita},
          {"contatoreCartaDaEstrarre", t.contatoreCartaDaEstrarre},
          {"valoriRimasti", t.valoriRimasti},
          {"numeroCarteSulTavolo", t.numeroCarteSulTavolo},
          {"carteInManoAPC", t.carteInManoAPC},
          {"carteInManoAdH", t.carteInManoAdH},
          {"numeroCarteGiocate", t.numeroCarteGiocate},
          {"carteRimasteNelMazzo", t.carteRimasteNelMazzo},
          {"manche", t.manche},
          {"assoInTavola", t.assoInTavola},
          {"mazziere", TestoGiocatore(t.mazziere)},
          {"aChiTocca", TestoGiocatore(t.aChiTocca)},
          {"posizioneInserimentoCarta", t.posizioneInserimentoCarta},
          {"ultimaCattura", TestoGiocatore(t.ultimaCattura)}}},
        {"umano",
         {{"cartaGiocata", u.cartaGiocata},
          {"puoiScegliere", u.puoiScegliere},
          {"valoriUguali", u.valoriUguali},
          {"valoreTotalePresa", u.valoreTotalePresa},
          {"marcaPresa", u.marcaPresa},
          {"scelta", u.scelta},
          {"presaDecisa", u.presaDecisa},
          {"fuoco", u.fuoco}}},
        {"punteggi", {{"pc", Colonna_(s.punteggi.pc)}, {"h", Colonna_(s.punteggi.h)}}},
        {"partita",
         {{"partitePC", m.partitePC},
          {"partiteH", m.partiteH},
          {"gioco", m.gioco},
          {"giocoTerminato", m.giocoTerminato},
          {"contaUltimeCarte", m.contaUltimeCarte},
          {"vincitore", m.vincitore},
          {"alternaUltimaCattura", m.alternaUltimaCattura},
          {"esito", kNomiEsiti[static_cast<std::size_t>(m.esito)]}}},
        {"pc", {{"onesta", s.onesta}, {"cinqueDiCuori", s.cinqueDiCuori}}},
        {"persona",
         {{"assoBevuto", s.persona.assoBevuto},
          {"gnammH", Ciclo(s.persona.gnammH)},
          {"gnammPCinf4", Ciclo(s.persona.gnammPCinf4)},
          {"gnammPCsup4", Ciclo(s.persona.gnammPCsup4)}}},
        {"suoni",
         {{"spia",
           {{"busy", s.suoni.spia.busy},
            {"ambiente", s.suoni.spia.ambiente},
            {"foto", kNomiFoto[static_cast<std::size_t>(s.suoni.spia.foto)]},
            {"bordo", s.suoni.spia.bordo}}},
          {"contaMusiche", s.suoni.contaMusiche},
          {"numeroMusiche", s.suoni.numeroMusiche},
          {"musicaSuonata", s.suoni.musicaSuonata},
          {"musica", s.suoni.musica}}},
        {"casuale", s.casuale},
        {"timer", timer},
    };
    if (s.zeb) {
        j["zeb"] = {
            {"foto", s.zeb->foto}, {"commento", s.zeb->commento}, {"fumetto", s.zeb->fumetto}};
    }
    return j.dump(1) + "\n";
}

LetturaTorneo TorneoDaJson(std::string_view testo) {
    LetturaTorneo out;
    const json j = json::parse(testo, nullptr, false);
    if (j.is_discarded()) {
        out.errore = "not JSON";
        return out;
    }
    if (const auto nome = j.is_object() ? j.find("nome") : j.end();
        nome != j.end() && nome->is_string()) {
        out.nome = nome->get<std::string>();
    }
    try {
        const int formato = Intero(j, "formato", 1, 1000000);
        if (formato > kFormatoTorneo) {
            out.piuRecente = true;
            out.errore = "saved by a newer game (format " + std::to_string(formato) + ")";
            return out;
        }
        TorneoSalvato letto = LeggiTorneo(j);
        // A state the game itself could never be in might leave it with nothing to click.
        if (const auto rotto = ControllaTorneo(letto); !rotto.empty()) {
            throw Guasto("a state the game cannot be in: " + rotto.front());
        }
        out.torneo = std::move(letto);
    } catch (const Guasto& e) {
        out.errore = e.what();
    } catch (const json::exception& e) {
        out.errore = e.what();
    }
    return out;
}

}  // namespace gnamm
