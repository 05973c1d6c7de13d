// The simulator's one-position commands: the computer's move list for a position, and what a
// human card does to a table. JSON in, JSON out.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace gnamm::sim {

// Exit codes: 0 done, 2 bad input (one line on `err`).
inline constexpr int kEsitoInputErrato = 2;

int ComandoMosse(std::istream& in, std::ostream& out, std::ostream& err);
int ComandoPresa(std::istream& in, std::ostream& out, std::ostream& err);

// A piece of the user's input as an error line may quote it: in double quotes, at most
// `max` characters (then "..."), control characters, quotes and bytes that are not UTF-8
// escaped, so the line stays one line whatever the input held.
std::string Citazione(std::string_view input, std::size_t max = 80);

// An error message made safe for one line: any "last read: '...'" the JSON parser adds is
// quoted as above, and line breaks are escaped.
std::string UnaRiga(std::string_view message);

// The shortest text that reads back as the same single-precision number.
std::string TestoFloat(float f);

}  // namespace gnamm::sim
