// gnamm-compose: writes the 24 saloon tracks "01.mid" .. "24.mid" into a folder.
//   gnamm-compose <dir>           gnamm-compose --list   (title, style, key, tempo, length)
#include <cstdio>
#include <string>

#include "composer.h"
#include "midi_file.h"

int main(int argc, char** argv) {
    using namespace gnamm::sound;
    if (argc != 2) {
        std::fprintf(stderr, "usage: gnamm-compose <output dir> | --list\n");
        return 2;
    }
    const std::string arg = argv[1];
    const auto& tracks = SaloonTracks();
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Score score = Compose(tracks[i]);
        if (arg == "--list") {
            std::printf("%02zu  %-28s %-9s %-9s %3.0f bpm %6.1f s\n", i + 1, score.title.c_str(),
                        StyleName(tracks[i].style).c_str(),
                        KeyName(tracks[i].tonic, tracks[i].minor).c_str(), score.bpm,
                        score.seconds());
            continue;
        }
        char name[32];
        std::snprintf(name, sizeof name, "/%02d.mid", static_cast<int>(i + 1));
        if (!WriteMidi(arg + name, score)) {
            std::fprintf(stderr, "gnamm-compose: cannot write %s%s\n", arg.c_str(), name);
            return 1;
        }
    }
    return 0;
}
