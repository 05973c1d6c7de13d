// Wrapped, aligned and clipped text with the DejaVu faces.
#include "platform/text_renderer.h"

#include "platform/text_wrap.h"

#include <algorithm>
#include <system_error>

namespace gnamm::platform {

namespace {

constexpr std::size_t kKeepBlocks = 400;

std::filesystem::path FirstExisting(std::initializer_list<const char*> candidates) {
    for (const char* c : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(c, ec)) return c;
    }
    return {};
}

}  // namespace

FontFiles FindFonts() {
    FontFiles f;
    // The condensed faces come closest to the narrow sans serif the layout was measured with;
    // the plain ones still read well where the condensed are not installed.
    f.regular = FirstExisting({"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
                               "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                               "/usr/local/share/fonts/DejaVuSans.ttf"});
    f.bold = FirstExisting({"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
                            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                            "/usr/local/share/fonts/DejaVuSans-Bold.ttf"});
    if (f.bold.empty()) f.bold = f.regular;
    return f;
}

TTF_Font* TextRenderer::font(int pixelSize, bool bold) {
    if (!hasFont() || pixelSize <= 0) return nullptr;
    const auto key = std::make_pair(pixelSize, bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
    const auto& path = bold ? files_.bold : files_.regular;
    FontPtr f(TTF_OpenFont(path.string().c_str(), pixelSize));
    TTF_Font* raw = f.get();
    fonts_[key] = std::move(f);  // a failure is remembered as null
    return raw;
}

std::pair<int, int> TextRenderer::measure(const std::string& text, int pixelSize, bool bold) {
    TTF_Font* f = font(pixelSize, bold);
    int w = 0, h = 0;
    if (!f || TTF_SizeUTF8(f, text.c_str(), &w, &h) != 0) return {0, 0};
    return {w, h};
}

int TextRenderer::lineHeight(int pixelSize, bool bold) {
    TTF_Font* f = font(pixelSize, bold);
    return f ? TTF_FontLineSkip(f) : 0;
}

bool TextRenderer::draw(const std::string& text, SDL_Rect box, int pixelSize, bool bold, Rgb color,
                        Align align) {
    if (text.empty()) return true;
    if (box.w <= 0 || box.h <= 0) return false;
    TTF_Font* f = font(pixelSize, bold);
    if (!f) return true;
    const uint32_t rgb = (uint32_t{color.r} << 16) | (uint32_t{color.g} << 8) | color.b;
    const BlockKey key{text, pixelSize, bold, rgb, box.w, static_cast<int>(align)};
    auto it = blocks_.find(key);
    if (it == blocks_.end()) {
        TTF_SetFontWrappedAlign(f, align == Align::Center  ? TTF_WRAPPED_ALIGN_CENTER
                                   : align == Align::Right ? TTF_WRAPPED_ALIGN_RIGHT
                                                           : TTF_WRAPPED_ALIGN_LEFT);
        const SDL_Color c{color.r, color.g, color.b, 255};
        SurfacePtr s(
            TTF_RenderUTF8_Blended_Wrapped(f, text.c_str(), c, static_cast<Uint32>(box.w)));
        Block b;
        if (s) {
            b.texture.reset(SDL_CreateTextureFromSurface(renderer_, s.get()));
            b.w = s->w;
            b.h = s->h;
        }
        it = blocks_.emplace(key, std::move(b)).first;
    }
    Block& b = it->second;
    b.used = true;
    if (!b.texture) return true;
    // A single line narrower than the box is placed by the alignment; wrapped text already is.
    int x = box.x;
    if (b.w < box.w) {
        if (align == Align::Center) x += (box.w - b.w) / 2;
        if (align == Align::Right) x += box.w - b.w;
    }
    // Centred text stands in the middle of its box both ways, as on a button.
    const int y = align == Align::Center && b.h < box.h ? box.y + (box.h - b.h) / 2 : box.y;
    const SDL_Rect src{0, 0, std::min(b.w, box.w), std::min(b.h, box.h)};
    const SDL_Rect dst{x, y, src.w, src.h};
    SDL_RenderCopy(renderer_, b.texture.get(), &src, &dst);
    return b.w <= box.w && b.h <= box.h;
}

bool TextRenderer::drawFitted(const std::string& text, SDL_Rect box, int pixelSize, bool bold,
                              Rgb color, Align align) {
    if (text.empty() || box.w <= 0) return false;
    const int smallest = std::max(1, pixelSize * 3 / 4);
    for (int px = pixelSize; px >= smallest; --px) {
        if (measure(text, px, bold).first <= box.w) {
            draw(text, box, px, bold, color, align);
            return false;
        }
    }
    // Still too wide: cut, with an ellipsis.
    const std::string cut = Ellipsize(text, box.w, [&](std::string_view s) {
        return measure(std::string(s), smallest, bold).first;
    });
    draw(cut, box, smallest, bold, color, align);
    return true;
}

void TextRenderer::endFrame() {
    if (blocks_.size() > kKeepBlocks) {
        std::erase_if(blocks_, [](const auto& kv) { return !kv.second.used; });
    }
    for (auto& [key, block] : blocks_) block.used = false;
}

}  // namespace gnamm::platform
