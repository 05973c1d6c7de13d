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
    b.lblIstruzioni.text = a.lblIstruzioni.text;
    b.ImgManina.visible = a.ImgManina.visible;
    b.lblPC.back = a.lblPC.back;
    b.lblPuntiPC.back = a.lblPuntiPC.back;
    b.lblH.back = a.lblH.back;
    b.lblPuntiH.back = a.lblPuntiH.back;
    b.FraQuando.visible = a.FraQuando.visible;
    b.lblQuando.text = a.lblQuando.text;
    for (std::size_t k = 0; k < a.FraRiquadro.size(); ++k) {
        b.FraRiquadro[k].visible = a.FraRiquadro[k].visible;
    }
    b.FraCervello.visible = a.FraCervello.visible;
    b.cervelloLines = a.cervelloLines;
    b.lblMossaMigliore.text = a.lblMossaMigliore.text;
    b.lblMossaMigliore.back = a.lblMossaMigliore.back;
}

}  // namespace

void MostraVista(const TableView& v, Screen& s) {
    Copia(v, s);
}

void LeggiVista(const Screen& s, TableView& v) {
    Copia(s, v);
}

}  // namespace gnamm
