// The hall of fame panel FraPannello(3): its layout, its content, the blinking of its
// instruction, winner's row and suit pictures, and the blinking of the level prompt.
#include <array>
#include <string>

#include "game/game.h"
#include "game/hall_of_fame.h"
#include "rules/timers.h"
#include "ui/colors.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

constexpr FrameId kFrame = FrameId::Pannello3;

// Fixed texts of the panel, by their place in lblRegole.
constexpr std::size_t kTitoloAlbo = 7;
constexpr std::size_t kIntestazioneAlbo = 8;
constexpr std::size_t kTitoloClassifica = 9;
constexpr std::size_t kIntestazioneClassifica = 18;
constexpr std::size_t kIstruzione = 19;
// The level panel's prompt, blinked by TmrLampeggiaScritta2.
constexpr std::size_t kPromptLivello = 17;

// Where the panel and the card cover open, in design twips.
constexpr int kPannelloX = 3130;
constexpr int kPannelloY = 615;
constexpr int kCopriX = 2025;
constexpr int kCopriY = 3300;

constexpr std::string_view kCuori = "\\Grafica\\Cuori.jpg";
constexpr std::string_view kQuadri = "\\Grafica\\Quadri.jpg";
constexpr std::string_view kFiori = "\\Grafica\\Fiori.jpg";
constexpr std::string_view kPicche = "\\Grafica\\Picche.jpg";
// The four suits rotate one place every two ticks.
constexpr std::array<std::array<std::string_view, 4>, 4> kSemi = {{
    {kCuori, kFiori, kQuadri, kPicche},
    {kPicche, kCuori, kFiori, kQuadri},
    {kQuadri, kPicche, kCuori, kFiori},
    {kFiori, kQuadri, kPicche, kCuori},
}};

// The ranking's block (title, heading, rows) stands high enough that the caption "Statistiche"
// fits below row 10, above the instruction line.
constexpr int kRigaY = 4080;  // top of row 1
constexpr int kRigaH = 255;

Element Testo(Rect r, std::string text, float font, bool bold, Rgb fore = colors::kWhite) {
    Element e;
    e.frame = kFrame;
    e.rect = r;
    e.text = std::move(text);
    e.fontSize = font;
    e.bold = bold;
    e.fore = fore;
    return e;
}

// A design position on the screen actually laid out: the panel and the cover open where the
// scaled layout put the other panels, not at the 800 x 600 spot.
int ScalaX(const Screen& s, int x) {
    return static_cast<int>(int64_t{x} * s.widthTwips / 12000);
}
int ScalaY(const Screen& s, int y) {
    return static_cast<int>(int64_t{y} * s.heightTwips / 9000);
}

}  // namespace

void LayoutClassifica(Screen& s) {
    s.lblRegole[kTitoloAlbo] = Testo({240, 120, 5280, 420}, "Albo dei Tornei", 12.0f, true);
    s.lblRegole[kTitoloAlbo].align = Align::Center;
    s.lblRegole[kIntestazioneAlbo] =
        Testo({240, 600, 5280, 300}, "N° Torneo - Vincitore - Sconfitto - Risultato - Giorno - Ora",
              8.25f, false);
    s.LstAlbo = Testo({240, 930, 5280, 2160}, "", 8.25f, false, colors::kBlack);
    s.LstAlbo.opaque = true;
    s.LstAlbo.back = colors::kWhite;
    s.LstAlbo.border = true;
    s.lblRegole[kTitoloClassifica] = Testo({1200, 3240, 3360, 420}, "Classifica", 12.0f, true);
    s.lblRegole[kTitoloClassifica].align = Align::Center;
    s.lblRegole[kIntestazioneClassifica] =
        Testo({240, 3750, 5280, 300},
              "Posizione       -       Nome Giocatore       -        Tornei Vinti", 8.25f, false);
    for (std::size_t i = 1; i < s.lblPosizione.size(); ++i) {
        const int y = kRigaY + static_cast<int>(i - 1) * kRigaH;
        s.lblPosizione[i] = Testo({600, y, 600, kRigaH}, std::to_string(i), 8.25f, true);
        s.lblNomeGiocatore[i] = Testo({1500, y, 2760, kRigaH}, "", 8.25f, true);
        s.lblNomeGiocatore[i].shrinkToFit = true;
        s.lblTorneiVinti[i] = Testo({4440, y, 720, kRigaH}, "", 8.25f, true);
        // Rows 11 and 12 do not exist; row 13 is the hidden spare.
        const bool riga = i <= static_cast<std::size_t>(data::kRigheClassifica);
        s.lblPosizione[i].visible = riga;
        s.lblNomeGiocatore[i].visible = riga;
        s.lblTorneiVinti[i].visible = riga;
    }
    s.lblPosizione[0].visible = false;
    s.lblNomeGiocatore[0].visible = false;
    s.lblTorneiVinti[0].visible = false;
    constexpr int kSemeX[4] = {240, 720, 4620, 5100};
    for (std::size_t k = 0; k < s.ImgSeme.size(); ++k) {
        s.ImgSeme[k] = Testo({kSemeX[k], 3240, 420, 420}, "", 8.25f, false);
        s.ImgSeme[k].picture = std::string(kSemi[0][k]);
    }
    s.lblRegole[kIstruzione] =
        Testo({240, 7260, 5280, 420},
              "Per far scomparire questo Pannello e iniziare un nuovo Torneo premi INVIO!", 9.75f,
              true, colors::kYellow);
    s.lblRegole[kIstruzione].visible = false;
}

void MostraClassifica(Screen& s, const Game& g) {
    const RankingState& c = g.classifica;
    for (int i = 1; i <= data::kRigheClassifica; ++i) {
        const data::RigaClassifica& riga = c.classifica.righe[static_cast<std::size_t>(i - 1)];
        const auto k = static_cast<std::size_t>(i);
        s.lblPosizione[k].text = std::to_string(i);
        s.lblNomeGiocatore[k].text = riga.nome;
        s.lblTorneiVinti[k].text = std::to_string(riga.torneiVinti);
    }
    // The winner's row is lit only while the end of a Torneo shows it off: once Quando stops
    // the blinking, the row is white again whatever phase the blinking stopped in.
    const bool inMostra = c.vincitoreEvidenziato && g.scheduler.isEnabled(Timer::LampeggiaScritta);
    for (std::size_t k = 1; k < s.lblPosizione.size(); ++k) {
        const bool giallo = inMostra && k == static_cast<std::size_t>(c.inserimentoVincitore);
        const Rgb fore = giallo ? colors::kYellow : colors::kWhite;
        s.lblPosizione[k].fore = fore;
        s.lblNomeGiocatore[k].fore = fore;
        s.lblTorneiVinti[k].fore = fore;
    }
    // The list only grows, or is loaded whole: copy it only when it changed.
    if (s.LstAlboLines.size() != c.albo.size() ||
        (!c.albo.empty() && s.LstAlboLines.back() != c.albo.back())) {
        s.LstAlboLines = c.albo;
    }
    for (std::size_t k = 0; k < s.ImgSeme.size(); ++k) {
        s.ImgSeme[k].picture = std::string(kSemi[static_cast<std::size_t>(c.semiFase % 4)][k]);
    }
    s.lblRegole[kIstruzione].visible = c.istruzioneVisibile;
}

void OnLampeggiaScritta(Screen& s, Game& g) {
    g.lampeggiaAlbo();
    MostraClassifica(s, g);
}

void OnLampeggiaScritta2(Screen& s, Game& g) {
    const int fase = g.lampeggiaPromptLivello();
    if (fase == 2) {
        s.lblRegole[kPromptLivello].visible = true;
    } else if (fase >= 9) {
        s.lblRegole[kPromptLivello].visible = false;
    }
}

void ApriClassifica(Screen& s, Game& g) {
    Element& pannello = s.FraPannello[3];
    pannello.rect.x = ScalaX(s, kPannelloX);
    pannello.rect.y = ScalaY(s, kPannelloY);
    pannello.back = s.windowBack;
    pannello.visible = true;
    g.apriAlbo();
    s.lblCopriCarte.rect.x = ScalaX(s, kCopriX);
    s.lblCopriCarte.rect.y = ScalaY(s, kCopriY);
    s.lblCopriCarte.back = s.windowBack;
    s.lblCopriCarte.opaque = true;
    s.lblCopriCarte.visible = true;
    MostraClassifica(s, g);
}

void ToggleClassifica(Screen& s, Game& g) {
    // Enter on the continue prompt tells the end of a Torneo from the end of a Gioco by this
    // panel being up. So while the prompt waits, the caption leaves the panel as it is: closing
    // it after a Torneo would carry the old Partite into the next Gioco, and opening it after a
    // Gioco would throw the Torneo in progress away.
    if (g.pausa.quando) return;
    if (s.FraPannello[3].visible) {
        s.FraPannello[3].visible = false;
        g.chiudiAlbo();
        s.lblCopriCarte.visible = false;
        LiberaSpiaSeTace(g.spia, g.scheduler);
    } else {
        ApriClassifica(s, g);
    }
}

void ClickLstAlbo() {}

void ChiudiClassifica(Screen& s, Game& g) {
    g.fermaLampeggioAlbo();
    s.FraPannello[3].visible = false;
    g.chiudiAlbo();
    s.lblCopriCarte.visible = false;
    MostraClassifica(s, g);
}

}  // namespace gnamm
