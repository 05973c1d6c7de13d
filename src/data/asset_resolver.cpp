// Case-blind asset lookup over cached directory listings.
#include "data/asset_resolver.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

#include "data/asset_catalog.h"

namespace gnamm {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

// Preferred first when one base name has several pictures: the formats the generators write.
constexpr std::array<std::string_view, 5> kPictureExtensions = {".png", ".jpg", ".jpeg", ".gif",
                                                                ".bmp"};

int PictureRank(std::string_view lowerName) {
    for (size_t i = 0; i < kPictureExtensions.size(); ++i) {
        const std::string_view ext = kPictureExtensions[i];
        if (lowerName.size() > ext.size() &&
            lowerName.substr(lowerName.size() - ext.size()) == ext) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string Stem(std::string_view name) {
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::vector<std::string> Components(std::string_view assetName) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= assetName.size()) {
        const size_t sep = assetName.find_first_of("\\/", start);
        const size_t end = sep == std::string_view::npos ? assetName.size() : sep;
        if (end > start) parts.emplace_back(assetName.substr(start, end - start));
        if (sep == std::string_view::npos) break;
        start = sep + 1;
    }
    return parts;
}

}  // namespace

bool IsPictureName(std::string_view fileName) {
    return PictureRank(Lower(fileName)) >= 0;
}

const AssetResolver::Listing& AssetResolver::listing(const std::filesystem::path& dir) const {
    const std::string key = dir.generic_string();
    if (const auto it = listings_.find(key); it != listings_.end()) return it->second;

    // Sorted, so that when two names differ only in case the same one wins on every run.
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());

    Listing l;
    for (const std::string& name : names) {
        const std::string lower = Lower(name);
        l.byName.emplace(lower, name);
        const int rank = PictureRank(lower);
        if (rank < 0) continue;
        auto [it, inserted] = l.pictureByStem.emplace(Stem(lower), name);
        if (!inserted && rank < PictureRank(Lower(it->second))) it->second = name;
    }
    return listings_.emplace(key, std::move(l)).first->second;
}

std::optional<std::filesystem::path> AssetResolver::resolve(std::string_view assetName) const {
    const assets::AssetPath split = assets::Split(assetName);
    std::vector<std::string> parts = Components(split.file);
    if (!split.folder.empty()) parts.insert(parts.begin(), split.folder);
    if (parts.empty()) return std::nullopt;
    std::filesystem::path path = root_;
    for (size_t i = 0; i < parts.size(); ++i) {
        // An asset always lies inside the asset folder.
        if (parts[i] == "." || parts[i] == "..") return std::nullopt;
        const Listing& l = listing(path);
        const std::string lower = Lower(parts[i]);
        const bool last = i + 1 == parts.size();
        if (const auto it = l.byName.find(lower); it != l.byName.end()) {
            path /= it->second;
        } else if (last && IsPictureName(lower)) {
            const auto pic = l.pictureByStem.find(Stem(lower));
            if (pic == l.pictureByStem.end()) return std::nullopt;
            path /= pic->second;
        } else {
            return std::nullopt;
        }
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    return path;
}

}  // namespace gnamm
