// Where the game finds its assets and its credits when it runs from the build folder or from
// an installed prefix.
#pragma once

#include <filesystem>
#include <optional>

namespace gnamm::platform {

// The asset folder for an executable in `exeDir`: `exeDir/assets` (the build folder), else
// `exeDir/../share/gnamm` (installed). The first that exists; the build one when neither does,
// so a missing folder shows placeholders rather than stopping the game.
std::filesystem::path FindAssetFolder(const std::filesystem::path& exeDir);

// The credits of the assets beside them, if the build wrote them.
std::optional<std::filesystem::path> FindCredits(const std::filesystem::path& assetFolder);

// The folder of the running executable (SDL's base path), else the current one.
std::filesystem::path ExecutableFolder();

}  // namespace gnamm::platform
