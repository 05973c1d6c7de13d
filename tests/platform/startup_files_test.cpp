// What the game looks for on disk as it starts: its pictures and sounds, the credits and the
// window's mode.
#include <gtest/gtest.h>

#include <fstream>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "data/asset_catalog.h"
#include "data/temp_dati.h"
#include "platform/app_paths.h"
#include "platform/asset_notices.h"
#include "platform/command_line.h"
#include "platform/window_mode.h"

namespace gnamm::platform {
namespace {

namespace fs = std::filesystem;

TEST(AppPaths, AssetsAndCreditsBesideTheBuildThenInTheInstalledShareFoldersElseNone) {
    gnamm::testing_support::TempDati tmp;
    const fs::path prefix = tmp.dati() / "usr";
    const fs::path bin = prefix / "games";
    const fs::path package = (prefix / "share" / "games" / "gnamm").lexically_normal();
    const fs::path share = (prefix / "share" / "gnamm").lexically_normal();
    fs::create_directories(bin / "assets");  // an empty folder holds no pictures
    EXPECT_FALSE(FindAssetFolder(bin).has_value());
    const std::string said = MissingAssetsMessage(AssetFolderCandidates(bin), true);
    EXPECT_NE(
        said.find((bin / "assets").string() + ", " + package.string() + ", " + share.string()),
        std::string::npos);
    EXPECT_NE(said.find("make play"), std::string::npos);
    EXPECT_EQ(said.find('\n'), std::string::npos);
    // Installed by hand, then from the package, then built: the first of them wins.
    fs::create_directories(share / "grafica");
    EXPECT_EQ(FindAssetFolder(bin), share);
    fs::create_directories(package / "Grafica");
    EXPECT_EQ(FindAssetFolder(bin), package);
    fs::create_directories(bin / "assets" / "Grafica");
    EXPECT_EQ(FindAssetFolder(bin), (bin / "assets").lexically_normal());
    // The credits are found beside the assets when the build wrote them.
    EXPECT_FALSE(FindCredits(bin / "assets").has_value());
    fs::create_directories(bin / "assets" / "CREDITS");  // a folder by that name is not the file
    EXPECT_FALSE(FindCredits(bin / "assets").has_value());
    std::ofstream(bin / "assets" / "CREDITS.txt") << "Carte: un mazzo libero\n";
    EXPECT_EQ(FindCredits(bin / "assets"), bin / "assets" / "CREDITS.txt");
}

// Pictures and sounds missing from the asset folder are told once per folder, with where the
// game looked; a picture there that will not load, once per folder as it is drawn.
TEST(AssetNotices, MissingFilesAreToldByFolderAndAnUnreadablePictureOnce) {
    gnamm::testing_support::TempDati tmp;
    const fs::path root = tmp.dati();
    for (const bool suono : {false, true}) {
        for (const auto& nome : suono ? assets::AllSounds() : assets::AllPictures()) {
            const assets::AssetPath p = assets::Split(nome);
            fs::create_directories(root / p.folder);
            std::ofstream(root / p.folder /
                          (suono ? p.file : p.file.substr(0, p.file.rfind('.')) + ".png"));
        }
    }
    fs::remove(root / "Carte" / "Ac.png");
    fs::remove(root / "Carte" / "2c.png");
    fs::remove(root / "Zeb" / "S07.wav");
    fs::remove_all(root / "Musiche");
    const AssetResolver resolver(root);
    auto detti = [&resolver](bool audio) {
        data::Avvisi a;
        a.scriviStderr = false;
        AvvisaRisorse(a, resolver, audio);
        return std::vector<std::string>(a.inAttesa().begin(), a.inAttesa().end());
    };
    const std::string dove = "Nella cartella " + root.string();
    EXPECT_EQ(detti(true),
              (std::vector<std::string>{
                  dove + "/Carte mancano 2 file delle carte: Ac e 2c. Al loro posto si vedono "
                         "riquadri grigi.",
                  dove + "/Musiche mancano tutti i 24 file delle musiche. Quei suoni non si "
                         "sentiranno.",
                  dove + "/Zeb manca un file delle voci di Nonno Zeb: S07.wav. Quel suono non si "
                         "sentirà."}));
    const auto muto = detti(false);
    ASSERT_EQ(muto.size(), 2u);
    EXPECT_EQ(muto[1],
              "Non si è trovato nessun dispositivo audio: Gnamm gioca senza suoni né musica.");

    data::Avvisi a;
    a.scriviStderr = false;
    data::Avvisi* const destinatario = &a;
    const PictureLoader carica =
        AvvisaSeIlleggibile([](std::string_view) { return SurfacePtr(); }, resolver, destinatario);
    for (const char* nome :
         {"\\Carte\\Ac.jpg", "\\Carte\\3c.jpg", "\\Carte\\4c.jpg", "\\Foto\\Foto01.jpg"}) {
        EXPECT_FALSE(carica(nome));
    }
    ASSERT_EQ(a.inAttesa().size(), 2u);
    EXPECT_TRUE(a.inAttesa()[0].starts_with("Non si riesce a leggere l'immagine " +
                                            (root / "Carte" / "3c.png").string()));
    EXPECT_NE(a.inAttesa()[1].find("Foto01.png"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionAnswerAtOnceAnythingElseIsAnErrorNoArgumentsStartTheGame) {
    using Args = std::vector<std::string_view>;
    EXPECT_FALSE(AnswerCommandLine(Args{}, "0.1.0").has_value());
    // The arguments, the exit code, and a piece of what goes to stdout and to stderr.
    const std::tuple<Args, int, std::string, std::string> casi[] = {
        {{"--version"}, 0, "gnamm 0.1.0\n", ""},
        {{"-v"}, 0, "gnamm 0.1.0\n", ""},
        {{"--help"}, 0, "Uso: gnamm [--help | --version]", ""},
        {{"-h", "--version"}, 0, "man 6 gnamm", ""},
        {{"--fullscreen"}, 2, "", "opzione sconosciuta \"--fullscreen\""},
        {{"partita.txt"}, 2, "", "vedi gnamm --help"},
    };
    for (const auto& [args, code, out, err] : casi) {
        const auto answer = AnswerCommandLine(args, "0.1.0");
        ASSERT_TRUE(answer.has_value()) << args.front();
        EXPECT_EQ(answer->exitCode, code) << args.front();
        EXPECT_NE(answer->out.find(out), std::string::npos) << args.front();
        EXPECT_NE(answer->err.find(err), std::string::npos) << args.front();
        EXPECT_EQ(answer->out.empty(), out.empty()) << args.front();
        EXPECT_EQ(answer->err.empty(), err.empty()) << args.front();
    }
}

TEST(WindowMode, SurvivesARoundTripAndAGarbledFileMeansFullScreen) {
    gnamm::testing_support::TempDati dir;
    const WindowMode windowed{false, 1024, 768};
    ASSERT_TRUE(SaveWindowMode(dir.dati(), windowed));
    EXPECT_EQ(LoadWindowMode(dir.dati()), windowed);
    // The same quoted-item lines as the game's other files, CR LF included.
    EXPECT_EQ(dir.read(kWindowModeFile), "#FALSE#\r\n1024\r\n768\r\n");
    ASSERT_TRUE(SaveWindowMode(dir.dati(), WindowMode{true, 1024, 768}));
    EXPECT_TRUE(LoadWindowMode(dir.dati()).fullScreen);
    // A missing or garbled file means full screen; absurd sizes are forgotten, the mode kept.
    std::filesystem::remove(dir.file(kWindowModeFile));
    EXPECT_EQ(LoadWindowMode(dir.dati()), WindowMode{});
    const std::pair<const char*, WindowMode> casi[] = {
        {"", {}},
        {"garbage", {}},
        {"#FALSE#\r\n", {}},
        {"#FALSE#\r\n800\r\n600\r\n7\r\n", {}},
        {"\"no\"\r\n800\r\n600\r\n", {}},
        {"#FALSE#\r\n\"800\"\r\n600x\r\n", {}},
        {"#FALSE#\r\n-5\r\n600\r\n", {false, 0, 0}},
        {"#FALSE#\r\n99999999\r\n600\r\n", {false, 0, 0}},
        {"#FALSE#\r\n100\r\n80\r\n", {false, 0, 0}},
        {"#FALSE#\r\n900\r\n700\r\n", {false, 900, 700}},
    };
    std::vector<data::Notice> notices;
    for (const auto& [text, mode] : casi) {
        dir.write(kWindowModeFile, text);
        EXPECT_EQ(LoadWindowMode(dir.dati(), &notices), mode) << text;
    }
    // Each garbled one kept, the newest as .bad, with a line for the window; sizes out of range
    // in a sound file are forgotten quietly. No folder reads and writes nothing.
    ASSERT_EQ(notices.size(), 6u);
    EXPECT_EQ(notices.back().testo,
              "GnFinestra.txt era danneggiato: la finestra si apre a tutto schermo. L'originale è "
              "conservato come GnFinestra.txt.bad.");
    EXPECT_EQ(std::tuple(dir.read("GnFinestra.txt.bad"), dir.exists("GnFinestra.txt.5.bad"),
                         dir.exists("GnFinestra.txt.6.bad")),
              std::tuple("#FALSE#\r\n\"800\"\r\n600x\r\n", true, false));
    EXPECT_FALSE(SaveWindowMode({}, windowed) || fs::exists(kWindowModeFile));
}

TEST(WindowMode, TheWindowOpensWithinTheDesktopAndNoSmallerThan800x600) {
    // The mode stored, the desktop, the window's size.
    const std::tuple<WindowMode, Size, Size> casi[] = {
        {{false, 0, 0}, {1920, 1080}, {1152, 864}},        // fresh: 4:3, 4/5 high
        {{false, 900, 700}, {1920, 1080}, {900, 700}},     // the player's own size
        {{false, 2500, 1400}, {1920, 1080}, {1152, 864}},  // stored on a larger screen
        {{false, 1900, 1000}, {1366, 728}, {800, 600}},    // ... on a small one
        {{false, 640, 480}, {1920, 1080}, {1152, 864}},    // too small to open in
        {{false, 0, 0}, {1024, 700}, {800, 600}},          // 4/5 would be under 800x600
        {{false, 0, 0}, {1000, 1200}, {1000, 750}},        // a tall desktop
        {{false, 700, 500}, {720, 520}, {720, 520}},       // a desktop under 800x600
    };
    for (const auto& [stored, desktop, expected] : casi) {
        const Size s = WindowSizeFor(stored, desktop);
        EXPECT_EQ(std::pair(s.w, s.h), std::pair(expected.w, expected.h))
            << stored.width << "x" << stored.height;
    }
}

}  // namespace
}  // namespace gnamm::platform
