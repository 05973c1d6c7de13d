#include "contact_sheet.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_file.h"

namespace gnamm::art {

namespace {

constexpr int kSheetWidth = 2400;
constexpr int kGap = 14;
constexpr int kLabel = 22;

// The mat colours the game paints behind a card back.
struct Mat {
    const char* name;
    Rgb colour;
};
const Mat kCardColours[] = {{"Blue", Hex(0x457a9a)},
                            {"Grey", Hex(0x808080)},
                            {"Green", Hex(0x41895c)},
                            {"Turquoise", Hex(0x008080)}};

struct Item {
    std::string name;  // catalogue name
    std::string label;
    int boxHeight;  // the picture is scaled to this height
    const Mat* mat = nullptr;
};

class Sheet {
  public:
    Sheet(const std::string& root, int height) : root_(root), canvas_(kSheetWidth, height) {
        cairo_t* cr = canvas_.cr();
        SetColor(cr, Hex(0x2b2b2b));
        cairo_paint(cr);
    }

    void Title(const std::string& text) {
        NewRow();
        cairo_t* cr = canvas_.cr();
        SetColor(cr, Hex(0xf0d9a0));
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 28);
        cairo_move_to(cr, kGap, y_ + 32);
        cairo_show_text(cr, text.c_str());
        y_ += 44;
    }

    void Add(const Item& item) {
        Surface picture;
        if (const auto file = FindPicture(root_, item.name)) picture = DecodePicture(*file);
        const int pw = picture ? cairo_image_surface_get_width(picture.get()) : 1;
        const int ph = picture ? cairo_image_surface_get_height(picture.get()) : 1;
        const double scale = std::min(static_cast<double>(item.boxHeight) / ph,
                                      static_cast<double>(kSheetWidth - 2 * kGap) / pw);
        const int w = picture ? static_cast<int>(pw * scale) : item.boxHeight * 7 / 10;
        if (x_ + w + kGap > kSheetWidth) NewRow();
        cairo_t* cr = canvas_.cr();
        {
            Saved saved(cr);
            cairo_translate(cr, x_, y_);
            if (item.mat) {
                RoundedRect(cr, 0, 0, w, ph * scale, w * 0.06);
                SetColor(cr, item.mat->colour);
                cairo_fill(cr);
            }
            if (picture) {
                cairo_scale(cr, scale, scale);
                cairo_set_source_surface(cr, picture.get(), 0, 0);
                cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
                cairo_paint(cr);
            } else {
                SetColor(cr, Hex(0xff2020));
                cairo_set_line_width(cr, 4);
                cairo_rectangle(cr, 0, 0, w, item.boxHeight);
                cairo_move_to(cr, 0, 0);
                cairo_line_to(cr, w, item.boxHeight);
                cairo_move_to(cr, w, 0);
                cairo_line_to(cr, 0, item.boxHeight);
                cairo_stroke(cr);
                ++missing_;
            }
        }
        SetColor(cr, Hex(0xcccccc));
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 15);
        const int shownHeight = picture ? static_cast<int>(ph * scale) : item.boxHeight;
        cairo_move_to(cr, x_, y_ + shownHeight + 17);
        cairo_show_text(cr, item.label.c_str());
        x_ += w + kGap;
        rowHeight_ = std::max(rowHeight_, shownHeight + kLabel);
    }

    void NewRow() {
        if (x_ > kGap) y_ += rowHeight_ + kGap;
        x_ = kGap;
        rowHeight_ = 0;
    }

    int used() const { return y_ + rowHeight_ + kGap; }
    int missing() const { return missing_; }
    const Canvas& canvas() const { return canvas_; }

  private:
    std::string root_;
    Canvas canvas_;
    int x_ = kGap;
    int y_ = kGap;
    int rowHeight_ = 0;
    int missing_ = 0;
};

std::string FileOf(const std::string& name) {
    return assets::Split(name).file;
}

void Fill(Sheet& sheet) {
    sheet.Title("Carte");
    for (const auto& name : assets::CardFaces()) sheet.Add({name, FileOf(name), 220});
    sheet.Title("Retro carte, on each card colour");
    for (const auto& name : assets::CardBacks()) {
        for (const Mat& mat : kCardColours) {
            sheet.Add({name, FileOf(name) + " " + mat.name, 220, &mat});
        }
    }
    sheet.Title("Fumetti and Foto");
    static const Mat kTable{"table", Hex(0x9daaae)};
    for (const auto& name : assets::Bubbles()) sheet.Add({name, FileOf(name), 200, &kTable});
    sheet.NewRow();
    for (const auto& name : assets::Photos()) sheet.Add({name, FileOf(name), 330});
    sheet.Title("Grafica");
    for (const auto& name : assets::FixedPictures()) sheet.Add({name, FileOf(name), 240});
}

}  // namespace

int WriteContactSheet(const std::string& assetsRoot, const std::string& output) {
    // Lay out once to learn the height, then draw for real.
    Sheet measure(assetsRoot, 1);
    Fill(measure);
    Sheet sheet(assetsRoot, measure.used());
    Fill(sheet);
    if (!sheet.canvas().WritePng(output)) return -1;
    return sheet.missing();
}

}  // namespace gnamm::art
