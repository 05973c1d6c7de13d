// ScalaGrafica: the design layout stretched to the screen, one element group after another.
#include "ui/scaling.h"

#include <cmath>
#include <cstdint>

namespace gnamm {

namespace {

int Scala(int v, float k) {
    return static_cast<int>(std::lround(static_cast<float>(v) * k));
}

class Scalatore {
  public:
    explicit Scalatore(FattoriScala f) : f_(f) {}

    // A picture, frame or shape: only its rectangle.
    void forma(Element& e) const {
        e.rect = {Scala(e.rect.x, f_.kx), Scala(e.rect.y, f_.ky), Scala(e.rect.w, f_.kx),
                  Scala(e.rect.h, f_.ky)};
    }
    // An element that shows text: its rectangle and its font.
    void testo(Element& e) const {
        forma(e);
        e.fontSize = e.fontSize * f_.kf;
    }
    template <std::size_t N>
    void forme(std::array<Element, N>& a) const {
        for (Element& e : a) forma(e);
    }
    template <std::size_t N>
    void testi(std::array<Element, N>& a) const {
        for (Element& e : a) testo(e);
    }

  private:
    FattoriScala f_;
};

// The splash and its name box.
void ScalaSplash(const Scalatore& k, Screen& s) {
    k.forma(s.ImgSplash);
    k.forma(s.ImgTitolo);
    k.testo(s.lblNonnoZeb);
    k.forma(s.FraSplash);
    k.testo(s.lblInserisci);
    k.testo(s.lblRisoluzioni);
    k.testo(s.txtNome);
    k.testo(s.lblVersione);
}

// The side boxes, Nonno Zeb's bubble and the instructions.
void ScalaRiquadri(const Scalatore& k, Screen& s) {
    k.testi(s.lblRiquadri);
    k.forme(s.FraRiquadro);
    k.forme(s.ImgRiquadro);
    k.forma(s.ImgManina);
    k.testo(s.lblCommenti);
    k.forma(s.ImgFumetto);
    k.testo(s.lblIstruzioni);
}

// The scoreboard and the tournament data.
void ScalaPunteggi(const Scalatore& k, Screen& s) {
    k.testi(s.lblScritte);
    for (Element* e : {&s.lblSettePC,           &s.lblSetteH,          &s.lblPuntiSettePC,
                       &s.lblPuntiSetteH,       &s.lblQuadriPC,        &s.lblQuadriH,
                       &s.lblPuntiQuadriPC,     &s.lblPuntiQuadriH,    &s.lblFigurePC,
                       &s.lblFigureH,           &s.lblPuntiFigurePC,   &s.lblPuntiFigureH,
                       &s.lblCartePC,           &s.lblCarteH,          &s.lblPuntiCartePC,
                       &s.lblPuntiCarteH,       &s.lblPunti5DiCuoriPC, &s.lblPunti5DiCuoriH,
                       &s.lblPuntiGnammPC,      &s.lblPuntiGnammH,     &s.lblPuntiGiocoInCorsoPC,
                       &s.lblPuntiGiocoInCorsoH}) {
        k.testo(*e);
    }
    k.forma(s.ImgSemi);

    // Tournament data.
    for (Element* e : {&s.lblPartitePC, &s.lblPC, &s.lblPuntiPC, &s.lblPartiteH, &s.lblH,
                       &s.lblPuntiH, &s.lblCarteRimasteNelMazzo, &s.lblGioco, &s.lblManche}) {
        k.testo(*e);
    }
    k.testi(s.lblPannelli);
}

// The table. Every card place moves, the twelfth table place included.
void ScalaTavolo(const Scalatore& k, Screen& s) {
    k.forma(s.ImgBarra);
    k.forma(s.ImgGnamm);
    k.forme(s.ImgCarta);
    k.forme(s.ImgMucchio);
    k.testi(s.lblMucchio);
    k.forma(s.lblCopriCarte);
    k.forma(s.FraQuando);
    k.testo(s.lblQuando);
}

// The panels and what they hold.
void ScalaPannelli(const Scalatore& k, Screen& s) {
    k.forme(s.FraPannello);
    k.testi(s.lblRegole);
    k.forme(s.ImgNonnoZeb);
    k.testi(s.lblLivello);
    k.forme(s.ImgEsci);
    k.testi(s.lblUscita);
    k.testo(s.LstAlbo);
    k.forme(s.ImgSeme);
    k.testi(s.lblPosizione);
    k.testi(s.lblNomeGiocatore);
    k.testi(s.lblTorneiVinti);
    k.testi(s.lblVoceOpzioni);
    k.testi(s.lblOpzioni);
    k.forma(s.FraStatistiche);
    k.testo(s.lblTitoloStatistiche);
    k.testi(s.lblStatistiche);
    k.testo(s.lblChiudiStatistiche);
    k.testo(s.lblApriStatistiche);
}

// Left at their design place, the card mats and outlines and the level highlight frames would
// stand apart from the cards and photos they surround; and the captions, buttons and panels
// added beside the first layout must follow the rest of the window.
void ScalaAggiunte(const Scalatore& k, Screen& s) {
    k.forme(s.ShpCarta);
    k.forme(s.ShpContornoCarta);
    k.forme(s.ShpElementoGrafico);
    for (Element* e :
         {&s.lblAssoInTavola, &s.lblTimer, &s.lblClassifica, &s.lblConsiglio, &s.lblLivelloBarra,
          &s.cmdLivello, &s.lblAbilita, &s.cmdQuando, &s.lblTasti}) {
        k.testo(*e);
    }
    k.testi(s.lblTitoliPannello);
    k.forma(s.FraCervello);
    k.testo(s.lblMossaMigliore);
    k.testi(s.lblTastoLivello);
}

}  // namespace

FattoriScala CalcolaFattori(int screenWidthTwips, int screenHeightTwips) {
    FattoriScala f;
    f.ky = static_cast<float>(screenHeightTwips) / static_cast<float>(kAltezzaDesign);
    f.kx = static_cast<float>(screenWidthTwips) / static_cast<float>(kLarghezzaDesign);
    f.kf = static_cast<float>(screenHeightTwips) / static_cast<float>(kAltezzaDesign);
    return f;
}

int ScalaVerticale(int designTwips, int screenHeightTwips) {
    return Scala(designTwips, CalcolaFattori(kLarghezzaDesign, screenHeightTwips).ky);
}

Rect ScalaRect(const Screen& s, Rect r) {
    auto sx = [&s](int v) { return static_cast<int>(int64_t{v} * s.widthTwips / 12000); };
    auto sy = [&s](int v) { return static_cast<int>(int64_t{v} * s.heightTwips / 9000); };
    return {sx(r.x), sy(r.y), sx(r.w), sy(r.h)};
}

void ScalaGrafica(Screen& s, int screenWidthTwips, int screenHeightTwips) {
    const Scalatore k(CalcolaFattori(screenWidthTwips, screenHeightTwips));
    ScalaSplash(k, s);
    ScalaRiquadri(k, s);
    ScalaPunteggi(k, s);
    ScalaTavolo(k, s);
    ScalaPannelli(k, s);
    ScalaAggiunte(k, s);
    s.widthTwips = screenWidthTwips;
    s.heightTwips = screenHeightTwips;
}

}  // namespace gnamm
