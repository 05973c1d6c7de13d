// A card of the 40-card French deck, as a small value type.
//
// Cards are numbered by their position in the ordered deck: 1..10 Cuori, 11..20 Quadri,
// 21..30 Fiori, 31..40 Picche, each block A, 2..7, J, Q, K. Position 0 is "no card".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gnamm {

class Card {
  public:
    constexpr Card() = default;

    // Card at a position 1..40 of the ordered deck; anything else is "no card".
    static constexpr Card FromDeckPosition(int position) {
        return (position >= 1 && position <= 40) ? Card(static_cast<uint8_t>(position)) : Card();
    }
    // Parses a two-letter code such as "Ac", "7q", "Kp"; nothing for any other text.
    static std::optional<Card> Parse(std::string_view code);

    constexpr bool empty() const { return position_ == 0; }
    explicit constexpr operator bool() const { return position_ != 0; }
    constexpr int deckPosition() const { return position_; }

    // Value 1..10 (A = 1 ... 7 = 7, J = 8, Q = 9, K = 10); 0 for no card.
    constexpr int valore() const { return empty() ? 0 : (position_ - 1) % 10 + 1; }
    // Suit letter 'c', 'q', 'f' or 'p'; 0 for no card.
    constexpr char seme() const { return empty() ? 0 : "cqfp"[(position_ - 1) / 10]; }
    // The code "Ac" .. "Kp"; the empty text for no card.
    std::string code() const;

    constexpr bool isAce() const { return valore() == 1; }
    constexpr bool isFigure() const { return valore() >= 8; }

    friend constexpr bool operator==(Card, Card) = default;

  private:
    constexpr explicit Card(uint8_t position) : position_(position) {}
    uint8_t position_ = 0;
};

// Cards the rules name.
inline constexpr Card kSeiDiCuori = Card::FromDeckPosition(6);
inline constexpr Card kSeiDiQuadri = Card::FromDeckPosition(16);
inline constexpr Card kSeiDiFiori = Card::FromDeckPosition(26);
inline constexpr Card kSeiDiPicche = Card::FromDeckPosition(36);
inline constexpr Card kCinqueDiCuori = Card::FromDeckPosition(5);

}  // namespace gnamm
