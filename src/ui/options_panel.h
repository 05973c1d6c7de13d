// The options panel: sixteen captions whose clicks move each option to its next value and
// apply it at once; the colour and card-back tables; the random table graphics; and the
// settings file GnImpo.txt they are kept in.
#pragma once

#include <string_view>

#include "rules/options.h"
#include "ui/colors.h"

namespace gnamm {

class Finestra;

inline constexpr int kNessunaSelezione = -1;  // Selezione when no value is highlighted
// The caption after the sixteen of the game's options: "Animazioni", the window's own, kept in
// GnVista.txt (Finestra::animazioni).
inline constexpr int kVoceAnimazioni = kNumeroOpzioni;
inline constexpr int kVociOpzioni = kNumeroOpzioni + 1;

// Window background for a table colour, and the card-back picture of a design.
Rgb ColoreSfondo(ColoreTavolo c);
std::string_view RetroPicture(Retro r);
// The tooltip on the value of option i.
std::string_view OptionTooltip(int i);

// Click on caption i (0..16): the click noise, the next value, its effect, and the settings
// saved.
void ClickVoceOpzioni(Finestra& f, int i);
// The mouse over caption i highlights its value; over the panel itself, no value.
void MouseVoceOpzioni(Finestra& f, int i);
void MousePannelloOpzioni(Finestra& f);
// Writes every option value into its label.
void MostraOpzioni(Finestra& f);

// The click noise of captions and buttons: only with "Rumori carte" on, and while another
// sound holds the indicator only when no Gioco is under way.
void RumoreClic(Finestra& f);

// The table colour onto the window and everything painted in it.
void ApplicaColoreTavolo(Finestra& f);

// A new table colour, card colour or card back drawn at random, always different from the
// current one.
void CasualeColoreTavolo(Finestra& f);
void CasualeColoreCarte(Finestra& f);
void CasualeRetro(Finestra& f);

// GnImpo.txt: options, side boxes and the eight stored intervals; GnVista.txt: "Animazioni".
void LeggiImpostazioni(Finestra& f);
void ScriviImpostazioni(Finestra& f);

}  // namespace gnamm
