#include "game/random.h"

#include <cmath>
#include <sstream>

namespace gnamm {

std::string SeededRandom::state() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool SeededRandom::restoreState(std::string_view text) {
    // The engine's own text form: 624 words and a position, all decimal, space-separated.
    if (text.empty() || text.find_first_not_of("0123456789 ") != std::string_view::npos) {
        return false;
    }
    std::istringstream in{std::string(text)};
    std::mt19937 e;
    in >> e;
    if (in.fail()) return false;
    in >> std::ws;
    if (!in.eof()) return false;
    engine_ = e;
    return true;
}

int EstrazioneCasuale(int n, RandomSource& rng, const Clock& clock) {
    if (n <= 0) return 1;
    const double r = rng.uniform();
    const TimeOfDay t = clock.timeOfDay();
    const double x = std::floor(n * (r + t.minute / 60.0 - t.second / 61.0));
    const double remainder = x - std::floor(x / n) * n;
    return static_cast<int>(remainder) + 1;
}

}  // namespace gnamm
