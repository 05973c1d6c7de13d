#include "rules/card.h"

namespace gnamm {

namespace {
constexpr std::string_view kRanks = "A234567JQK";
constexpr std::string_view kSuits = "cqfp";
}  // namespace

std::optional<Card> Card::Parse(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    const auto rank = kRanks.find(code[0]);
    const auto suit = kSuits.find(code[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos) return std::nullopt;
    return FromDeckPosition(static_cast<int>(suit * 10 + rank + 1));
}

std::string Card::code() const {
    if (empty()) return {};
    return {kRanks[(position_ - 1) % 10], kSuits[(position_ - 1) / 10]};
}

}  // namespace gnamm
