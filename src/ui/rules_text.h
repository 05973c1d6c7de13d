// The rules of the game as the rules viewer shows them, one page at a time.
#pragma once

#include <array>
#include <string_view>

namespace gnamm {

inline constexpr int kPagineRegole = 13;

struct PaginaRegole {
    std::string_view titolo;
    int topTesto;  // top edge of the text in design twips, before the screen scaling
    std::string_view testo;
};

// Page 1..kPagineRegole; any other number shows page 1.
const PaginaRegole& PaginaDelleRegole(int numero);
// The viewer wraps round: after the last page comes 1, before 1 the last.
int PaginaSeguente(int numero);
int PaginaPrecedente(int numero);

}  // namespace gnamm
