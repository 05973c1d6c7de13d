#include "picture_sizes.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "data/asset_catalog.h"

namespace gnamm::art {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool In(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&name](const std::string& n) { return Lower(n) == name; });
}

}  // namespace

PixelSize PromisedSize(std::string_view assetName) {
    const std::string name = Lower(assetName);
    if (In(assets::CardFaces(), name) || In(assets::CardBacks(), name)) return kCard;
    if (In(assets::Photos(), name)) return kPhoto;
    if (name == Lower(assets::Bubble(1))) return kBubbleLarge;
    if (name == Lower(assets::Bubble(2))) return kBubbleMedium;
    if (name == Lower(assets::Bubble(3))) return kBubbleSmall;
    if (In(assets::SuitPictures(), name)) return kSuit;
    if (name == Lower(assets::kSplash)) return kSplash;
    if (name == Lower(assets::kTitolo)) return kTitolo;
    if (name == Lower(assets::kBarra)) return kBarra;
    if (name == Lower(assets::kQuattroSemi)) return kQuattroSemi;
    if (name == Lower(assets::kTavolo)) return kTavolo;
    if (name == Lower(assets::kManina)) return kManina;
    if (name == Lower(assets::kIcona)) return kIcona;
    return {0, 0};
}

}  // namespace gnamm::art
