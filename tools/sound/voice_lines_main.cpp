// gnamm-voice-lines: writes what each voice says, from the game's own remark catalogue, so the
// texts live in one place. One file per voice, "S01.txt": the time limit in milliseconds, then
// the words as espeak-ng should say them. A file is rewritten only when its line changed.
//   gnamm-voice-lines <dir>      gnamm-voice-lines --print
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "data/asset_catalog.h"
#include "persona/remarks.h"
#include "spoken_form.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gnamm-voice-lines <output dir> | --print\n");
        return 2;
    }
    const std::string dir = argv[1];
    int failures = 0;
    for (const auto& line : gnamm::remarks::VoiceLines()) {
        std::string id = gnamm::assets::Split(line.file).file;
        id = id.substr(0, id.rfind('.'));
        if (line.testo.empty() || line.limiteMs <= 0) {
            std::fprintf(stderr, "gnamm-voice-lines: %s has no text or no time limit\n",
                         id.c_str());
            ++failures;
            continue;
        }
        const std::string content =
            std::to_string(line.limiteMs) + "\n" + gnamm::sound::SpokenForm(line.testo) + "\n";
        if (dir == "--print") {
            std::printf("%s\t%d\t%s\t%s\n", id.c_str(), line.limiteMs, line.testo.c_str(),
                        gnamm::sound::SpokenForm(line.testo).c_str());
            continue;
        }
        const std::string path = dir + "/" + id + ".txt";
        if (ReadAll(path) == content) continue;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!(out << content)) {
            std::fprintf(stderr, "gnamm-voice-lines: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
