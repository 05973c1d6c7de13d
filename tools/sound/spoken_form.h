// How the Italian voice of espeak-ng should say a line that the bubble shows: the same words,
// spelled so the synthesiser reads them as a person would.
#pragma once

#include <string>
#include <string_view>

namespace gnamm::sound {

std::string SpokenForm(std::string_view shown);

}  // namespace gnamm::sound
