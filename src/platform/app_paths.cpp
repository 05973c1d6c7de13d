// Locating the asset folder and the credits file.
#include "platform/app_paths.h"

#include <SDL.h>

#include <system_error>

namespace gnamm::platform {

std::filesystem::path FindAssetFolder(const std::filesystem::path& exeDir) {
    const std::filesystem::path candidates[] = {exeDir / "assets",
                                                exeDir / ".." / "share" / "gnamm"};
    for (const auto& c : candidates) {
        std::error_code ec;
        if (std::filesystem::is_directory(c, ec)) return c.lexically_normal();
    }
    return candidates[0];
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
