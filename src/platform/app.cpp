// Setting up SDL and the game, running it, and the edition window at the end.
#include "platform/app.h"

#include <SDL_image.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "data/asset_catalog.h"
#include "data/asset_resolver.h"
#include "data/data_folder.h"
#include "game/media_player.h"
#include "platform/app_paths.h"
#include "platform/asset_notices.h"
#include "platform/edition_window.h"
#include "platform/first_picture.h"
#include "platform/hangup_signal.h"
#include "platform/main_loop.h"
#include "platform/main_window.h"
#include "platform/picture_prefetch.h"
#include "platform/scale.h"
#include "platform/sdl_media_player.h"
#include "platform/window_mode.h"
#include "ui/finestra.h"
#include "ui/startup.h"

#ifndef GNAMM_VERSION
#define GNAMM_VERSION "0"
#endif

namespace gnamm::platform {

namespace {

// SDL and its helper libraries for the length of the program.
struct SdlSession {
    bool ok = false;
    SdlSession() {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return;
        if (TTF_Init() != 0) return;
        IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
        ok = true;
    }
    ~SdlSession() {
        IMG_Quit();
        if (TTF_WasInit()) TTF_Quit();
        SDL_Quit();
    }
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
};

uint32_t FreshSeed() {
    std::random_device rd;
    const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
    return rd() ^ static_cast<uint32_t>(t);
}

void SetIcon(SDL_Window* window, const AssetResolver& resolver) {
    const auto path = resolver.resolve(assets::kIcona);
    if (!path) return;
    SurfacePtr icon(IMG_Load(path->string().c_str()));
    if (icon) SDL_SetWindowIcon(window, icon.get());
}

std::string ReadCredits(const std::filesystem::path& assetFolder) {
    const auto file = FindCredits(assetFolder);
    if (!file) return {};
    const data::FileRead r = data::ReadWholeFile(*file);
    return r.outcome == data::ReadOutcome::Ok ? r.contents : std::string();
}

void SetHintsAndSignals() {
    // Only real displays: left to itself SDL would fall back to drawing off screen, and the
    // game would run unseen. SDL_VIDEODRIVER in the environment still wins (the tests).
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland && *wayland ? "x11,wayland,KMSDRM" : "x11,KMSDRM");
    // The window's close button (a window event), the session and the signals (SDL_QUIT, and
    // SIGHUP caught here) all save the Torneo and end the program at once.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    CatchHangup();
}

void SayAssetsMissing(const std::vector<std::filesystem::path>& searched) {
    std::fprintf(stderr, "gnamm: %s\n", MissingAssetsMessage(searched, true).c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Gnamm",
                             MissingAssetsMessage(searched, false).c_str(), nullptr);
}

// The picture loader, with the splash and the title already decoding on a thread of their own.
PictureLoader DecodingAhead(const AssetResolver& resolver) {
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    std::vector<AheadPicture> ahead;
    for (const std::string_view name : {assets::kSplash, assets::kTitolo}) {
        if (const auto file = resolver.resolve(name)) {
            ahead.push_back(
                {std::string(name), [f = file->string()] { return DecodeForScaling(f); }});
        }
    }
    return PrefetchingLoader(FileLoader(resolver), std::move(ahead));
}

}  // namespace

int RunApp(int, char**) {
    SetHintsAndSignals();

    // The splash is the first picture on screen and the title the other of the first frame;
    // decoding them costs about as much as bringing up SDL and the window: both at once, on two
    // threads. The files are found here, so the worker shares nothing with this thread but the
    // decoder, set up before it starts.
    const std::filesystem::path exeFolder = ExecutableFolder();
    const auto foundAssets = FindAssetFolder(exeFolder);
    if (!foundAssets) {
        // Without pictures every card would be a grey box: stop, and say how to fix it.
        SayAssetsMissing(AssetFolderCandidates(exeFolder));
        return 1;
    }
    const std::filesystem::path assetFolder = *foundAssets;
    const AssetResolver resolver(assetFolder);
    PictureLoader loader = DecodingAhead(resolver);

    SdlSession sdl;
    if (!sdl.ok) {
        std::fprintf(stderr, "gnamm: no display to open the game window on (%s)\n", SDL_GetError());
        return 1;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");

    std::vector<data::Notice> avvisi;  // said in the window once the game is made
    const std::filesystem::path dataFolder = data::DefaultDataFolder();
    if (auto n = data::DataFolderNotice(dataFolder)) avvisi.push_back(*n);
    data::EnsureFolder(dataFolder);

    MainWindow window(LoadWindowMode(dataFolder, &avvisi), dataFolder);
    if (!window.ok()) {
        std::fprintf(stderr, "gnamm: cannot open the game window (%s)\n", SDL_GetError());
        return 1;
    }
    const FontFiles fonts = FindFonts();
    // Notices of pictures that will not load: kept here until the game that shows them exists.
    data::Avvisi primiAvvisi;
    primiAvvisi.scriviStderr = false;  // each is written when the game takes it
    data::Avvisi* avvisiImmagini = &primiAvvisi;
    ScreenRenderer renderer(
        window.renderer(), AvvisaSeIlleggibile(std::move(loader), resolver, avvisiImmagini), fonts);
    // The splash on screen first; the icon, the sound, the data files and the game after it.
    ShowFirstPicture(window, renderer, std::string(assets::kSplash));
    SetIcon(window.window(), resolver);

    SystemClock clock;
    SeededRandom rng(FreshSeed());
    SdlMediaPlayer media([&resolver](std::string_view name) { return resolver.resolve(name); });
    {
        Finestra game(clock, rng, media, Paths{assetFolder, dataFolder});
        data::Tell(avvisi, game.game.avvisi);
        const Size s = window.size();
        const CanvasTwips canvas = FittedCanvas(s.w, s.h);
        game.salvaTorneo = true;
        Avvio(game, canvas.w, canvas.h);
        AvvisaRisorse(game.game.avvisi, resolver, media.hasDevice());
        for (const std::string& a : primiAvvisi.inAttesa()) game.game.avvisi.aggiungi(a);
        avvisiImmagini = &game.game.avvisi;
        RefreshScreen(game);

        MainLoop loop(game, window, renderer, &media);
        loop.run();
        avvisiImmagini = &primiAvvisi;
        if (!game.finished) return 0;  // the window was closed: no farewell to wait for
    }
    SDL_HideWindow(window.window());
    renderer.reset();  // the table's pictures are not wanted any more
    RunEditionWindow(MakeEditionText(GNAMM_VERSION, ReadCredits(assetFolder)), fonts);
    return 0;
}

}  // namespace gnamm::platform
