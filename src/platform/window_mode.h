// Full screen or a window, remembered across runs in a small file of the Dati folder.
//
// The file is written in the quoted-item format of the game's other data files: whether the
// game was full screen, then the window's width and height in pixels. A file that is missing or
// garbled means full screen, as on the first run; a garbled one is kept as a numbered .bad.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/notice.h"

namespace gnamm::platform {

inline constexpr const char* kWindowModeFile = "GnFinestra.txt";

// The smallest window the layout is still legible in.
inline constexpr int kMinWindowW = 400;
inline constexpr int kMinWindowH = 300;
// The smallest window the game opens in, on any desktop that holds it.
inline constexpr int kOpeningW = 800;
inline constexpr int kOpeningH = 600;

struct WindowMode {
    bool fullScreen = true;
    int width = 0;  // the window's size when not full screen; 0 = not chosen yet
    int height = 0;
    friend bool operator==(const WindowMode&, const WindowMode&) = default;
};

WindowMode ParseWindowMode(std::string_view contents);
std::string FormatWindowMode(const WindowMode& mode);

// A garbled file is told in `notices`, to be said in the window once the game is made (on
// stderr when there are none to hand). No folder (an empty path) reads and writes nothing.
WindowMode LoadWindowMode(const std::filesystem::path& dataFolder,
                          std::vector<data::Notice>* notices = nullptr);
// False when it could not be written; the game goes on either way.
bool SaveWindowMode(const std::filesystem::path& dataFolder, const WindowMode& mode);

// The size a window opens at on a desktop (its usable area): the player's own size while the
// desktop holds it and it is no smaller than 800 x 600; otherwise a 4:3 window about four
// fifths of the desktop's height. Never larger than the desktop, and never smaller than
// 800 x 600 unless the desktop is: a size stored on another screen cannot put the window off
// this one.
struct Size {
    int w = 0, h = 0;
};
Size WindowSizeFor(const WindowMode& mode, Size desktop);

}  // namespace gnamm::platform
