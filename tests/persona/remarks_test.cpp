// The remark sets and the voice list the generator reads, against the game's asset catalogue.
#include "persona/remarks.h"

#include <gtest/gtest.h>

#include <set>

#include "data/asset_catalog.h"
#include "game/game.h"

namespace gnamm {
namespace {

TEST(RemarkCatalogue, EverySetLineHasItsOwnVoiceAndAPositiveDuration) {
    std::set<std::string> voices;
    const std::pair<Commento (*)(int), int> sets[] = {{remarks::GnammH, remarks::kGnammH},
                                                      {remarks::GnammPCinf4, remarks::kGnammPCinf4},
                                                      {remarks::GnammPCsup4, remarks::kGnammPCsup4},
                                                      {remarks::Impazienza, remarks::kImpazienza}};
    for (const auto& [line, n] : sets) {
        for (int k = 1; k <= n; ++k) {
            const Commento c = line(k);
            EXPECT_TRUE(voices.insert(c.voce).second) << c.voce << " used twice";
            EXPECT_GT(c.durataMs, 0) << c.voce;
            EXPECT_FALSE(c.testo.empty() || c.foto.empty()) << c.voce;
        }
    }
    EXPECT_EQ(voices.size(), 38u);
}

TEST(VoiceLines, EveryRecordingWithWordsAndTheShortestTimeItIsGiven) {
    std::vector<std::string> files;
    for (const auto& l : remarks::VoiceLines()) {
        files.push_back(l.file);
        EXPECT_FALSE(l.testo.empty()) << l.file;
        EXPECT_GT(l.limiteMs, 0) << l.file;
        // S03 is said three ways; the level greeting and the exit panel give it only 700 ms.
        if (l.file == "\\Zeb\\S03.wav") {
            EXPECT_EQ(l.limiteMs, 700);
        }
    }
    std::vector<std::string> expected = assets::ZebVoices();
    for (const std::string& f : assets::ImpatienceVoices()) expected.push_back(f);
    EXPECT_EQ(files, expected);
}

}  // namespace
}  // namespace gnamm
