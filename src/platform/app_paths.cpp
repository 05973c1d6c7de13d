// Locating the asset folder and the credits file.
#include "platform/app_paths.h"

#include <SDL.h>

#include <cctype>
#include <system_error>

namespace gnamm::platform {

std::vector<std::filesystem::path> AssetFolderCandidates(const std::filesystem::path& exeDir) {
    return {(exeDir / "assets").lexically_normal(),
            (exeDir / ".." / "share" / "games" / "gnamm").lexically_normal(),
            (exeDir / ".." / "share" / "gnamm").lexically_normal()};
}

std::optional<std::filesystem::path> FindAssetFolder(const std::filesystem::path& exeDir) {
    for (const auto& c : AssetFolderCandidates(exeDir)) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(c, ec), end; !ec && it != end;
             it.increment(ec)) {
            std::string name = it->path().filename().string();
            for (char& ch : name)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            std::error_code dirEc;
            if (name == "grafica" && it->is_directory(dirEc)) return c;
        }
    }
    return std::nullopt;
}

std::string MissingAssetsMessage(const std::vector<std::filesystem::path>& searched, bool oneLine) {
    std::string folders;
    for (const auto& f : searched) {
        folders += oneLine ? (folders.empty() ? "" : ", ") + f.string() : "\n    " + f.string();
    }
    if (oneLine) {
        return "cannot find the pictures and sounds (searched " + folders +
               "); run make play in the source folder, or install the game's package "
               "(make package), which puts them in /usr/share/games/gnamm";
    }
    // Short lines: the message box does not wrap them.
    return "Gnamm cannot find its pictures and sounds.\n\nFolders searched:" + folders +
           "\n\nTo fix it, either:\n"
           "  - in the source folder, run  make play\n"
           "    (it builds them and starts the game), or\n"
           "  - install the game's package (make package,\n"
           "    then apt install ./gnamm_*.deb), which puts\n"
           "    them in /usr/share/games/gnamm.";
}

std::optional<std::filesystem::path> FindCredits(const std::filesystem::path& assetFolder) {
    for (const char* name : {"CREDITS", "CREDITS.txt", "CREDITS.md", "credits.txt"}) {
        std::error_code ec;
        const auto p = assetFolder / name;
        if (std::filesystem::is_regular_file(p, ec)) return p;
    }
    return std::nullopt;
}

std::filesystem::path ExecutableFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return std::filesystem::current_path();
    std::filesystem::path p(base);
    SDL_free(base);
    return p;
}

}  // namespace gnamm::platform
