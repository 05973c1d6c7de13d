// The z-order table and the target of every element that answers a click.
#include "platform/z_order.h"

#include <cstddef>
#include <map>

namespace gnamm::platform {

namespace {

template <std::size_t N>
void AddArray(std::vector<Layer>& t, const std::array<Element, N>& a, TargetKind kind,
              Drawing d = Drawing::Plain) {
    for (std::size_t i = 0; i < N; ++i) t.push_back({&a[i], {kind, static_cast<int>(i)}, d});
}

void Add(std::vector<Layer>& t, const Element& e, TargetKind kind = TargetKind::None, int index = 0,
         Drawing d = Drawing::Plain) {
    t.push_back({&e, {kind, index}, d});
}

bool Contains(Rect r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

constexpr int kCardDrawingOrder[kNumeroPosti] = {
    kPostoMazzo, 1,
    2,           3,
    4,           5,
    6,  // the deck and the hands
    kPostoSpare, kPostoDodicesimo,
    9,           13,
    16,          7,
    11,          15,
    8,  // the table, left to right
    12,          17,
    10,          14,
};

// Frames nest at most this deep; a deeper chain is a layout fault and is not drawn.
constexpr int kMaxFrameDepth = 4;

}  // namespace

const Element* FrameElement(const Screen& s, FrameId f) {
    switch (f) {
        case FrameId::None:
            return nullptr;
        case FrameId::Pannello0:
            return &s.FraPannello[0];
        case FrameId::Pannello1:
            return &s.FraPannello[1];
        case FrameId::Pannello2:
            return &s.FraPannello[2];
        case FrameId::Pannello3:
            return &s.FraPannello[3];
        case FrameId::Pannello4:
            return &s.FraPannello[4];
        case FrameId::Riquadro0:
            return &s.FraRiquadro[0];
        case FrameId::Riquadro1:
            return &s.FraRiquadro[1];
        case FrameId::Riquadro2:
            return &s.FraRiquadro[2];
        case FrameId::Riquadro3:
            return &s.FraRiquadro[3];
        case FrameId::Quando:
            return &s.FraQuando;
        case FrameId::Cervello:
            return &s.FraCervello;
        case FrameId::Riepilogo:
            return &s.FraRiepilogo;
        case FrameId::Splash:
            return &s.FraSplash;
        case FrameId::Avviso:
            return &s.FraAvviso;
    }
    return nullptr;
}

namespace {

using K = TargetKind;

// The bar and the decorations of the table.
void AddBar(std::vector<Layer>& t, const Screen& s) {
    AddArray(t, s.ShpElementoGrafico, K::None);
    Add(t, s.ImgBarra);
    Add(t, s.ImgGnamm);
    AddArray(t, s.lblPannelli, K::Pannelli);
    Add(t, s.lblClassifica, K::Classifica);
    Add(t, s.lblAbilita, K::Abilita);
    Add(t, s.lblConsiglio, K::Consiglio);
    Add(t, s.lblLivelloBarra);
}

// The side boxes and the score table's labels.
void AddScores(std::vector<Layer>& t, const Screen& s) {
    AddArray(t, s.lblRiquadri, K::Riquadri);
    AddArray(t, s.ImgRiquadro, K::None);
    AddArray(t, s.lblScritte, K::None);
    Add(t, s.ImgSemi);
    for (const Element* e : {&s.lblSettePC,
                             &s.lblSetteH,
                             &s.lblPuntiSettePC,
                             &s.lblPuntiSetteH,
                             &s.lblQuadriPC,
                             &s.lblQuadriH,
                             &s.lblPuntiQuadriPC,
                             &s.lblPuntiQuadriH,
                             &s.lblFigurePC,
                             &s.lblFigureH,
                             &s.lblPuntiFigurePC,
                             &s.lblPuntiFigureH,
                             &s.lblCartePC,
                             &s.lblCarteH,
                             &s.lblPuntiCartePC,
                             &s.lblPuntiCarteH,
                             &s.lblPunti5DiCuoriPC,
                             &s.lblPunti5DiCuoriH,
                             &s.lblPuntiGnammPC,
                             &s.lblPuntiGnammH,
                             &s.lblPuntiGiocoInCorsoPC,
                             &s.lblPuntiGiocoInCorsoH,
                             &s.lblPartitePC,
                             &s.lblPC,
                             &s.lblPuntiPC,
                             &s.lblPartiteH,
                             &s.lblH,
                             &s.lblPuntiH,
                             &s.lblCarteRimasteNelMazzo,
                             &s.lblGioco,
                             &s.lblManche}) {
        Add(t, *e);
    }
    Add(t, s.lblAssoInTavola, K::AssoInTavola);
    Add(t, s.lblTimer, K::TimerLabel);
}

// The card places, the keyboard's focus, and Nonno Zeb's bubble with the instructions above them.
void AddCards(std::vector<Layer>& t, const Screen& s) {
    // The table row overlaps like a fan, each card over its left neighbour, so
    // that a full table still shows a strip of every card; in number order the middle places
    // would vanish under their later neighbours.
    for (const int i : kCardDrawingOrder) {
        if (i == kPostoMazzo) continue;  // above the cover, below
        Add(t, s.ShpCarta[i], K::Carta, i);
        Add(t, s.ImgCarta[i], K::Carta, i);
        Add(t, s.ShpContornoCarta[i], K::Carta, i, Drawing::Outline);
    }
    Add(t, s.ShpFuoco, K::None, 0, Drawing::Focus);

    // A Punto Gnamm's sparks come from under its card and the piles' counts.
    AddArray(t, s.ShpScintille, K::None, Drawing::Flight);
    // The piles; the cards on their way pass above the side boxes, below.
    for (std::size_t k = 0; k < s.ImgMucchio.size(); ++k) {
        Add(t, s.ImgMucchio[k], K::Mucchio, static_cast<int>(k / 3));
    }
    AddArray(t, s.lblMucchio, K::Mucchio);
    for (const Element& e : s.ImgGnammMucchio) {
        Add(t, e, K::Mucchio, &e < &s.ImgGnammMucchio[4] ? 0 : 1, Drawing::Crosswise);
    }

    // Nonno Zeb's bubble and the instructions.
    Add(t, s.ImgManina);
    Add(t, s.ImgFumetto);
    Add(t, s.lblCommenti);
    Add(t, s.lblIstruzioni);
}

// Over the cards: the cover of an open panel, the continue prompt, the panels.
void AddCoverAndPanels(std::vector<Layer>& t, const Screen& s) {
    Add(t, s.lblCopriCarte);
    // The cover hides the table row while a panel is open; the deck beside the row and the side
    // boxes it reaches into stay whole above it, as windows of their own would.
    Add(t, s.ShpCarta[kPostoMazzo], K::Carta, kPostoMazzo);
    Add(t, s.ImgCarta[kPostoMazzo], K::Carta, kPostoMazzo);
    Add(t, s.ShpContornoCarta[kPostoMazzo], K::Carta, kPostoMazzo, Drawing::Outline);
    // Side boxes and what they hold.
    AddArray(t, s.FraRiquadro, K::None);
    // Cards on their way between places, above the table, the deck and the side boxes they
    // cross on the way to Zeb's pile.
    for (const Element& e : s.ImgVolo) Add(t, e, K::None, 0, Drawing::Flight);
    // A pile's last capture, shown over the table row while the mouse holds the pile.
    Add(t, s.lblUltimaPresa);
    AddArray(t, s.ImgUltimaPresa, K::None, Drawing::Flight);
    // The continue prompt stands above the hall of fame, which fills the window's middle after
    // a Torneo, and below the panels the player opens while it waits. The panels of the bar
    // open over the level choice, which may be waiting behind them: the farewell on the exit
    // panel must show.
    Add(t, s.FraPannello[3], K::None, 3);
    Add(t, s.FraQuando, K::Quando);
    Add(t, s.lblQuando, K::Quando);
    Add(t, s.cmdQuando, K::Quando);
    Add(t, s.FraRiepilogo);
    AddArray(t, s.lblRiepilogo, K::None);
    Add(t, s.lblEsitoRiepilogo);
    for (const int k : {4, 0, 1, 2}) {
        Add(t, s.FraPannello[k], k == 2 ? K::PannelloOpzioni : K::None, k);
    }
}

// What the panels hold: the rules, the exit, the level, the options and the hall of fame.
void AddPanelContents(std::vector<Layer>& t, const Screen& s) {
    for (int i = 0; i < static_cast<int>(s.lblRegole.size()); ++i) {
        // The rules viewer's arrows: lblRegole(3) forward, lblRegole(4) back.
        if (i == 3)
            Add(t, s.lblRegole[i], K::Regole, 1);
        else if (i == 4)
            Add(t, s.lblRegole[i], K::Regole, 0);
        else
            Add(t, s.lblRegole[i]);
    }
    Add(t, s.lblTasti);
    AddArray(t, s.ImgEsci, K::Uscita);
    AddArray(t, s.lblUscita, K::Uscita);
    AddArray(t, s.ImgNonnoZeb, K::NonnoZeb);
    AddArray(t, s.lblTastoLivello, K::NonnoZeb);
    AddArray(t, s.lblLivello, K::Livello);
    Add(t, s.cmdLivello, K::CmdLivello);
    AddArray(t, s.lblVoceOpzioni, K::VoceOpzioni);
    AddArray(t, s.lblOpzioni, K::None);
    AddArray(t, s.lblTitoliPannello, K::None);
    Add(t, s.LstAlbo, K::LstAlbo, 0, Drawing::List);
    AddArray(t, s.lblPosizione, K::None);
    AddArray(t, s.lblNomeGiocatore, K::None);
    AddArray(t, s.lblTorneiVinti, K::None);
    AddArray(t, s.ImgSeme, K::None);
    Add(t, s.lblApriStatistiche, K::Statistiche);
    Add(t, s.FraStatistiche, K::Statistiche);
    Add(t, s.lblTitoloStatistiche, K::Statistiche);
    AddArray(t, s.lblStatistiche, K::Statistiche);
    Add(t, s.lblChiudiStatistiche, K::Statistiche);
}

// The search panel, then what stands over everything.
void AddTopmost(std::vector<Layer>& t, const Screen& s) {
    Add(t, s.FraCervello, K::None, 0, Drawing::Cervello);
    Add(t, s.lblMossaMigliore);

    // The splash covers everything while it is up.
    Add(t, s.FraSplash);
    Add(t, s.ImgSplash);
    Add(t, s.ImgTitolo);
    Add(t, s.lblNonnoZeb);
    Add(t, s.lblInserisci);
    Add(t, s.txtNome, K::None, 0, Drawing::TextBox);
    Add(t, s.lblVersione);
    Add(t, s.lblRisoluzioni);

    // A notice stands over everything, the splash included, until the player closes it.
    Add(t, s.FraAvviso, K::Avviso);
    Add(t, s.lblAvviso, K::Avviso);
    Add(t, s.lblChiudiAvviso, K::Avviso);
}

}  // namespace

std::vector<Layer> ZOrderTable(const Screen& s) {
    std::vector<Layer> t;
    t.reserve(300);
    AddBar(t, s);
    AddScores(t, s);
    AddCards(t, s);
    AddCoverAndPanels(t, s);
    AddPanelContents(t, s);
    AddTopmost(t, s);
    return t;
}

std::vector<Placed> VisibleInZOrder(const Screen& s) {
    const std::vector<Layer> table = ZOrderTable(s);
    std::map<FrameId, std::vector<const Layer*>> members;
    std::map<const Element*, FrameId> frameOf;
    for (int f = static_cast<int>(FrameId::None) + 1; f <= static_cast<int>(FrameId::Avviso); ++f) {
        frameOf[FrameElement(s, static_cast<FrameId>(f))] = static_cast<FrameId>(f);
    }
    for (const Layer& l : table) {
        if (l.element->frame != FrameId::None) members[l.element->frame].push_back(&l);
    }

    std::vector<Placed> out;
    out.reserve(table.size());
    // Draws one element and, when it is a frame, everything inside it right after it.
    auto place = [&](auto&& self, const Layer& l, int ox, int oy, int depth) -> void {
        if (!l.element->visible || depth > kMaxFrameDepth) return;
        const Rect r{l.element->rect.x + ox, l.element->rect.y + oy, l.element->rect.w,
                     l.element->rect.h};
        out.push_back({l.element, l.target, l.drawing, r});
        const auto f = frameOf.find(l.element);
        if (f == frameOf.end()) return;
        const auto m = members.find(f->second);
        if (m == members.end()) return;
        for (const Layer* child : m->second) {
            if (child->element != l.element) self(self, *child, r.x, r.y, depth + 1);
        }
    };
    for (const Layer& l : table) {
        if (l.element->frame == FrameId::None) place(place, l, 0, 0, 0);
    }
    return out;
}

const Placed* TopmostAt(const std::vector<Placed>& placed, int x, int y) {
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        // The focus outline lies over the fan of table cards and a card in flight only passes:
        // clicks go through them.
        if (it->drawing == Drawing::Focus || it->drawing == Drawing::Flight) continue;
        if (Contains(it->rect, x, y)) return &*it;
    }
    return nullptr;
}

Target HitTest(const Screen& s, int x, int y) {
    const std::vector<Placed> placed = VisibleInZOrder(s);
    const Placed* top = TopmostAt(placed, x, y);
    return top ? top->target : Target{};
}

}  // namespace gnamm::platform
