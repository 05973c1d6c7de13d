#include "platform/asset_notices.h"

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/asset_catalog.h"

namespace gnamm::platform {

namespace {

struct Cartella {
    std::string_view nome;  // as the game names it
    std::string_view cosa;  // what its files are, after "file"
    bool immagini;
};

constexpr std::array<Cartella, 8> kCartelle = {{
    {"Carte", "delle carte", true},
    {"Grafica", "della grafica", true},
    {"Foto", "delle foto di Nonno Zeb", true},
    {"Zeb", "delle voci di Nonno Zeb", false},
    {"Impaz", "delle voci di Nonno Zeb", false},
    {"Rumori", "dei rumori delle carte", false},
    {"Saloon", "dei suoni del saloon", false},
    {"Musiche", "delle musiche", false},
}};

constexpr std::size_t kNomiDetti = 5;  // the missing files named one by one, at most

std::string_view CosaContiene(std::string_view cartella) {
    for (const Cartella& c : kCartelle) {
        if (c.nome == cartella) return c.cosa;
    }
    return "del gioco";
}

// "Ac, 2c e 3c", or "Ac, 2c, 3c, 4c, 5c e altri 35"; in English for stderr.
std::string Elenco(const std::vector<std::string>& nomi, bool italiano = true) {
    const std::string e = italiano ? " e " : " and ";
    std::string out;
    const std::size_t detti = nomi.size() > kNomiDetti ? kNomiDetti : nomi.size();
    for (std::size_t i = 0; i < detti; ++i) {
        if (i > 0) out += i + 1 == nomi.size() ? e : ", ";
        out += nomi[i];
    }
    if (detti < nomi.size()) {
        const std::string altri = std::to_string(nomi.size() - detti);
        out += italiano ? " e altri " + altri : " and " + altri + " more";
    }
    return out;
}

// A picture is named without its extension: any of .png, .jpg, .gif, .bmp will do.
std::string NomeDetto(const std::string& file, bool immagine) {
    if (!immagine) return file;
    const auto punto = file.rfind('.');
    return punto == std::string::npos ? file : file.substr(0, punto);
}

void AvvisaMancanti(data::Avvisi& avvisi, const AssetResolver& resolver,
                    const std::vector<std::string>& nomi, bool immagini) {
    std::map<std::string, std::pair<std::vector<std::string>, std::size_t>> perCartella;
    for (const std::string& nome : nomi) {
        const assets::AssetPath p = assets::Split(nome);
        auto& [mancanti, tutti] = perCartella[p.folder];
        ++tutti;
        if (!resolver.resolve(nome)) mancanti.push_back(NomeDetto(p.file, immagini));
    }
    for (const auto& [cartella, conti] : perCartella) {
        const auto& [mancanti, tutti] = conti;
        if (mancanti.empty()) continue;
        const std::string dove = (resolver.root() / cartella).string();
        const std::string cosa(CosaContiene(cartella));
        const bool uno = mancanti.size() == 1;
        std::string testo = "Nella cartella " + dove + (uno ? " manca un file " : " mancano ");
        if (uno) {
            testo += cosa + ": " + mancanti.front() + ". ";
        } else if (mancanti.size() == tutti) {
            testo += "tutti i " + std::to_string(tutti) + " file " + cosa + ". ";
        } else {
            testo +=
                std::to_string(mancanti.size()) + " file " + cosa + ": " + Elenco(mancanti) + ". ";
        }
        if (immagini) {
            testo += uno ? "Al suo posto si vede un riquadro grigio."
                         : "Al loro posto si vedono riquadri grigi.";
        } else {
            testo += uno ? "Quel suono non si sentirà." : "Quei suoni non si sentiranno.";
        }
        avvisi.aggiungi(std::move(testo), "missing " + std::to_string(mancanti.size()) + " of " +
                                              std::to_string(tutti) + " files in " + dove + ": " +
                                              Elenco(mancanti, false));
    }
}

}  // namespace

void AvvisaRisorse(data::Avvisi& avvisi, const AssetResolver& resolver, bool dispositivoAudio) {
    AvvisaMancanti(avvisi, resolver, assets::AllPictures(), true);
    if (dispositivoAudio) {
        AvvisaMancanti(avvisi, resolver, assets::AllSounds(), false);
    } else {
        avvisi.aggiungi(
            "Non si è trovato nessun dispositivo audio: Gnamm gioca senza suoni né "
            "musica.",
            "no sound device could be opened; the game plays silent");
    }
}

PictureLoader AvvisaSeIlleggibile(PictureLoader loader, const AssetResolver& resolver,
                                  data::Avvisi* const& avvisi) {
    auto detti = std::make_shared<std::set<std::string>>();
    return [loader = std::move(loader), &resolver, &avvisi, detti](std::string_view nome) {
        SurfacePtr s = loader(nome);
        if (s) return s;
        // A missing file was told at start-up; a file there that will not load is told here.
        const auto file = resolver.resolve(nome);
        const std::string cartella = assets::Split(nome).folder;
        if (file && detti->insert(cartella).second) {
            avvisi->aggiungi("Non si riesce a leggere l'immagine " + file->string() +
                                 ": è rovinata, o di un formato che Gnamm non conosce. Al suo "
                                 "posto si vede un riquadro grigio, come per ogni altra immagine "
                                 "illeggibile " +
                                 std::string(CosaContiene(cartella)) + ".",
                             "cannot read the picture " + file->string());
        }
        return s;
    };
}

}  // namespace gnamm::platform
