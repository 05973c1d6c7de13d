// The remark catalogue against the game's own tables, and the voice list the generator reads.
#include "persona/remarks.h"

#include <gtest/gtest.h>

#include <set>

#include "data/asset_catalog.h"
#include "game/game.h"

namespace gnamm {
namespace {

void ExpectLine(const Commento& c, std::string_view voce, std::string_view testo,
                std::string_view fumetto, std::string_view foto, int durata) {
    EXPECT_EQ(c.voce, voce);
    EXPECT_EQ(c.testo, testo);
    EXPECT_EQ(c.fumetto, fumetto);
    EXPECT_EQ(c.foto, foto);
    EXPECT_EQ(c.durataMs, durata);
}

TEST(RemarkCatalogue, SampleOfTheTables) {
    ExpectLine(remarks::GnammH(1), "\\Zeb\\S01.wav", "E' solo fortuna, ragazzo!!",
               "\\Grafica\\Fumetto1.gif", "\\Foto\\Foto04.jpg", 2225);
    ExpectLine(remarks::GnammH(11), "\\Zeb\\S11.wav", "Non è possibile...",
               "\\Grafica\\Fumetto2.gif", "\\Foto\\Foto05.jpg", 1155);
    ExpectLine(remarks::GnammPCinf4(6), "\\Zeb\\S40.wav", "Gnamm!!", "\\Grafica\\Fumetto3.gif",
               "\\Foto\\Foto08.jpg", 990);
    ExpectLine(remarks::GnammPCsup4(1), "\\Zeb\\S29.wav", "Mio nonno mi diceva sempre:...",
               "\\Grafica\\Fumetto1.gif", "\\Foto\\Foto08.jpg", 3700);
    ExpectLine(remarks::Impazienza(5), "\\Impaz\\I05.wav",
               "Se non ti sbrighi perderai la diligenza...", "\\Grafica\\Fumetto1.gif",
               "\\Foto\\Foto12.jpg", 3604);
    ExpectLine(remarks::Impazienza(8), "\\Impaz\\I08.wav", "Dài, su...", "\\Grafica\\Fumetto3.gif",
               "\\Foto\\Foto03.jpg", 1245);
    ExpectLine(remarks::Livello(Livello::Honest), "\\Zeb\\S03.wav", "Bravo!",
               "\\Grafica\\Fumetto3.gif", "", 700);
    ExpectLine(remarks::Gioca(), "\\Zeb\\S19.wav", "Gioca!", "\\Grafica\\Fumetto3.gif",
               "\\Foto\\Foto20.jpg", 620);
    ExpectLine(remarks::AssoBevuto(1), "\\Zeb\\S14.wav", "Asso bevuto... gioco astuto!",
               "\\Grafica\\Fumetto1.gif", "\\Foto\\Foto22.jpg", 3650);
    ExpectLine(remarks::CinqueDiCuori(2), "\\Zeb\\S43.wav", "Questi cuoricini sono miei!!",
               "\\Grafica\\Fumetto1.gif", "\\Foto\\Foto21.jpg", 2100);
    ExpectLine(remarks::UltimaCattura(Player::PC, true, true), "\\Zeb\\S21.wav",
               "Queste sono mie!!", "\\Grafica\\Fumetto2.gif", "\\Foto\\Foto21.jpg", 1290);
    ExpectLine(remarks::UltimaCattura(Player::H, false, true), "\\Zeb\\S23.wav", "Tua!",
               "\\Grafica\\Fumetto3.gif", "\\Foto\\Foto20.jpg", 445);
    ExpectLine(remarks::NonCantareVittoria(), "\\Zeb\\S49.wav",
               "Non cantare vittoria troppo presto!", "\\Grafica\\Fumetto1.gif",
               "\\Foto\\Foto15.jpg", 0);
    ExpectLine(remarks::Saluto(2), "\\Zeb\\S27.wav", "Ti saluto!!", "\\Grafica\\Fumetto3.gif",
               "\\Foto\\Foto19.jpg", 0);
    EXPECT_EQ(remarks::Rimprovero().voce, "\\Zeb\\S28.wav");
    EXPECT_EQ(remarks::Rimprovero().durataMs, 320);
    EXPECT_EQ(remarks::SplashVoice(1), "\\Zeb\\S15.wav");
    EXPECT_EQ(remarks::SplashVoice(9), "\\Zeb\\S18.wav");
}

TEST(RemarkCatalogue, EverySetLineHasItsOwnVoiceAndAPositiveDuration) {
    std::set<std::string> voices;
    const auto check = [&voices](const Commento& c) {
        EXPECT_TRUE(voices.insert(c.voce).second) << c.voce << " used twice";
        EXPECT_GT(c.durataMs, 0) << c.voce;
        EXPECT_FALSE(c.testo.empty()) << c.voce;
        EXPECT_FALSE(c.foto.empty()) << c.voce;
    };
    for (int k = 1; k <= remarks::kGnammH; ++k) check(remarks::GnammH(k));
    for (int k = 1; k <= remarks::kGnammPCinf4; ++k) check(remarks::GnammPCinf4(k));
    for (int k = 1; k <= remarks::kGnammPCsup4; ++k) check(remarks::GnammPCsup4(k));
    for (int k = 1; k <= remarks::kImpazienza; ++k) check(remarks::Impazienza(k));
    EXPECT_EQ(voices.size(), 38u);
}

TEST(VoiceLines, EveryRecordingWithWordsAndTheShortestTimeItIsGiven) {
    const std::vector<remarks::VoiceLine> lines = remarks::VoiceLines();
    std::vector<std::string> files;
    for (const auto& l : lines) {
        files.push_back(l.file);
        EXPECT_FALSE(l.testo.empty()) << l.file;
        EXPECT_GT(l.limiteMs, 0) << l.file;
    }
    std::vector<std::string> expected = assets::ZebVoices();
    for (const std::string& f : assets::ImpatienceVoices()) expected.push_back(f);
    EXPECT_EQ(files, expected);

    const auto find = [&lines](std::string_view file) {
        for (const auto& l : lines) {
            if (l.file == file) return l;
        }
        return remarks::VoiceLine{};
    };
    // S03 is said three ways; the level greeting and the exit panel give it only 700 ms.
    EXPECT_EQ(find("\\Zeb\\S03.wav").testo, "Bravo!");
    EXPECT_EQ(find("\\Zeb\\S03.wav").limiteMs, 700);
    EXPECT_EQ(find("\\Zeb\\S40.wav").limiteMs, 950);
    EXPECT_EQ(find("\\Zeb\\S28.wav").limiteMs, 320);
    EXPECT_EQ(find("\\Zeb\\S26.wav").testo, "A presto, figliolo!!");
    EXPECT_EQ(find("\\Zeb\\S15.wav").limiteMs, 1000);
    EXPECT_EQ(find("\\Impaz\\I10.wav").testo, "E beh?!");
    EXPECT_EQ(find("\\Impaz\\I10.wav").limiteMs, 555);
}

}  // namespace
}  // namespace gnamm
