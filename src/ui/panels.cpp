#include "ui/panels.h"

namespace gnamm {

void ScegliLivello(Game&, Livello) {}
void ClickLivello(Game&, int) {}
void ClickCmdLivello(Game&) {}
void ClickAbilita(Game&) {}
void ClickPannelli(Game&, int) {}
void ClickRegole(Game&, bool) {}
void MostraPaginaRegole(Game&) {}
void RispostaUscita(Game&, int) {}
void Congedo(Game&) {}
void OnEsci(Game&) {}
void ClickRiquadri(Game&, int) {}

}  // namespace gnamm
