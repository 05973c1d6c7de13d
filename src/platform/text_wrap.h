// Word wrapping of plain text to a width, for the long texts the window lays out itself.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gnamm::platform {

// The lines of `text` no wider than `maxWidth` by `widthOf`: breaks at line ends first, then
// between words; a word wider than the line is cut between UTF-8 characters. Empty lines are
// kept, so paragraphs stay apart.
std::vector<std::string> WrapText(std::string_view text, int maxWidth,
                                  const std::function<int(std::string_view)>& widthOf);

// `text` when it is no wider than `maxWidth`; else its longest start, in whole UTF-8
// characters, that fits with an ellipsis after it (the ellipsis alone at worst).
std::string Ellipsize(std::string_view text, int maxWidth,
                      const std::function<int(std::string_view)>& widthOf);

}  // namespace gnamm::platform
