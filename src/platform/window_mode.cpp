// Reading and writing the window mode file.
#include "platform/window_mode.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "data/data_folder.h"
#include "data/quoted_items.h"

namespace gnamm::platform {

namespace {

// The mode of a file as the game writes it; nothing for any other bytes.
std::optional<WindowMode> SoundWindowMode(std::string_view contents) {
    const data::ParsedItems parsed = data::ParseItems(contents);
    if (!parsed.clean || parsed.items.size() != 3) return std::nullopt;
    const auto full = data::ItemBool(parsed.items[0]);
    const auto w = data::ItemNumber(parsed.items[1]);
    const auto h = data::ItemNumber(parsed.items[2]);
    if (!full || !w || !h) return std::nullopt;
    WindowMode mode;
    mode.fullScreen = *full;
    // A size outside any sensible screen is forgotten, not obeyed.
    if (*w >= kMinWindowW && *h >= kMinWindowH && *w <= 16384 && *h <= 16384) {
        mode.width = static_cast<int>(*w);
        mode.height = static_cast<int>(*h);
    }
    return mode;
}

}  // namespace

WindowMode ParseWindowMode(std::string_view contents) {
    return SoundWindowMode(contents).value_or(WindowMode{});
}

std::string FormatWindowMode(const WindowMode& mode) {
    return data::WriteItems({mode.fullScreen, int64_t{mode.width}, int64_t{mode.height}});
}

WindowMode LoadWindowMode(const std::filesystem::path& dataFolder,
                          std::vector<data::Notice>* notices) {
    if (dataFolder.empty()) return {};
    const std::filesystem::path file = dataFolder / kWindowModeFile;
    const data::FileRead r = data::ReadWholeFile(file);
    if (r.outcome == data::ReadOutcome::Missing) return {};
    if (r.outcome == data::ReadOutcome::Ok) {
        if (const auto mode = SoundWindowMode(r.contents)) return *mode;
    }
    // Kept for a look by hand; the window's next save writes a sound file.
    const std::string name(kWindowModeFile);
    const auto keptAs = data::KeepAsBad(file);
    const std::string bad = keptAs ? keptAs->filename().string() : std::string();
    const data::Notice n =
        keptAs
            ? data::Notice{name +
                               " era danneggiato: la finestra si apre a tutto schermo. "
                               "L'originale è conservato come " +
                               bad + ".",
                           name + " was damaged; kept as " + bad + ", the window opens full screen"}
            : data::Notice{name +
                               " è danneggiato e non si è potuto metterlo da parte: la "
                               "finestra si apre a tutto schermo.",
                           name +
                               " was damaged and could not be set aside; the window opens "
                               "full screen"};
    if (notices != nullptr) {
        notices->push_back(n);
    } else {
        std::fprintf(stderr, "gnamm: %s\n", n.riga.c_str());
    }
    return {};
}

bool SaveWindowMode(const std::filesystem::path& dataFolder, const WindowMode& mode) {
    if (dataFolder.empty()) return false;
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
