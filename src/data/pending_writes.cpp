#include "data/pending_writes.h"

#include <map>
#include <utility>

namespace gnamm::data {

namespace fs = std::filesystem;

namespace {

struct InAttesa {
    std::string contents;
    std::string what;
};

// One game per process; the tests' games each have a folder of their own.
std::map<fs::path, InAttesa>& Attesa() {
    static std::map<fs::path, InAttesa> attesa;
    return attesa;
}

}  // namespace

WriteError WriteOrKeepPending(const fs::path& file, std::string contents, std::string what) {
    const WriteError e = TryWriteFileAtomically(file, contents);
    if (e == WriteError::None) {
        Attesa().erase(file);
    } else {
        Attesa()[file] = {std::move(contents), std::move(what)};
    }
    return e;
}

bool RetryPendingWrites(const fs::path& dati, Avvisi& avvisi) {
    bool vuoto = true;
    const fs::path cartella = (dati / "x").parent_path();  // however the folder was spelled
    for (auto it = Attesa().begin(); it != Attesa().end();) {
        if (dati.empty() || it->first.parent_path() != cartella) {
            ++it;
            continue;
        }
        const WriteError e = TryWriteFileAtomically(it->first, it->second.contents);
        if (e == WriteError::None) {
            it = Attesa().erase(it);
            continue;
        }
        const Notice n = SaveFailedNotice(it->first.filename().string(), e, it->second.what);
        avvisi.aggiungi(n.testo, n.riga);
        vuoto = false;
        ++it;
    }
    return vuoto;
}

}  // namespace gnamm::data
