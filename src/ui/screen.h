// src/ui owns the screen model and its layout, the panels (options, rules, level, exit, hall of
// fame, continue prompt), start-up and the splash, layout scaling, and the routing of clicks,
// keys and timer ticks. It may include every core folder (data/, game/, persona/, audio/);
// never platform/ and never SDL.
//
// The screen model: every element of the main window as a plain struct.
//
// The ui writes it, deriving it from the game's state; the platform draws it (scaling design units
// to pixels), tests read it. Rectangles are in design units of the 12000 x 9000 layout, relative to
// the element's frame (the window itself for FrameId::None). Names follow the game's own.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "rules/table_places.h"
#include "ui/colors.h"

namespace gnamm {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend constexpr bool operator==(Rect, Rect) = default;
};

// Frames group elements: a hidden frame hides everything in it.
enum class FrameId {
    None,
    Pannello0,
    Pannello1,
    Pannello2,
    Pannello3,
    Pannello4,  // rules, exit, options, hall of fame, level
    Riquadro0,
    Riquadro1,
    Riquadro2,
    Riquadro3,  // side boxes "Dati", "Punti", "Notes", "Zeb"
    Quando,     // continue prompt
    Cervello,   // diagnostic panel of the computer's search
    Riepilogo,  // the summary after a Gioco
    Splash,
    Avviso,  // the notice box, over everything
};

inline constexpr FrameId PannelloFrame(int k) {
    return static_cast<FrameId>(static_cast<int>(FrameId::Pannello0) + k);
}
inline constexpr FrameId RiquadroFrame(int k) {
    return static_cast<FrameId>(static_cast<int>(FrameId::Riquadro0) + k);
}

// How a label's text sits in its box.
enum class Align { Left, Center, Right };

// One element: label, picture, shape, frame or list. A shape uses `opaque` and `back` as its
// fill and `border`/`borderColor` as its outline.
struct Element {
    bool visible = true;
    std::string picture;  // asset name such as "\Carte\Ac.jpg"; empty = no picture
    std::string text;
    std::string tooltip;
    Rgb back = colors::kWhite;
    bool opaque = false;  // false: transparent background
    Rgb fore = colors::kBlack;
    bool border = false;
    Rgb borderColor = colors::kBlack;
    Rect rect;
    float fontSize = 8.25f;  // points at the design size (800 x 600 pixels)
    bool bold = false;
    FrameId frame = FrameId::None;
    Align align = Align::Left;
    bool shrinkToFit = false;  // a name of any length: drawn smaller, then cut, on one line
    int angolo = 0;  // degrees its picture is turned clockwise about the rectangle's middle
    friend bool operator==(const Element&, const Element&) = default;
};

struct Screen {
    Rgb windowBack{157, 170, 174};
    // The screen the rectangles are laid out for, in twips (15 a pixel). Start-up stretches
    // the design layout to a screen whose height is not 9000 twips; the platform draws the
    // rectangles at 15 twips a pixel.
    int widthTwips = 12000;
    int heightTwips = 9000;

    // Card places.
    std::array<Element, kNumeroPosti> ImgCarta;
    std::array<Element, kNumeroPosti> ShpCarta;          // the mat behind the card
    std::array<Element, kNumeroPosti> ShpContornoCarta;  // the outline of a pick or capture
    Element ShpFuoco;  // the keyboard's focus on a table card while the human picks
    // Cards on their way between places (ui/card_flights.h), above the table.
    std::array<Element, 16> ImgVolo;

    // Each side's pile left of the table row, Zeb's [0..2] above the human's [3..5]: a short
    // stack of backs, its count, the card of each Punto Gnamm laid crosswise on it (the last
    // four of a side), and the side's last capture fanned out while the mouse holds the pile.
    std::array<Element, 6> ImgMucchio;
    std::array<Element, 2> lblMucchio;
    std::array<Element, 8> ImgGnammMucchio;
    Element lblUltimaPresa;
    std::array<Element, 12> ImgUltimaPresa;
    // The sparks that burst from a Punto Gnamm's card as it lands crosswise on its pile.
    std::array<Element, 8> ShpScintille;
    Element lblTasti;  // the keys of the game, on the rules panel

    // Play area.
    Element lblIstruzioni;
    Element ImgManina;
    Element lblCommenti;
    Element ImgFumetto;
    std::array<Element, 4> ImgRiquadro;  // ImgRiquadro[0]: Nonno Zeb's photo frame
    Element lblAssoInTavola;
    Element lblTimer;

    // Scoreboard (values are derived from the game state after every event).
    std::array<Element, 25> lblScritte;
    Element ImgSemi;
    Element lblSetteH, lblSettePC, lblQuadriH, lblQuadriPC, lblFigureH, lblFigurePC, lblCarteH,
        lblCartePC;
    Element lblPuntiSetteH, lblPuntiSettePC, lblPuntiQuadriH, lblPuntiQuadriPC;
    Element lblPuntiFigureH, lblPuntiFigurePC, lblPuntiCarteH, lblPuntiCartePC;
    Element lblPunti5DiCuoriH, lblPunti5DiCuoriPC, lblPuntiGnammH, lblPuntiGnammPC;
    Element lblPuntiGiocoInCorsoH, lblPuntiGiocoInCorsoPC;
    Element lblPuntiH, lblPuntiPC, lblPartiteH, lblPartitePC;
    Element lblH, lblPC;  // the player's name and Nonno Zeb's level
    Element lblCarteRimasteNelMazzo, lblGioco, lblManche;

    // Bar and side boxes.
    Element ImgBarra;
    Element ImgGnamm;
    std::array<Element, 3> lblPannelli;  // "Regole", "Esci", "Opzioni"
    Element lblClassifica;               // "Classifica"
    Element lblConsiglio;                // "Consiglio"
    Element lblLivelloBarra;             // the level caption on the bar
    std::array<Element, 4> FraRiquadro;  // side boxes
    std::array<Element, 4> lblRiquadri;  // their toggles "Dati", "Punti", "Notes", "Zeb"
    std::array<Element, 5> ShpElementoGrafico;

    // Panels.
    std::array<Element, 5> FraPannello;
    Element lblCopriCarte;  // covers the cards while a panel is open
    // Fixed texts of the panels, by the game's own numbering: 0..6 rules, 10..13 and 17 level,
    // 14 exit, 7, 8, 9, 18, 19 hall of fame, 20 and 24 options title and instruction.
    std::array<Element, 25> lblRegole;
    std::array<Element, 2> ImgEsci;
    std::array<Element, 2> lblUscita;
    std::array<Element, 3> ImgNonnoZeb;      // level photos
    std::array<Element, 3> lblLivello;       // level names
    std::array<Element, 3> lblTastoLivello;  // the key that chooses each level, on its photo
    Element cmdLivello;
    Element lblAbilita;
    std::array<Element, 17> lblVoceOpzioni;    // option captions; index 16 is "Animazioni"
    std::array<Element, 17> lblOpzioni;        // option values
    std::array<Element, 8> lblTitoliPannello;  // panel titles and instruction lines

    // Hall of fame panel: rows 1..10 and the hidden spare row 13.
    Element LstAlbo;
    std::vector<std::string> LstAlboLines;
    int LstAlboTop = 0;  // first line shown
    std::array<Element, 14> lblPosizione;
    std::array<Element, 14> lblNomeGiocatore;
    std::array<Element, 14> lblTorneiVinti;
    std::array<Element, 4> ImgSeme;

    // Continue prompt.
    Element FraQuando;
    Element lblQuando;
    Element cmdQuando;

    // The summary beside the prompt (ui/riepilogo_view.h): a grid of cells at index
    // row * 4 + column, and the outcome below it.
    Element FraRiepilogo;
    std::array<Element, 40> lblRiepilogo;
    Element lblEsitoRiepilogo;

    // Splash.
    Element FraSplash;
    Element ImgSplash;
    Element ImgTitolo;
    Element lblNonnoZeb;  // "Nonno Zeb ti sfida a"
    Element lblInserisci;
    Element txtNome;  // the name box
    Element lblVersione;
    Element lblRisoluzioni;

    // The player's record page "Statistiche" over the panels: title, a table of 16 rows (the
    // level names, then one count a row) by 4 columns (the captions, then one a level) at
    // index row * 4 + column, the closing line; and the caption that opens it on the
    // hall-of-fame panel.
    Element FraStatistiche;
    Element lblTitoloStatistiche;
    std::array<Element, 64> lblStatistiche;
    Element lblChiudiStatistiche;
    Element lblApriStatistiche;

    // Diagnostic panel of the computer's search.
    Element FraCervello;
    std::vector<std::string> cervelloLines;
    Element lblMossaMigliore;  // the choice: pink, or red when the ace rule replaced it

    // The notice box (ui/avvisi_view.h): the notice the game has for the player, and how to
    // close it.
    Element FraAvviso;
    Element lblAvviso;
    Element lblChiudiAvviso;
};

// Places the elements at their design rectangles and gives them their fixed texts.
void ApplyDesignLayout(Screen& s);

}  // namespace gnamm
