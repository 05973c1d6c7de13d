#include "card_faces.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"

namespace gnamm::art {

namespace {

struct HandleFree {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleFree>;

std::string ElementId(Card card) {
    static const char* const kRanks[] = {"1", "2", "3",    "4",     "5",
                                         "6", "7", "jack", "queen", "king"};
    std::string suit;
    switch (card.seme()) {
        case 'c':
            suit = "heart";
            break;
        case 'q':
            suit = "diamond";
            break;
        case 'f':
            suit = "club";
            break;
        default:
            suit = "spade";
            break;
    }
    return std::string("#") + kRanks[card.valore() - 1] + "_" + suit;
}

struct Box {
    int x0, y0, x1, y1;  // x1, y1 exclusive
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

// The box of the pixels that are more than faintly opaque: drop shadows and antialiasing
// fringes stay out of the card.
Box OpaqueBox(cairo_surface_t* s) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s);
    const int h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    Box box{w, h, 0, 0};
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            if ((row[x] >> 24) > 160) {
                box.x0 = std::min(box.x0, x);
                box.x1 = std::max(box.x1, x + 1);
                box.y0 = std::min(box.y0, y);
                box.y1 = std::max(box.y1, y + 1);
            }
        }
    }
    return box;
}

// One card rendered large, with the box of its opaque pixels.
struct Rendered {
    std::unique_ptr<Canvas> canvas;
    Box box;
};

std::optional<Rendered> RenderLarge(RsvgHandle* deck, const std::string& id) {
    GError* error = nullptr;
    RsvgRectangle ink{}, logical{};
    if (!rsvg_handle_get_geometry_for_element(deck, id.c_str(), &ink, &logical, &error) ||
        ink.width <= 0 || ink.height <= 0) {
        std::fprintf(stderr, "gnamm-art-cards: no element %s: %s\n", id.c_str(),
                     error ? error->message : "empty");
        if (error) g_error_free(error);
        return std::nullopt;
    }
    // Half as large again as the final size, so the downscale smooths the deck's fine lines.
    const double scale = 1.5 * kCard.height / ink.height;
    const int margin = 4;
    auto canvas =
        std::make_unique<Canvas>(static_cast<int>(std::ceil(ink.width * scale)) + 2 * margin,
                                 static_cast<int>(std::ceil(ink.height * scale)) + 2 * margin);
    const RsvgRectangle viewport{margin, margin, ink.width * scale, ink.height * scale};
    if (!rsvg_handle_render_element(deck, canvas->cr(), id.c_str(), &viewport, &error)) {
        std::fprintf(stderr, "gnamm-art-cards: cannot render %s: %s\n", id.c_str(),
                     error ? error->message : "");
        if (error) g_error_free(error);
        return std::nullopt;
    }
    Box box = OpaqueBox(canvas->surface());
    if (box.empty()) {
        std::fprintf(stderr, "gnamm-art-cards: %s renders empty\n", id.c_str());
        return std::nullopt;
    }
    // Some decks give an element a box larger than the card it draws; render such a card
    // again, enlarged so the card itself comes out at the intended size.
    const double wanted = 1.5 * kCard.height;
    const double k = wanted / (box.y1 - box.y0);
    if (k > 1.03) {
        auto again = std::make_unique<Canvas>(
            static_cast<int>(std::ceil((box.x1 - box.x0) * k)) + 2 * margin,
            static_cast<int>(std::ceil(wanted)) + 2 * margin);
        const RsvgRectangle moved{margin - (box.x0 - margin) * k, margin - (box.y0 - margin) * k,
                                  viewport.width * k, viewport.height * k};
        if (rsvg_handle_render_element(deck, again->cr(), id.c_str(), &moved, &error)) {
            const Box bigger = OpaqueBox(again->surface());
            if (!bigger.empty()) {
                canvas = std::move(again);
                box = bigger;
            }
        } else if (error) {
            g_error_free(error);
        }
    }
    return Rendered{std::move(canvas), box};
}

int Median(std::vector<int> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Scales the card's box, widened or narrowed to the deck's common size around its centre,
// to the final card size.
bool WriteCard(const Rendered& card, int width, int height, const std::string& path) {
    const PixelSize size = kCard;
    const double cx = (card.box.x0 + card.box.x1) / 2.0, cy = (card.box.y0 + card.box.y1) / 2.0;
    Canvas out(size.width, size.height);
    cairo_t* cr = out.cr();
    cairo_scale(cr, static_cast<double>(size.width) / width,
                static_cast<double>(size.height) / height);
    cairo_set_source_surface(cr, card.canvas->surface(), width / 2.0 - cx, height / 2.0 - cy);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    if (!out.WritePng(path)) {
        std::fprintf(stderr, "gnamm-art-cards: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool RenderDeck(const std::string& deckFile, const std::string& folder) {
    GError* error = nullptr;
    Handle deck(rsvg_handle_new_from_file(deckFile.c_str(), &error));
    if (!deck) {
        std::fprintf(stderr, "gnamm-art-cards: cannot read %s: %s\n", deckFile.c_str(),
                     error ? error->message : "");
        if (error) g_error_free(error);
        return false;
    }
    if (!MakeFolders(folder)) return false;
    // Every card is cut to one size for the whole deck, the size most of its cards have: a
    // card whose art strays past its edge (a shadow, a loose flourish) is not shrunk for it.
    std::vector<Rendered> cards;
    std::vector<int> widths, heights;
    for (int n = 1; n <= 40; ++n) {
        auto card = RenderLarge(deck.get(), ElementId(Card::FromDeckPosition(n)));
        if (!card) return false;
        widths.push_back(card->box.x1 - card->box.x0);
        heights.push_back(card->box.y1 - card->box.y0);
        cards.push_back(std::move(*card));
    }
    const int width = Median(widths), height = Median(heights);
    bool ok = true;
    for (int n = 1; n <= 40; ++n) {
        const Card card = Card::FromDeckPosition(n);
        const std::string file = assets::Split(assets::CardFace(card)).file;
        const std::string stem = file.substr(0, file.find('.'));
        ok = WriteCard(cards[n - 1], width, height, folder + "/" + stem + ".png") && ok;
    }
    return ok;
}

}  // namespace gnamm::art
