#include "ui/zeb_corner_view.h"

namespace gnamm {

void MostraAngoloZeb(const AngoloZeb& a, Screen& s) {
    s.lblCommenti.visible = a.commentoVisibile;
    s.lblCommenti.text = a.commento;
    s.ImgFumetto.visible = a.fumettoVisibile;
    s.ImgFumetto.picture = a.fumetto;
    s.ImgRiquadro[0].picture = a.foto;
}

void LeggiAngoloZeb(const Screen& s, AngoloZeb& a) {
    a.commentoVisibile = s.lblCommenti.visible;
    a.commento = s.lblCommenti.text;
    a.fumettoVisibile = s.ImgFumetto.visible;
    a.fumetto = s.ImgFumetto.picture;
    a.foto = s.ImgRiquadro[0].picture;
}

}  // namespace gnamm
