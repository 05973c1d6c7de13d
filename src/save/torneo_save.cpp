#include "save/torneo_save.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "data/asset_catalog.h"
#include "data/data_folder.h"
#include "data/utf8.h"
#include "game/invariants.h"
#include "game/json_fields.h"
#include "rules/random.h"

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

json Mucchio_(const Mucchio& m) {
    json ultima = json::array(), gnamm = json::array();
    for (const Card c : m.ultimaPresa) ultima.push_back(c.code());
    for (const Card c : m.gnamm) gnamm.push_back(c.code());
    return {{"carte", m.carte}, {"ultimaPresa", ultima}, {"gnamm", gnamm}};
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

enum class Ignote { No, Ammesse };

// A list of cards, at most `max` of them. The empty text stands for a card nobody knows, where
// the list allows it.
std::vector<Card> LeggiListaCarte(const json& o, const char* nome, std::size_t max,
                                  Ignote ignote = Ignote::No) {
    const json& v = Campo(o, nome);
    if (!v.is_array() || v.size() > max) throw Guasto(std::string(nome) + " is not a list");
    std::vector<Card> out;
    for (const json& c : v) {
        if (ignote == Ignote::Ammesse && c == "") {
            out.push_back(Card());
            continue;
        }
        const auto carta = c.is_string() ? Card::Parse(c.get<std::string>()) : std::nullopt;
        if (!carta || carta->empty()) throw Guasto(std::string(nome) + " holds a non-card");
        out.push_back(*carta);
    }
    return out;
}

Mucchio LeggiMucchio(const json& o) {
    Mucchio m;
    m.carte = Intero(o, "carte", 0, 40);
    m.ultimaPresa = LeggiListaCarte(o, "ultimaPresa", 40);
    m.gnamm = LeggiListaCarte(o, "gnamm", 40, Ignote::Ammesse);
    return m;
}

// What the scoreboard knows of the piles: the counts, and a Punto Gnamm for each it scored,
// whose card nobody knows (it lies crosswise face down).
Mucchi MucchiDalTabellone(const Scoreboard& s) {
    Mucchi m;
    m.pc.carte = s.pc.prese[3];
    m.h.carte = s.h.prese[3];
    m.pc.gnamm.assign(static_cast<std::size_t>(s.pc.puntiGnamm), Card());
    m.h.gnamm.assign(static_cast<std::size_t>(s.h.puntiGnamm), Card());
    return m;
}

// The piles of a save: a save of before them, or piles that do not agree with the scoreboard,
// get the counts alone, and the rest of the Torneo still reads. True when they were damaged.
bool LeggiMucchi(const json& j, int formato, TorneoSalvato& s) {
    s.mucchi = MucchiDalTabellone(s.punteggi);
    if (formato < 2) return false;
    try {
        const json& o = Campo(j, "mucchi");
        Mucchi letti{LeggiMucchio(Campo(o, "pc")), LeggiMucchio(Campo(o, "h"))};
        const bool pausa = s.partita.esito != EsitoGioco::InCorso;
        const auto quando = pausa ? MomentoMucchi::FineGioco : MomentoMucchi::Fermo;
        if (!ControllaMucchi(letti, s.punteggi, quando).empty()) return true;
        s.mucchi = std::move(letti);
        return false;
    } catch (const Guasto&) {
        return true;
    } catch (const json::exception&) {
        return true;
    }
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
    m.esito = static_cast<EsitoGioco>(Scelta_(o, "esito", kNomiEsiti));
    return m;
}

SpiaSuoni LeggiSpia(const json& spia) {
    SpiaSuoni s;
    s.busy = Vero(spia, "busy");
    s.ambiente = Intero(spia, "ambiente", 0, 30);
    s.foto = static_cast<FotoImpazienza>(Scelta_(spia, "foto", kNomiFoto));
    s.bordo = Vero(spia, "bordo");
    return s;
}

SoundState LeggiSuoni(const json& o) {
    SoundState s;
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
    s.persona.alternaUltimaCattura = Vero(Campo(j, "partita"), "alternaUltimaCattura");
    const json& pc = Campo(j, "pc");
    s.onesta = Vero(pc, "onesta");
    s.persona.cinqueDiCuori = Intero(pc, "cinqueDiCuori", 1, 2);
    const json& persona = Campo(j, "persona");
    s.persona.assoBevuto = Intero(persona, "assoBevuto", 1, 2);
    s.persona.gnammH = LeggiCiclo(Campo(persona, "gnammH"), 12);
    s.persona.gnammPCinf4 = LeggiCiclo(Campo(persona, "gnammPCinf4"), 8);
    s.persona.gnammPCsup4 = LeggiCiclo(Campo(persona, "gnammPCsup4"), 6);
    s.spia = LeggiSpia(Campo(Campo(j, "suoni"), "spia"));
    s.suoni = LeggiSuoni(Campo(j, "suoni"));
    s.casuale = Testo(j, "casuale");
    if (SeededRandom prova(0); !prova.restoreState(s.casuale))
        throw Guasto("casuale is not a state");
    s.timer = LeggiTimer(Campo(j, "timer"));
    if (j.contains("zeb")) s.zeb = LeggiZeb(Campo(j, "zeb"));
    return s;
}

}  // namespace

TorneoSalvato FotografaTorneo(const Game& g, const NonnoZeb& zeb, const Suoni& suoni) {
    TorneoSalvato s;
    static_cast<GiocoSalvato&>(s) = FotografaGioco(g);
    s.persona = zeb.stato;
    s.zeb = AngoloMostrato(zeb);
    s.suoni = suoni.stato;
    return s;
}

void RiprendiTorneo(Game& g, NonnoZeb& zeb, Suoni& suoni, const TorneoSalvato& s) {
    zeb.stato = s.persona;
    suoni.stato = s.suoni;
    RiprendiGioco(g, s);
    if (s.zeb) RiprendiAngolo(zeb, *s.zeb);
}

namespace {

// The cards and counters of the table, in the order the file has always kept them.
nlohmann::ordered_json TavoloInJson(const TableState& t) {
    return {{"carta", Carte(t.carta)},
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
            {"ultimaCattura", TestoGiocatore(t.ultimaCattura)}};
}

nlohmann::ordered_json TimerInJson(const std::vector<TimerSalvato>& salvati) {
    nlohmann::ordered_json timer = nlohmann::ordered_json::array();
    for (const TimerSalvato& ts : salvati) {
        timer.push_back({{"nome", TimerName(ts.timer)},
                         {"intervallo", ts.intervalloMs},
                         {"acceso", ts.acceso},
                         {"restano", ts.restanoMs}});
    }
    return timer;
}

}  // namespace

std::string TorneoInJson(const TorneoSalvato& s) {
    const HumanTurnState& u = s.umano;
    const MatchState& m = s.partita;
    nlohmann::ordered_json opzioni = nlohmann::ordered_json::object();
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        opzioni[std::string(OptionCaption(i))] = OptionText(s.opzioni, i);
    }
    // In this order, the random state last: the file reads top down as the table does.
    nlohmann::ordered_json j = {
        {"formato", kFormatoTorneo},
        {"nome", s.nome},
        {"livello", NomeLivello(s.livello)},
        {"opzioni", opzioni},
        {"tavolo", TavoloInJson(s.tavolo)},
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
        {"mucchi", {{"pc", Mucchio_(s.mucchi.pc)}, {"h", Mucchio_(s.mucchi.h)}}},
        {"partita",
         {{"partitePC", m.partitePC},
          {"partiteH", m.partiteH},
          {"gioco", m.gioco},
          {"giocoTerminato", m.giocoTerminato},
          {"contaUltimeCarte", m.contaUltimeCarte},
          {"vincitore", m.vincitore},
          {"alternaUltimaCattura", s.persona.alternaUltimaCattura},
          {"esito", kNomiEsiti[static_cast<std::size_t>(m.esito)]}}},
        {"pc", {{"onesta", s.onesta}, {"cinqueDiCuori", s.persona.cinqueDiCuori}}},
        {"persona",
         {{"assoBevuto", s.persona.assoBevuto},
          {"gnammH", Ciclo(s.persona.gnammH)},
          {"gnammPCinf4", Ciclo(s.persona.gnammPCinf4)},
          {"gnammPCsup4", Ciclo(s.persona.gnammPCsup4)}}},
        {"suoni",
         {{"spia",
           {{"busy", s.spia.busy},
            {"ambiente", s.spia.ambiente},
            {"foto", kNomiFoto[static_cast<std::size_t>(s.spia.foto)]},
            {"bordo", s.spia.bordo}}},
          {"contaMusiche", s.suoni.contaMusiche},
          {"numeroMusiche", s.suoni.numeroMusiche},
          {"musicaSuonata", s.suoni.musicaSuonata},
          {"musica", s.suoni.musica}}},
        {"casuale", s.casuale},
        {"timer", TimerInJson(s.timer)},
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
        out.mucchiRifatti = LeggiMucchi(j, formato, letto);
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
