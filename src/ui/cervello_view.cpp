#include "ui/cervello_view.h"

#include <cstdio>

#include "ui/colors.h"
#include "ui/screen.h"

namespace gnamm {

void MostraCervello(const Cervello& c, Screen& s) {
    s.FraCervello.visible = c.aperto;
    s.cervelloLines = c.righe;
    // Until the search first writes it, the label keeps the layout's look.
    if (!c.sceltaScritta) return;
    char buf[96];
    std::snprintf(buf, sizeof buf, "MossaMigliore: %d  SecondaMossa: %d%s", c.scelta.mossaMigliore,
                  c.scelta.secondaMossa, c.scelta.regolaAsso ? "  (asso)" : "");
    s.lblMossaMigliore.text = buf;
    // White while the move is still weighed; red when the ace rule replaced the best one.
    s.lblMossaMigliore.back = !c.mossaScelta        ? colors::kWhite
                              : c.scelta.regolaAsso ? colors::kRed
                                                    : colors::kCervelloPink;
}

}  // namespace gnamm
