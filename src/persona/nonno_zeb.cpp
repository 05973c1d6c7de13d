#include "persona/nonno_zeb.h"

#include "persona/comments.h"
#include "persona/impatience.h"

namespace gnamm {

bool NonnoZeb::onTimer(Timer t) {
    switch (t) {
        case Timer::DurataGnammH:
            OnDurataGnammH(*this);
            return true;
        case Timer::AssoBevuto:
            OnAssoBevuto(*this);
            return true;
        case Timer::Impazienza:
            OnImpazienza(*this);
            return true;
        case Timer::DurataImpazienza:
            OnDurataImpazienza(*this);
            return true;
        default:
            return false;
    }
}

ZebMostrato AngoloMostrato(const NonnoZeb& z) {
    const AngoloZeb& a = z.angolo;
    return {a.foto, a.commentoVisibile ? a.commento : "", a.fumettoVisibile ? a.fumetto : ""};
}

void RiprendiAngolo(NonnoZeb& z, const ZebMostrato& m) {
    AngoloZeb& a = z.angolo;
    a.foto = m.foto;
    a.commento = m.commento;
    a.commentoVisibile = !m.commento.empty();
    a.fumetto = m.fumetto;
    a.fumettoVisibile = !m.fumetto.empty();
}

}  // namespace gnamm
