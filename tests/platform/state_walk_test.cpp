// Walks one game through every state the player meets, from the splash to the farewell, at
// three screen sizes, and draws each state with the real font: every visible element that
// shows a text or a picture must lie inside the window, no text may be cut off by its box, and
// no element drawn above a text may cover it. The player's name has the greatest length the
// name box takes; the ranking is full.
//
// The frames drawn are left as PNG files in the build folder (state-walk/), to be looked at.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/asset_catalog.h"
#include "data/asset_resolver.h"
#include "data/data_files.h"
#include "game/hall_of_fame.h"
#include "platform/first_picture.h"
#include "platform/scale.h"
#include "platform/screen_renderer.h"
#include "platform/z_order.h"
#include "rules/capture_rules.h"
#include "rules/timers.h"
#include "save/torneo_file.h"
#include "save/torneo_save.h"
#include "sdl_fixture.h"
#include "ui/ui_fixture.h"

namespace gnamm::platform {
namespace {

namespace fs = std::filesystem;

// 24 characters, wide ones: the longest name the splash takes.
constexpr std::string_view kNome = "Wolfgang Maximilian Merz";
// A notice as long as the longest the game says, with a deep folder in it.
constexpr std::string_view kAvvisoLungo =
    "Nella cartella /home/giocatore/.local/share/gnamm/Carte mancano 12 file delle carte: Ac, "
    "2c, 3c, 4c, 5c e altri 7. Al loro posto si vedono riquadri grigi.";

fs::path BuildFolder() {
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    return tmp ? fs::path(tmp).parent_path() : fs::temp_directory_path();
}

// The generated pictures when the build has them, plain grey ones otherwise.
PictureLoader Pictures(std::unique_ptr<AssetResolver>& resolver) {
    const fs::path assets = BuildFolder() / "assets";
    if (fs::is_directory(assets / "Grafica")) {
        resolver = std::make_unique<AssetResolver>(assets);
        return FileLoader(*resolver);
    }
    return [](std::string_view) { return testing_support::SolidSurface(64, 64, {90, 90, 90}); };
}

std::string Descrivi(const Element& e, Rect r) {
    const std::string cosa = !e.text.empty() ? "\"" + e.text.substr(0, 40) + "\"" : e.picture;
    return cosa + " at " + std::to_string(r.x) + "," + std::to_string(r.y) + " " +
           std::to_string(r.w) + "x" + std::to_string(r.h);
}

// True when the element paints something over what lies below it.
bool Dipinge(const Placed& p) {
    const Element& e = *p.element;
    return !e.text.empty() || !e.picture.empty() || e.opaque || e.border ||
           p.drawing == Drawing::List || p.drawing == Drawing::Cervello;
}

// Overlapping by more than a hair: borders meeting at a rounded edge hide nothing.
bool SiCoprono(Rect a, Rect b) {
    constexpr int kPelo = 15;
    const int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > kPelo && h > kPelo;
}

// The element itself or one of the frames it is drawn in is `cornice`.
bool Dentro(const Screen& s, const Element* e, const Element& cornice) {
    for (int depth = 0; e && depth < 8; ++depth, e = FrameElement(s, e->frame)) {
        if (e == &cornice) return true;
    }
    return false;
}

// The overlays meant to stand over texts, with what they hold: each covers what lies outside
// it, never a text of its own.
bool CoperturaVoluta(const Screen& s, const Element& sopra, const Element& testo) {
    std::vector<const Element*> sovrapposti = {
        // The bar panels and their card cover stand over the table until they close.
        &s.FraPannello[0], &s.FraPannello[1], &s.FraPannello[2], &s.FraPannello[3],
        &s.FraPannello[4], &s.lblCopriCarte,
        // The notice and the splash stand over everything until the player closes them.
        &s.FraAvviso, &s.FraSplash,
        // The record page opens over the hall of fame it is asked from.
        &s.FraStatistiche,
        // The search's diagnostic panel, opened on purpose, covers the foot of the window.
        &s.FraCervello};
    for (const Element* c : sovrapposti) {
        if (Dentro(s, &sopra, *c) && !Dentro(s, &testo, *c)) return true;
    }
    // A card on its way passes over whatever lies between its two places.
    if (&sopra >= s.ImgVolo.data() && &sopra < s.ImgVolo.data() + s.ImgVolo.size()) return true;
    // The record page lies in the hall of fame's frame, over all the rest of it.
    auto pagina = [&s](const Element& e) {
        return &e == &s.FraStatistiche || &e == &s.lblTitoloStatistiche ||
               &e == &s.lblChiudiStatistiche ||
               (&e >= s.lblStatistiche.data() &&
                &e < s.lblStatistiche.data() + s.lblStatistiche.size());
    };
    if (pagina(sopra) && !pagina(testo)) return true;
    // After a Torneo the prompt's band stands over the hall of fame's own instruction, saying
    // the same.
    return Dentro(s, &sopra, s.FraQuando) && &testo == &s.lblRegole[19];
}

// Every visible text against every element drawn above it.
void NessunTestoCoperto(const Screen& s) {
    const std::vector<Placed> placed = VisibleInZOrder(s);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Element& testo = *placed[i].element;
        if (testo.text.empty()) continue;
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const Element& sopra = *placed[j].element;
            if (!Dipinge(placed[j]) || !SiCoprono(placed[i].rect, placed[j].rect) ||
                CoperturaVoluta(s, sopra, testo)) {
                continue;
            }
            ADD_FAILURE() << "text covered: " << Descrivi(testo, placed[i].rect) << " under "
                          << Descrivi(sopra, placed[j].rect);
        }
    }
}

using Dimensione = std::pair<int, int>;  // the window's width and height

class StateWalk : public test_ui::UiTest, public ::testing::WithParamInterface<Dimensione> {
  protected:
    StateWalk() {
        screen_ = std::make_unique<ScreenRenderer>(canvas_.renderer.get(), Pictures(resolver_),
                                                   FindFonts());
        screen_->setWholeFrames(true);
        shots_ = BuildFolder() / "state-walk";
        fs::create_directories(shots_);
    }

    void click(TargetKind kind, int index = 0) { g.click({kind, index}); }

    // Draws the state and checks every element that shows something.
    void guarda(const Screen& s, const std::string& stato) {
        SCOPED_TRACE(stato);
        const auto [w, h] = GetParam();
        screen_->draw(s);
        const Scale sc = screen_->scale();
        for (const Placed& p : VisibleInZOrder(s)) {
            const Element& e = *p.element;
            const bool mostra = !e.text.empty() || !e.picture.empty() ||
                                p.drawing == Drawing::List || p.drawing == Drawing::Cervello;
            if (!mostra) continue;
            EXPECT_TRUE(e.picture.empty() || std::ranges::count(catalogo_, e.picture) == 1)
                << "no such picture: " << e.picture;
            const Rect r = sc.toPixels(p.rect);
            EXPECT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= w &&
                        r.y + r.h <= h)
                << "not inside the window: " << Descrivi(e, r);
            if (e.frame >= FrameId::Pannello0 && e.frame <= FrameId::Pannello4) {
                // Inside a panel, clear of its frame by a margin.
                const Rect f = FrameElement(s, e.frame)->rect;
                const int mx = 120 * s.widthTwips / 12000, my = 120 * s.heightTwips / 9000;
                EXPECT_TRUE(e.rect.x >= mx && e.rect.y >= my && e.rect.x + e.rect.w <= f.w - mx &&
                            e.rect.y + e.rect.h <= f.h - my)
                    << "against its panel's frame: " << Descrivi(e, e.rect);
            }
        }
        NessunTestoCoperto(s);
        for (const Element* e : screen_->textsCut()) {
            ADD_FAILURE() << "text cut off: " << Descrivi(*e, e->rect);
        }
        char file[128];
        std::snprintf(file, sizeof file, "%dx%d-%02d-%s.png", w, h, ++numero_, stato.c_str());
        IMG_SavePNG(canvas_.surface.get(), (shots_ / file).c_str());
        impronte_ += std::string(file) + " " + ImprontaPixel(*canvas_.surface) + "\n";
        visti_.push_back(stato);
    }
    void guarda(const std::string& stato) {
        Anima(g);  // the cards in flight where the clock has them
        guarda(g.screen, stato);
    }
    // Where an element of the game's screen lay in the last frame, in pixels.
    Rect inPixel(const Element& e) const {
        return screen_->scale().toPixels(testing_support::PlacedRect(g.screen, e));
    }

    // True when nothing covers the middle of the element: the player sees it and clicks it.
    static bool inCima(const Screen& s, const Element& e) {
        const std::vector<Placed> placed = VisibleInZOrder(s);
        const Rect r = testing_support::PlacedRect(s, e);
        const Placed* top = TopmostAt(placed, r.x + r.w / 2, r.y + r.h / 2);
        return r.w > 0 && top && top->element == &e;
    }
    void promptInCima(const Screen& s) {
        EXPECT_TRUE(inCima(s, s.lblQuando)) << s.lblQuando.text;
        EXPECT_TRUE(inCima(s, s.cmdQuando));
    }

    // The human's move: the first card, or a legal capture picked one card after the other.
    // The first pick of several cards is looked at halfway.
    void giocaUmano() {
        const HumanTurnState& u = g.game.umano;
        if (g.game.tavolo.aChiTocca == Player::H && u.cartaGiocata == 0) {
            for (const int k : {4, 5, 6}) {
                if (!g.game.tavolo.carta[k].empty()) return click(TargetKind::Carta, k);
            }
        }
        if (!u.puoiScegliere || u.presaDecisa) return;
        const int v = g.game.tavolo.valore(u.cartaGiocata);
        if (u.valoriUguali) {
            for (const int i : kPostiTavolo) {
                if (g.game.tavolo.valore(i) == v) return click(TargetKind::Carta, i);
            }
        }
        const auto combinazioni = CombinazioniSomma(g.game.tavolo.carta, v);
        ASSERT_FALSE(combinazioni.empty());
        for (const int i : combinazioni.front()) {
            if (u.scelta[i]) continue;
            click(TargetKind::Carta, i);
            if (!sceltaVista_ && !u.presaDecisa) {
                sceltaVista_ = true;
                guarda("scelta");
            }
        }
    }

    void apriEChiudi(TargetKind kind, int index, const std::string& stato) {
        click(kind, index);
        guarda(stato);
        click(kind, index);
    }

    bool visto(const std::string& stato) const {
        return std::find(visti_.begin(), visti_.end(), stato) != visti_.end();
    }

    // The frames' prints against those kept in tests/golden: a change meant to leave the
    // table as it was must leave every pixel of every state as it was. The grey pictures of a
    // build without assets have prints of their own.
    void confrontaImpronte() const {
        const auto [w, h] = GetParam();
        const std::string nome = std::string(resolver_ ? "assets" : "grey") + "-" +
                                 std::to_string(w) + "x" + std::to_string(h) + ".txt";
        const fs::path attese = fs::path(GNAMM_GOLDEN_DIR) / "state-walk" / nome;
        WriteText(shots_ / nome, impronte_);
        if (std::getenv("GNAMM_UPDATE_GOLDEN")) WriteText(attese, impronte_);
        EXPECT_EQ(impronte_, ReadText(attese)) << "the frames differ from " << attese;
    }

  private:
    static std::string ImprontaPixel(const SDL_Surface& s) {
        uint64_t hash = 14695981039346656037ull;  // FNV-1a over the visible bytes of each row
        const auto* righe = static_cast<const unsigned char*>(s.pixels);
        for (int y = 0; y < s.h; ++y) {
            for (int x = 0; x < s.w * s.format->BytesPerPixel; ++x) {
                hash = (hash ^ righe[y * s.pitch + x]) * 1099511628211ull;
            }
        }
        char testo[17];
        std::snprintf(testo, sizeof testo, "%016llx", static_cast<unsigned long long>(hash));
        return testo;
    }
    static void WriteText(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string ReadText(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string impronte_;
    testing_support::SoftwareCanvas canvas_{GetParam().first, GetParam().second};
    std::unique_ptr<AssetResolver> resolver_;
    std::unique_ptr<ScreenRenderer> screen_;
    fs::path shots_;
    int numero_ = 0;
    bool sceltaVista_ = false;
    std::vector<std::string> visti_;
    const std::vector<std::string> catalogo_ = assets::AllPictures();
};

TEST_P(StateWalk, EveryElementOfEveryStateHasItsPlaceAndItsTextFits) {
    const auto [w, h] = GetParam();
    // The long name already heads the ranking and the hall of fame.
    data::PrepareDataFolder(dati.dati());
    data::Ranking classifica;
    classifica.righe[0] = {std::string(kNome), 2};
    for (std::size_t i = 1; i < classifica.righe.size(); ++i) {
        classifica.righe[i] = {"Giocatore numero " + std::to_string(i + 1), 1};
    }
    classifica.totalePartite = 1;
    data::SaveRanking(dati.dati(), classifica);
    data::SaveAlbo(dati.dati(),
                   {RigaAlbo(1, std::string(kNome), "'Cheat' Zeb", 3, 2, 31, 12, 2026, 23, 59)});
    // As the window does: the layout fitted to the largest 4:3 area, the margins beside it.
    const CanvasTwips canvas = FittedCanvas(w, h);
    Avvio(g, canvas.w, canvas.h);
    // Two notices wait from start-up, the first as long as any the game says.
    g.game.avvisi.scriviStderr = false;
    g.game.avvisi.aggiungi(std::string(kAvvisoLungo));
    g.game.avvisi.aggiungi("Non si è trovato nessun dispositivo audio: Gnamm gioca senza suoni.");
    g.screen.txtNome.text.clear();
    g.textInput(kNome);
    guarda("splash");
    EXPECT_TRUE(inCima(g.screen, g.screen.txtNome) && inCima(g.screen, g.screen.lblAvviso));
    // The splash shown alone before the game was set up lay where this frame puts it.
    const Rect splash = inPixel(g.screen.ImgSplash);
    const SDL_Rect first = FirstPictureRect(w, h);
    EXPECT_EQ(std::tie(first.x, first.y, first.w, first.h),
              std::tie(splash.x, splash.y, splash.w, splash.h));
    g.key(Key::Enter);
    guarda("livelli");
    for (const Element& tasto : g.screen.lblTastoLivello) EXPECT_TRUE(inCima(g.screen, tasto));
    g.game.opzioni.mostraManina = true;
    g.key(Key::Digit2);
    avanza(700);
    guarda("distribuzione");

    TorneoSalvato salvato;  // the human's turn
    for (int passi = 0; passi < 200000 && !visto("fine-torneo"); ++passi) {
        const Screen& s = g.screen;
        // A card dealt to a hand, a third of its way from the deck or more, not yet in its place
        // ("distribuzione" caught an opening card on its way).
        const auto dato = std::ranges::find_if(g.voli.voli(), [&](const Volo& v) {
            return v.da == s.ImgCarta[kPostoMazzo].rect && v.posto >= 1 && v.posto <= 6 &&
                   clock.nowMs() >= v.inizio + v.durata / 3 && clock.nowMs() < v.inizio + v.durata;
        });
        if (!visto("distribuzione-in-volo") && dato != g.voli.voli().end()) {
            guarda("distribuzione-in-volo");
        }
        if (s.FraQuando.visible) {
            switch (g.game.partita.esito) {
                case EsitoGioco::TorneoPC:
                case EsitoGioco::TorneoH:
                    guarda("fine-torneo");
                    promptInCima(s);
                    continue;
                case EsitoGioco::PartitaPC:
                case EsitoGioco::PartitaH:
                    if (!visto("fine-partita")) {
                        guarda("fine-partita");
                        promptInCima(s);
                    }
                    break;
                default:
                    if (!visto("fine-gioco")) {
                        guarda("fine-gioco");
                        // The longest of the prompts, whatever this Torneo's totals.
                        Screen spareggio = s;
                        spareggio.lblQuando.text = "Occorre un altro Gioco di spareggio, " +
                                                   std::string(kNome) +
                                                   ": clicca su INVIO per continuare!";
                        guarda(spareggio, "spareggio");
                        promptInCima(s);
                    }
                    break;
            }
            g.key(Key::Enter);
        } else if (g.game.scheduler.isEnabled(Timer::EffettuaMossaPC) && !visto("mossa-zeb")) {
            click(TargetKind::AssoInTavola);
            guarda("mossa-zeb");
            click(TargetKind::TimerLabel);
            guarda("mossa-zeb-ferma");
            click(TargetKind::TimerLabel);
            click(TargetKind::AssoInTavola);
        } else if (const auto alMucchio =
                       std::ranges::find(g.voli.voli(), kNessunPosto, &Volo::posto);
                   !visto("presa-in-volo") && alMucchio != g.voli.voli().end() &&
                   clock.nowMs() >= alMucchio->inizio + alMucchio->durata / 2) {
            // Past halfway to the pile, between the place it left and the pile.
            guarda("presa-in-volo");
            // The piles as the flow keeps them: a Punto Gnamm on each, just landed on the
            // human's, then his last capture held up.
            const auto c = [](int n) { return Card::FromDeckPosition(n); };
            const Mucchi veri = g.game.mucchi;
            g.game.mucchi.pc = {14, {c(5), c(15)}, {c(25)}};
            g.game.mucchi.h = {9, {c(3), c(23), c(33)}, {c(18), c(28)}};
            RefreshScreen(g);
            guarda("punto-gnamm");
            g.mouseDown({TargetKind::Mucchio, 1});
            guarda("ultima-presa");
            g.mouseUp({});
            g.game.mucchi = veri;  // the rest of the walk with the piles the game made
            RefreshScreen(g);
        } else if (g.game.tavolo.aChiTocca == Player::H && g.game.umano.cartaGiocata == 0 &&
                   !visto("turno")) {
            guarda("turno");
            EXPECT_TRUE(inCima(s, s.ImgManina)) << "the pointing hand is hidden";
            for (const int k : {4, 5, 6}) EXPECT_TRUE(inCima(s, s.ImgCarta[k])) << k;
            EXPECT_TRUE(inCima(s, s.lblAvviso) && inCima(s, s.lblIstruzioni));
            g.key(Key::Escape);
            guarda("avviso");
            g.key(Key::Escape);
            EXPECT_FALSE(s.FraAvviso.visible || s.FraPannello[1].visible);
            apriEChiudi(TargetKind::Pannelli, 0, "regole");
            // The last page, the longest text: back from the first.
            click(TargetKind::Pannelli, 0);
            g.key(Key::Left);
            guarda("regole-tabellone");
            click(TargetKind::Pannelli, 0);
            apriEChiudi(TargetKind::Pannelli, 1, "uscita");
            apriEChiudi(TargetKind::Pannelli, 2, "opzioni");
            apriEChiudi(TargetKind::Classifica, 0, "classifica");
            apriEChiudi(TargetKind::Abilita, 0, "abilita");
            g.key(Key::S);
            guarda("statistiche-vuote");
            g.key(Key::Escape);
            salvato = FotografaTorneo(g.game, g.zeb, g.suoni);
            // Zeb's advice from the bar: its cards outlined, its line in the notes; then the
            // longest line it can write.
            click(TargetKind::Consiglio);
            guarda("consiglio");
            EXPECT_FALSE(g.consiglio.segni.empty());
            for (const int p : g.consiglio.segni) EXPECT_TRUE(s.ShpContornoCarta[p].visible);
            Screen lunga = s;
            lunga.lblIstruzioni.text =
                "Zeb giocherebbe l'Asso di Quadri: prende K, K, Q, Q, J, J, 7, 7, 7, 5 e 5, e ti "
                "porta un Punto Gnamm, quattro Sette, sei Quadri, sei Figure e il 5 di Cuori";
            guarda(lunga, "consiglio-lungo");
        } else {
            giocaUmano();
        }
        avanza(50);
    }
    for (const char* stato : {"distribuzione-in-volo", "turno", "scelta", "mossa-zeb",
                              "presa-in-volo", "fine-gioco", "fine-partita", "fine-torneo"}) {
        EXPECT_TRUE(visto(stato)) << "never reached: " << stato;
    }

    // The record after the Torneo, from the hall of fame's caption: one Torneo at 'Cunning'.
    click(TargetKind::Statistiche);
    guarda("statistiche");
    // Column 2, 'Cunning': its name, Tornei won, Tornei lost; nothing lost at 'Honest'.
    const bool vinto = g.game.partita.esito == EsitoGioco::TorneoH;
    const auto& st = g.screen.lblStatistiche;
    EXPECT_EQ(std::tuple(st[2].text, st[4 + 2].text, st[8 + 2].text, st[8 + 1].text),
              std::tuple("'Cunning'", vinto ? "1" : "0", vinto ? "0" : "1", "0"));

    click(TargetKind::Statistiche);
    EXPECT_FALSE(g.screen.FraStatistiche.visible);

    // The Torneo saved at the human's turn (the end of the Torneo deleted the file), offered
    // again to the same name and taken up.
    ASSERT_TRUE(ScriviTorneo(dati.dati(), salvato));
    {
        SeededRandom rng2{5};
        RecordingMediaPlayer media2{clock};
        Finestra dopo{clock, rng2, media2, g.game.paths};
        Avvio(dopo, canvas.w, canvas.h);
        dopo.screen.txtNome.text = std::string(kNome);
        dopo.key(Key::Enter);
        guarda(dopo.screen, "domanda-ripresa");
        dopo.key(Key::S);
        guarda(dopo.screen, "ripresa");
    }

    g.key(Key::Enter);
    guarda("nuovo-torneo");
    g.key(Key::Escape);
    click(TargetKind::Uscita, 0);
    guarda("congedo");
    EXPECT_TRUE(inCima(g.screen, g.screen.lblRegole[14])) << "the farewell is hidden";
    confrontaImpronte();
}

INSTANTIATE_TEST_SUITE_P(Screens, StateWalk,
                         ::testing::Values(Dimensione{800, 600}, Dimensione{1024, 768},
                                           Dimensione{1920, 1080}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

}  // namespace
}  // namespace gnamm::platform
