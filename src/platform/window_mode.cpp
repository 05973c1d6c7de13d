// Reading and writing the window mode file.
#include "platform/window_mode.h"

#include <algorithm>

#include "data/data_folder.h"
#include "data/quoted_items.h"

namespace gnamm::platform {

WindowMode ParseWindowMode(std::string_view contents) {
    const data::ParsedItems parsed = data::ParseItems(contents);
    WindowMode mode;
    if (!parsed.clean || parsed.items.size() != 3) return mode;
    const auto full = data::ItemBool(parsed.items[0]);
    const auto w = data::ItemNumber(parsed.items[1]);
    const auto h = data::ItemNumber(parsed.items[2]);
    if (!full || !w || !h) return mode;
    mode.fullScreen = *full;
    // A size outside any sensible screen is forgotten, not obeyed.
    if (*w >= kMinWindowW && *h >= kMinWindowH && *w <= 16384 && *h <= 16384) {
        mode.width = static_cast<int>(*w);
        mode.height = static_cast<int>(*h);
    }
    return mode;
}

std::string FormatWindowMode(const WindowMode& mode) {
    return data::WriteItems({mode.fullScreen, int64_t{mode.width}, int64_t{mode.height}});
}

WindowMode LoadWindowMode(const std::filesystem::path& dataFolder) {
    const data::FileRead r = data::ReadWholeFile(dataFolder / kWindowModeFile);
    if (r.outcome != data::ReadOutcome::Ok) return {};
    return ParseWindowMode(r.contents);
}

bool SaveWindowMode(const std::filesystem::path& dataFolder, const WindowMode& mode) {
    return data::WriteFileAtomically(dataFolder / kWindowModeFile, FormatWindowMode(mode));
}

Size WindowSizeFor(const WindowMode& mode, Size desktop) {
    const int maxW = desktop.w > 0 ? desktop.w : kOpeningW;
    const int maxH = desktop.h > 0 ? desktop.h : kOpeningH;
    const int minW = std::min(kOpeningW, maxW);
    const int minH = std::min(kOpeningH, maxH);
    if (mode.width >= minW && mode.height >= minH && mode.width <= maxW && mode.height <= maxH) {
        return {mode.width, mode.height};
    }
    int h = maxH * 4 / 5;
    int w = h * 4 / 3;
    if (w > maxW) {
        w = maxW;
        h = w * 3 / 4;
    }
    return {std::clamp(w, minW, maxW), std::clamp(h, minH, maxH)};
}

}  // namespace gnamm::platform
