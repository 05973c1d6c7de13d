// The four counted deck points: the count each must pass and the six that settles a tie.
#pragma once

#include <array>

#include "rules/card.h"

namespace gnamm {

// The four counted deck points, in the order the rules walk them.
enum class PuntoMazzo { Sette, Quadri, Figure, Carte };
inline constexpr std::array<PuntoMazzo, 4> kPuntiMazzo = {PuntoMazzo::Sette, PuntoMazzo::Quadri,
                                                          PuntoMazzo::Figure, PuntoMazzo::Carte};
// The count to exceed (or to reach holding the tie six) for each point.
inline constexpr std::array<int, 4> kSoglia = {2, 5, 6, 20};
// The six that breaks a tie for each point.
inline constexpr std::array<Card, 4> kSeiSpareggio = {kSeiDiCuori, kSeiDiQuadri, kSeiDiFiori,
                                                      kSeiDiPicche};

}  // namespace gnamm
