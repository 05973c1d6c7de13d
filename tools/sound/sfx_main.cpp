// gnamm-sfx: renders the card noises or the saloon sounds into a folder.
//   gnamm-sfx rumori <dir>    gnamm-sfx saloon <dir>
#include <cstdio>
#include <string>

#include "sfx.h"
#include "wav.h"

int main(int argc, char** argv) {
    using namespace gnamm::sound;
    if (argc != 3) {
        std::fprintf(stderr, "usage: gnamm-sfx rumori|saloon <output dir>\n");
        return 2;
    }
    const std::string kind = argv[1], dir = argv[2];
    std::vector<NamedSound> sounds;
    if (kind == "rumori") {
        sounds = CardNoises();
    } else if (kind == "saloon") {
        sounds = SaloonSounds();
    } else {
        std::fprintf(stderr, "gnamm-sfx: unknown set '%s'\n", kind.c_str());
        return 2;
    }
    for (const NamedSound& s : sounds) {
        const std::string path = dir + "/" + s.file;
        if (!WriteWav(path, s.samples)) {
            std::fprintf(stderr, "gnamm-sfx: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
