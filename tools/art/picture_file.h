// Finding and decoding one of the game's pictures the way the game does: by folder and file
// name without regard to case or extension, decoded by SDL2_image.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace gnamm::art {

// The file on disk under `assetsRoot` for a catalogue name such as "\Foto\Foto04.jpg", found
// by the game's own resolver.
std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& assetsRoot,
                                                 std::string_view assetName);

struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceFree>;

// Decodes `file` with SDL2_image into a cairo image surface; null when it cannot.
Surface DecodePicture(const std::filesystem::path& file);

// Writes an opaque drawing as the JPEG file for a catalogue name ("Splash.jpg" in `folder`),
// and removes a PNG of that name an older build left there: the game would take either. A big
// photograph-like picture decodes in a third of a PNG's time. False, said on stderr naming
// `tool`, when it cannot.
bool WriteJpegAsset(cairo_surface_t* picture, const std::string& folder, std::string_view assetName,
                    const char* tool);

}  // namespace gnamm::art
