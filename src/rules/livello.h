// Nonno Zeb's level: how much of the human's hand and of the deck the computer may look at.
#pragma once

#include <string_view>

namespace gnamm {

// Shown in lblPC; None before the first choice.
enum class Livello { None, Honest, Cunning, Cheat };
std::string_view LivelloText(Livello l);  // "'Honest' Zeb", "'Cunning' Zeb", "'Cheat' Zeb", ""

}  // namespace gnamm
