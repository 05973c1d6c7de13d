// Full screen or a window, remembered across runs in a small file of the Dati folder.
//
// The file is written in the quoted-item format of the game's other data files: whether the
// game was full screen, then the window's width and height in pixels. A file that is missing or
// garbled means full screen, as on the first run.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace gnamm::platform {

inline constexpr const char* kWindowModeFile = "GnFinestra.txt";

// The smallest window the layout is still legible in.
inline constexpr int kMinWindowW = 400;
inline constexpr int kMinWindowH = 300;

struct WindowMode {
    bool fullScreen = true;
    int width = 0;  // the window's size when not full screen; 0 = not chosen yet
    int height = 0;
    friend bool operator==(const WindowMode&, const WindowMode&) = default;
};

WindowMode ParseWindowMode(std::string_view contents);
std::string FormatWindowMode(const WindowMode& mode);

WindowMode LoadWindowMode(const std::filesystem::path& dataFolder);
// False when it could not be written; the game goes on either way.
bool SaveWindowMode(const std::filesystem::path& dataFolder, const WindowMode& mode);

// A 4:3 window about four fifths of the desktop's height, unless the player's own size fits.
struct Size {
    int w = 0, h = 0;
};
Size WindowSizeFor(const WindowMode& mode, Size desktop);

}  // namespace gnamm::platform
