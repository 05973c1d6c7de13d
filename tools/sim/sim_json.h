// The simulator's one-position commands: the computer's move list for a position, and what a
// human card does to a table. JSON in, JSON out.
#pragma once

#include <iosfwd>
#include <string>

namespace gnamm::sim {

// Exit codes: 0 done, 2 bad input (one line on `err`).
inline constexpr int kEsitoInputErrato = 2;

int ComandoMosse(std::istream& in, std::ostream& out, std::ostream& err);
int ComandoPresa(std::istream& in, std::ostream& out, std::ostream& err);

// The shortest text that reads back as the same single-precision number.
std::string TestoFloat(float f);

}  // namespace gnamm::sim
