// Writes a composed score as a Standard MIDI File (libsmf): honky-tonk piano on two channels.
#pragma once

#include <string>

#include "composer.h"

namespace gnamm::sound {

inline constexpr int kHonkyTonkProgram = 3;  // General MIDI "Honky-tonk Piano", counted from 0

// False when the file cannot be written.
bool WriteMidi(const std::string& path, const Score& score);

}  // namespace gnamm::sound
