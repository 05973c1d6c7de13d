// Finds an asset's file under the asset folder, whatever the letter case of its folders and
// file name, and for pictures whatever their extension.
//
// The game names its assets as "\Rumori\carta3.wav" or "\Foto\Foto04.jpg"; on disk they may be
// "rumori/Carta3.wav" or "foto/Foto04.png". Each directory is listed once and kept; a name that
// matches nothing gives no path, and nothing here throws.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace gnamm {

class AssetResolver {
  public:
    explicit AssetResolver(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }

    // The file an asset name stands for, if there is one.
    std::optional<std::filesystem::path> resolve(std::string_view assetName) const;

    // Forgets the cached listings, for when the folder has changed on disk.
    void clear() const { listings_.clear(); }

  private:
    // One directory's entries: lower-case name -> name on disk, and for pictures lower-case
    // base name -> name on disk.
    struct Listing {
        std::map<std::string, std::string> byName;
        std::map<std::string, std::string> pictureByStem;
    };
    const Listing& listing(const std::filesystem::path& dir) const;

    std::filesystem::path root_;
    mutable std::map<std::string, Listing> listings_;
};

// True for the picture extensions that stand in for each other (.jpg, .jpeg, .gif, .png, .bmp).
bool IsPictureName(std::string_view fileName);

}  // namespace gnamm
