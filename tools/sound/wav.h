// Writes generated sounds as the game reads them: 16-bit mono PCM WAV files.
#pragma once

#include <string>

#include "dsp.h"

namespace gnamm::sound {

// Clamps to [-1, 1]; false when the file cannot be written.
bool WriteWav(const std::string& path, const Samples& samples);

}  // namespace gnamm::sound
