// Where the game finds its assets and its credits when it runs from the build folder or from
// an installed prefix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gnamm::platform {

// The folders an executable in `exeDir` looks in for its assets, in order: `exeDir/assets`
// (the build folder), `exeDir/../share/games/gnamm` (installed from the package, the game in
// /usr/games), then `exeDir/../share/gnamm` (installed by hand beside a bin folder).
std::vector<std::filesystem::path> AssetFolderCandidates(const std::filesystem::path& exeDir);

// The first candidate that can be read and holds the game's pictures (a Grafica folder);
// nothing when none does: the game would open with every picture a grey box.
std::optional<std::filesystem::path> FindAssetFolder(const std::filesystem::path& exeDir);

// What the player is told when no asset folder is found: the folders searched and the fix.
// `oneLine` gives the stderr form, else the message box's.
std::string MissingAssetsMessage(const std::vector<std::filesystem::path>& searched, bool oneLine);

// The credits of the assets beside them, if the build wrote them.
std::optional<std::filesystem::path> FindCredits(const std::filesystem::path& assetFolder);

// The folder of the running executable (SDL's base path), else the current one.
std::filesystem::path ExecutableFolder();

}  // namespace gnamm::platform
