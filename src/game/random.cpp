#include "game/random.h"

#include <cmath>

namespace gnamm {

int EstrazioneCasuale(int n, RandomSource& rng, const Clock& clock) {
    if (n <= 0) return 1;
    const double r = rng.uniform();
    const TimeOfDay t = clock.timeOfDay();
    const double x = std::floor(n * (r + t.minute / 60.0 - t.second / 61.0));
    const double remainder = x - std::floor(x / n) * n;
    return static_cast<int>(remainder) + 1;
}

}  // namespace gnamm
