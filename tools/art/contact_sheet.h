// One PNG with every picture of the game side by side, to look at them together: card faces;
// each card back on each card colour of the options; the speech bubbles over the table
// colour; Nonno Zeb's photos; the remaining fixed pictures. A picture that is missing or
// does not decode shows as a red cross, so gaps stand out.
#pragma once

#include <string>

namespace gnamm::art {

// Writes the sheet of the pictures under `assetsRoot` to `output`; returns how many
// pictures were missing or undecodable (a back counts once per card colour), or -1 when the
// sheet cannot be written.
int WriteContactSheet(const std::string& assetsRoot, const std::string& output);

}  // namespace gnamm::art
