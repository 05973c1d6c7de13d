#include "ui/table_view_copy.h"

namespace gnamm {

namespace {

// One list of the fields, for both directions: From and To are Screen and TableView, whose
// members share their names.
template <class From, class To>
void Copia(const From& a, To& b) {
    for (std::size_t p = 0; p < a.ImgCarta.size(); ++p) {
        b.ImgCarta[p].visible = a.ImgCarta[p].visible;
        b.ImgCarta[p].picture = a.ImgCarta[p].picture;
        b.ShpCarta[p].visible = a.ShpCarta[p].visible;
        b.ShpCarta[p].back = a.ShpCarta[p].back;
        b.ShpCarta[p].border = a.ShpCarta[p].border;
        b.ShpCarta[p].borderColor = a.ShpCarta[p].borderColor;
        b.ShpContornoCarta[p].visible = a.ShpContornoCarta[p].visible;
        b.ShpContornoCarta[p].border = a.ShpContornoCarta[p].border;
        b.ShpContornoCarta[p].borderColor = a.ShpContornoCarta[p].borderColor;
    }
}

}  // namespace

void MostraVista(const TableView& v, Screen& s) {
    Copia(v, s);
}

void LeggiVista(const Screen& s, TableView& v) {
    Copia(s, v);
}

}  // namespace gnamm
