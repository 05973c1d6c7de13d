#include "rules/random.h"

#include <array>
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

namespace {

// minute/60 and second/61 as the draw divides them, worked out once: a deal draws hundreds
// of times at the same second. The second reaches 60 on a leap second.
struct FrazioniOrarie {
    std::array<double, 60> minuto{};
    std::array<double, 61> secondo{};
    FrazioniOrarie() {
        for (std::size_t m = 0; m < minuto.size(); ++m) minuto[m] = static_cast<int>(m) / 60.0;
        for (std::size_t s = 0; s < secondo.size(); ++s) secondo[s] = static_cast<int>(s) / 61.0;
    }
};
const FrazioniOrarie kFrazioni;

double Frazione(int v, const auto& tabella, double divisore) {
    return v >= 0 && static_cast<std::size_t>(v) < tabella.size()
               ? tabella[static_cast<std::size_t>(v)]
               : v / divisore;
}

}  // namespace

EstrazioniAdesso::EstrazioniAdesso(RandomSource& rng, const Clock& clock) : rng_(rng) {
    const TimeOfDay t = clock.timeOfDay();
    minuto_ = Frazione(t.minute, kFrazioni.minuto, 60.0);
    secondo_ = Frazione(t.second, kFrazioni.secondo, 61.0);
}

int EstrazioniAdesso::operator()(int n) {
    if (n <= 0) return 1;
    const double r = rng_.uniform();
    const double v = n * (r + minuto_ - secondo_);
    if (!(std::fabs(v) < 1e15)) {  // only a source outside [0, 1) gets here
        const double x = std::floor(v);
        return static_cast<int>(x - std::floor(x / n) * n) + 1;
    }
    // The floor and its floor remainder by n, in integers: std::floor is a library call here
    // and a division costs more than the rest of the draw, which runs hundreds of times a
    // deal. v lies between -n and 2n, so one step folds it.
    int64_t x = static_cast<int64_t>(v);
    if (static_cast<double>(x) > v) --x;
    int64_t resto = x < 0 ? x + n : (x >= n ? x - n : x);
    if (resto < 0 || resto >= n) resto = (x % n + n) % n;
    return static_cast<int>(resto) + 1;
}

int EstrazioneCasuale(int n, RandomSource& rng, const Clock& clock) {
    if (n <= 0) return 1;
    return EstrazioniAdesso(rng, clock)(n);
}

}  // namespace gnamm
