// Where the splash, the bar, the side boxes and the panels sit in the 12000 x 9000 window.
// Elements inside a frame are placed relative to it.
#include "ui/panels_layout.h"

#include <string>

#include "rules/options.h"
#include "ui/options_panel.h"
#include "ui/rules_text.h"

namespace gnamm {

namespace {

constexpr int kLarghezzaPannello = kPannello.w;
constexpr Rgb kVerdeScuro{0, 96, 0};

Element Testo(FrameId frame, Rect r, std::string text, float font = 8.25f, bool bold = false) {
    Element e;
    e.frame = frame;
    e.rect = r;
    e.text = std::move(text);
    e.fontSize = font;
    e.bold = bold;
    return e;
}

// A panel's title: centred, clear of the frame on both sides.
Element Titolo(FrameId frame, int y, std::string text, float font = 15.75f) {
    Element e = Testo(frame, {240, y, kPannello.w - 480, 480}, std::move(text), font, true);
    e.align = Align::Center;
    return e;
}

Element Figura(FrameId frame, Rect r, std::string picture = {}) {
    Element e;
    e.frame = frame;
    e.rect = r;
    e.picture = std::move(picture);
    return e;
}

void Splash(Screen& s) {
    constexpr FrameId f = FrameId::Splash;
    s.FraSplash = Figura(FrameId::None, {0, 0, 12000, 9000});
    s.FraSplash.opaque = true;
    s.FraSplash.back = colors::kBlack;
    // Start-up raises the splash; a game that has not started up takes clicks at once.
    s.FraSplash.visible = false;
    s.ImgSplash = Figura(f, {0, 0, 12000, 9000});
    s.lblNonnoZeb = Testo(f, {2400, 900, 7200, 720}, "Nonno Zeb ti sfida a", 24.0f, true);
    s.lblNonnoZeb.fore = colors::kYellow;
    s.ImgTitolo = Figura(f, {3300, 1800, 5400, 2100});
    s.lblInserisci =
        Testo(f, {2400, 6000, 7200, 480}, "Inserisci il tuo Nome e poi premi INVIO", 14.25f, true);
    s.lblInserisci.fore = colors::kWhite;
    s.lblInserisci.visible = false;  // the blinking shows it on its first tick
    // Wide enough for a name of 24 characters.
    s.txtNome = Testo(f, {3300, 6600, 5400, 480}, "", 14.25f, true);
    s.txtNome.opaque = true;
    s.txtNome.border = true;
    s.lblRisoluzioni =
        Testo(f, {1200, 8160, 9600, 300},
              "1920 x 1440 - 1600 x 1200 - 1280 x 960 - 1024 x 768 - 800 x 600", 8.25f);
    s.lblRisoluzioni.fore = colors::kWhite;
    s.lblVersione = Testo(f, {10320, 8580, 1560, 300}, "Vers. Mirto", 8.25f);
    s.lblVersione.fore = colors::kWhite;
}

// The bar along the top: the side box toggles at its left, then the panel captions.
void Barra(Screen& s) {
    s.ImgBarra = Figura(FrameId::None, {3240, 0, 8760, 390});
    constexpr std::array<const char*, 3> kVoci = {"Regole", "Esci", "Opzioni"};
    for (std::size_t k = 0; k < kVoci.size(); ++k) {
        s.lblPannelli[k] = Testo(FrameId::None, {6720 + static_cast<int>(k) * 900, 60, 840, 270},
                                 kVoci[k], 8.25f, true);
        s.lblPannelli[k].fore = colors::kWhite;
    }
    s.lblClassifica = Testo(FrameId::None, {9420, 60, 840, 270}, "Classifica", 8.25f, true);
    s.lblClassifica.fore = colors::kWhite;
    s.lblAbilita = Testo(FrameId::None, {10320, 60, 780, 270}, "Abilità", 8.25f, true);
    s.lblAbilita.fore = colors::kWhite;
    s.lblConsiglio = Testo(FrameId::None, {11130, 60, 840, 270}, "Consiglio", 8.25f, true);
    s.lblConsiglio.fore = colors::kWhite;
}

// The side boxes: "Dati" and "Punti" at the right, "Notes" and "Zeb" at the left. Their toggles
// sit on the bar.
void Riquadri(Screen& s) {
    constexpr std::array<Rect, 4> kBox = {{
        {8880, 480, 3060, 2760},   // Dati: the Torneo data
        {8880, 5940, 3060, 3000},  // Punti: the scoreboard
        {60, 5940, 3060, 3000},    // Notes: the instructions
        {60, 60, 3060, 3480},      // Zeb: his photo and remarks
    }};
    constexpr std::array<const char*, 4> kToggle = {"Dati", "Punti", "Notes", "Zeb"};
    for (std::size_t k = 0; k < 4; ++k) {
        Element& box = s.FraRiquadro[k];
        box.rect = kBox[k];
        box.frame = FrameId::None;
        box.opaque = true;
        box.back = s.windowBack;
        box.border = true;
        Element& t = s.lblRiquadri[k];
        t = Testo(FrameId::None, {3300 + static_cast<int>(k) * 780, 60, 720, 270}, kToggle[k],
                  8.25f, true);
        t.border = true;
        t.fore = colors::kWhite;
    }
    const FrameId zeb = RiquadroFrame(3);
    s.ImgRiquadro[0] = Figura(zeb, {120, 120, 2820, 2340});
    s.ImgFumetto = Figura(zeb, {60, 2520, 2940, 900});
    s.ImgFumetto.visible = false;
    s.lblCommenti = Testo(zeb, {240, 2700, 2580, 540}, "", 9.75f, true);
    s.lblCommenti.visible = false;
    const FrameId notes = RiquadroFrame(2);
    s.lblIstruzioni = Testo(notes, {120, 120, 2820, 1800}, "", 9.75f, true);
    // The pointing hand stands between the table row and the player's hand, over the first
    // card, pointing down at it: under the notes box, where it once was, it never showed.
    s.ImgManina = Figura(FrameId::None, {3855, 5905, 525, 525}, "\\Grafica\\Manina.gif");
    s.ImgManina.visible = false;
}

void Regole(Screen& s) {
    constexpr FrameId f = FrameId::Pannello0;
    constexpr int w = kLarghezzaPannello;
    const PaginaRegole& p = PaginaDelleRegole(1);
    s.lblRegole[0] = Testo(f, {240, p.topTesto, w - 480, kFondoTestoRegole - p.topTesto},
                           std::string(p.testo), 9.75f);
    s.lblRegole[1] = Titolo(f, 150, "Le Regole di GNAMM");
    s.lblRegole[2] = Testo(f, {240, 720, w - 480, 570},
                           "Per visualizzare le regole del Gioco clicca sui due pulsanti < o >:  "
                           "con il primo indietreggerai di una istruzione, col secondo avanzerai.",
                           8.25f);
    s.lblRegole[3] = Testo(f, {3300, 6960, 600, 480}, ">", 14.25f, true);
    s.lblRegole[4] = Testo(f, {1860, 6960, 600, 480}, "<", 14.25f, true);
    for (const int i : {3, 4}) {
        s.lblRegole[static_cast<std::size_t>(i)].opaque = true;
        s.lblRegole[static_cast<std::size_t>(i)].border = true;
        s.lblRegole[static_cast<std::size_t>(i)].align = Align::Center;
    }
    s.lblRegole[5] = Testo(f, {240, 1320, w - 480, 330}, std::string(p.titolo), 9.75f, true);
    s.lblRegole[5].fore = kVerdeScuro;
    s.lblRegole[6] = Testo(f, {2580, 7020, 600, 360}, "1", 9.75f, true);
}

void Uscita(Screen& s) {
    constexpr FrameId f = FrameId::Pannello1;
    // Two lines' room: the farewell puts the player's name in its place.
    s.lblRegole[14] = Titolo(f, 1080, std::string(kDomandaUscita), 18.0f);
    s.lblRegole[14].rect.h = 1200;
    constexpr std::array<const char*, 2> kRisposte = {"Sì", "No"};
    for (std::size_t i = 0; i < 2; ++i) {
        const int x = i == 0 ? 1080 : 3165;
        s.ImgEsci[i] = Figura(f, {x, 2400, 1515, 2175});
        s.lblUscita[i] = Testo(f, {x, 4800, 1515, 480}, kRisposte[i], 14.25f, true);
        s.lblUscita[i].align = Align::Center;
    }
}

void PannelloOpzioni(Screen& s) {
    constexpr FrameId f = FrameId::Pannello2;
    constexpr int w = kLarghezzaPannello;
    s.lblRegole[20] = Titolo(f, 150, "Le Opzioni di Gnamm");
    s.lblRegole[24] = Testo(f, {240, 720, w - 480, 840},
                            "Per scegliere le varie Opzioni clicca sulle scritte bianche: sostando "
                            "un'attimo col mouse sulle scritte nere otterai invece una sintetica "
                            "descrizione della relativa Opzione.",
                            8.25f);
    const Opzioni defaults;
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int y = 1680 + i * 360;
        // "Fumetto Zeb" is kept but not offered: its row is all but invisible.
        const int wVoce = i == 7 ? 15 : 2760;
        const int wValore = i == 7 ? 15 : 2160;
        s.lblVoceOpzioni[k] =
            Testo(f, {300, y, wVoce, 300}, std::string(OptionCaption(i)), 9.75f, true);
        s.lblVoceOpzioni[k].fore = colors::kWhite;
        s.lblOpzioni[k] = Testo(f, {3180, y, wValore, 300}, OptionText(defaults, i), 9.75f, true);
        s.lblOpzioni[k].tooltip = std::string(OptionTooltip(i));
    }
    // A sliver of 15 twips would only show a stray stroke of its text: the row is hidden, and
    // "Animazioni", the window's own option, takes its place.
    s.lblVoceOpzioni[7].visible = false;
    s.lblOpzioni[7].visible = false;
    const int y = 1680 + 7 * 360;
    s.lblVoceOpzioni[kVoceAnimazioni] = Testo(f, {300, y, 2760, 300}, "Animazioni:", 9.75f, true);
    s.lblVoceOpzioni[kVoceAnimazioni].fore = colors::kWhite;
    s.lblOpzioni[kVoceAnimazioni] = Testo(f, {3180, y, 2160, 300}, "Sì", 9.75f, true);
    s.lblOpzioni[kVoceAnimazioni].tooltip = std::string(OptionTooltip(kVoceAnimazioni));
}

void Livelli(Screen& s) {
    constexpr FrameId f = FrameId::Pannello4;
    s.lblRegole[10] = Titolo(f, 150, "Livelli di abilità");
    constexpr std::array<const char*, 3> kNomi = {"\"Cheat\" Zeb", "\"Cunning\" Zeb",
                                                  "\"Honest\" Zeb"};
    constexpr std::array<const char*, 3> kFoto = {"\\Foto\\Foto23.jpg", "\\Foto\\Foto24.jpg",
                                                  "\\Foto\\Foto18.jpg"};
    constexpr std::array<const char*, 3> kDescrizioni = {
        "Battere Nonno Zeb a questo livello sarà particolarmente impegnativo, ma al tempo stesso "
        "molto gratificante: consigliato a giocatori esperti che non si lasciano facilmente "
        "scoraggiare!",
        "Nonno Zeb quando si concede qualche 'astuzia' (nel 50% dei casi) con le quali potrà dare "
        "'filo da torcere' a giocatori di media capacità: il livello ottimale per iniziare a "
        "giocare!",
        "Nonno Zeb quando gioca innocentemente, senza trucchi e senza inganni. Questo livello di "
        "abilità è il più basso (adatto per bambini, principianti e per coloro che amano le "
        "vittorie facili).",
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = 240 + static_cast<int>(i) * 1800;
        s.ImgNonnoZeb[i] = Figura(f, {x, 840, 1680, 2160}, kFoto[i]);
        Element& cornice = s.ShpElementoGrafico[i + 2];
        cornice = Figura(f, {x - 60, 780, 1800, 2280});
        cornice.border = true;
        cornice.borderColor = colors::kYellow;
        cornice.visible = false;
        s.lblLivello[i] = Testo(f, {x, 3120, 1680, 360}, kNomi[i], 9.75f, true);
        s.lblLivello[i].align = Align::Center;
        // Keys 1, 2, 3 choose 'Honest', 'Cunning', 'Cheat': the reverse of the photos' order,
        // so each photo carries its key in its top left corner.
        Element& tasto = s.lblTastoLivello[i];
        tasto = Testo(f, {x + 60, 900, 480, 480}, std::to_string(3 - static_cast<int>(i)), 15.75f,
                      true);
        tasto.opaque = true;
        tasto.back = colors::kYellow;
        tasto.border = true;
        tasto.align = Align::Center;
        tasto.tooltip = "Premi " + tasto.text + " per scegliere questo livello";
        // lblRegole(13) describes level 0, (12) level 1, (11) level 2.
        s.lblRegole[13 - i] = Testo(f, {x, 3540, 1680, 2640}, kDescrizioni[i], 8.25f);
    }
    s.lblRegole[17] =
        Testo(f, {240, 6240, kLarghezzaPannello - 480, 600},
              "Scegli quale Giocatore sfidare cliccando sulla relativa immagine!", 9.75f, true);
    s.lblRegole[17].fore = colors::kWhite;
    s.lblRegole[17].visible = false;  // the blinking shows it
    s.cmdLivello = Testo(f, {2280, 6900, 1200, 480}, "Livello", 9.75f, true);
    s.cmdLivello.opaque = true;
    s.cmdLivello.border = true;
    s.cmdLivello.align = Align::Center;  // a button's caption stands in its middle
}

// Left of the table row, between Nonno Zeb's box and the notes: the title picture, and under
// it the two diagnostic captions that open the computer's search panel and pause its move.
void Sinistra(Screen& s) {
    // The name at the strip's top right, clear of the piles and their counts.
    s.ImgGnamm = Figura(FrameId::None, {1800, 3690, 1230, 410});
    s.lblAssoInTavola = Testo(FrameId::None, {120, 5580, 780, 270}, "", 7.5f, true);
    s.lblAssoInTavola.border = true;
    s.lblAssoInTavola.align = Align::Center;
    s.lblAssoInTavola.tooltip = "AssoInTavola: clicca per mostrare o nascondere le mosse di Zeb";
    s.lblTimer = Testo(FrameId::None, {960, 5580, 720, 270}, "TimerON", 7.5f, true);
    s.lblTimer.border = true;
    s.lblTimer.align = Align::Center;
    s.lblTimer.tooltip = "Clicca durante la mossa di Zeb per fermarla o riprenderla";
    // The search panel opens at the foot of the window, over the hand and the scoreboard.
    s.FraCervello = Figura(FrameId::None, {75, 6850, 11850, 2100});
    s.FraCervello.opaque = true;
    s.FraCervello.back = colors::kWhite;
    s.FraCervello.border = true;
    s.FraCervello.fontSize = 7.5f;
    s.FraCervello.visible = false;
    s.lblMossaMigliore = Testo(FrameId::Cervello, {7860, 30, 3930, 240}, "", 7.5f, true);
    s.lblMossaMigliore.opaque = true;
}

}  // namespace

void LayoutPannelli(Screen& s) {
    Splash(s);
    Barra(s);
    Sinistra(s);
    Riquadri(s);
    for (int k = 0; k < 5; ++k) {
        Element& p = s.FraPannello[static_cast<std::size_t>(k)];
        p.rect = kPannello;
        p.frame = FrameId::None;
        p.opaque = true;
        p.back = s.windowBack;
        p.border = true;
        // Start-up shows the level choice, waiting behind the splash.
        p.visible = false;
    }
    s.lblCopriCarte = Figura(FrameId::None, kCopriCarte);
    s.lblCopriCarte.opaque = true;
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.visible = false;
    LayoutQuando(s, PostoQuando::Tavolo);
    s.FraQuando.opaque = true;
    s.FraQuando.back = s.windowBack;
    s.FraQuando.visible = false;
    Regole(s);
    Uscita(s);
    PannelloOpzioni(s);
    Livelli(s);
}

}  // namespace gnamm
