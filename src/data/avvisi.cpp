#include "data/avvisi.h"

#include <cstdio>
#include <utility>

namespace gnamm::data {

void Avvisi::aggiungi(std::string testo, std::string_view rigaStderr) {
    if (testo.empty() || !detti_.insert(testo).second) return;
    if (scriviStderr) {
        const std::string_view riga = rigaStderr.empty() ? std::string_view(testo) : rigaStderr;
        std::fprintf(stderr, "gnamm: %.*s\n", static_cast<int>(riga.size()), riga.data());
    }
    attesa_.push_back(std::move(testo));
}

void Avvisi::chiudiCorrente() {
    if (!attesa_.empty()) attesa_.pop_front();
}

}  // namespace gnamm::data
