// The pages of the rules viewer: title, text, and the design top edge of the text.
#include "ui/rules_text.h"

namespace gnamm {

namespace {

// clang-format off
constexpr std::array<PaginaRegole, kPagineRegole> kPagine = {{
    {"1 - Caratteristiche del Gioco",
     1770,
     "GNAMM è un gioco di carte le cui regole sono state ideate dallo stesso Autore del Programma: in sostanza è un'originale versione della 'Scopa d'Assi', un gioco 'di presa' molto diffuso in tutt'Italia con numerose varianti. Si gioca in due (in questo caso il computer contro lo sfidante umano) con un mazzo di 40 carte internazionali, con i valori dall'Asso (che vale 1) al 7, e con le tre figure J, Q, e K (che in GNAMM valgono rispettivamente 8, 9 e 10)."},
    {"2 - Scopo del Gioco",
     1725,
     "Vince il Torneo di GNAMM colui che riesce per primo a vincere tre Partite. Ogni Partita, composta da vari 'Giochi', viene vinta da colui che s'aggiudica per primo 15 o più punti: in caso di parità si procede ad oltranza (con uno o più Giochi) fino a quando un concorrente ottiene almeno un punto in più dell'avversario. Ogni Gioco è composto da 6 'manche', ovvero da 6 distribuzioni di 3 carte per ciascun giocatore (fino a esaurimento del mazzo)."},
    {"3 - Preparazione del Gioco",
     1725,
     "Il mazziere, dopo aver mescolato le carte e fatto 'tagliare' il mazzo all'avversario, depone innanzitutto sul tavolo 4 carte scoperte per poi distribuire alternativamente tre carte per sé e tre per l'avversario (iniziando da quest'ultimo). Se per caso sul tavolo venissero deposti due o più Assi le 4 carte saranno subito ritirate e si procederà ad una nuova smazzata. Durante il Torneo i due concorrenti, al termine di ogni gioco, si alterneranno nel ruolo di mazziere."},
    {"4 - Regole di cattura (1)",
     1725,
     "A turno ciascun Giocatore (apre sempre il gioco l'avversario del Mazziere) sceglierà una propria carta con la quale potrà catturare: A) una carta di ugual valore (ad es. con un J prendere un J) oppure: B) due o più carte la cui somma corrisponda al valore della carta giocata (ad es. con un K, che  vale 10, prendere un 6 e un 4; oppure un 2, un 3 e un 5....). La presa di tipo 'A' ha sempre e comunque la precedenza sulla presa di tipo 'B'."},
    {"5 - Regole di cattura (2)",
     1875,
     "Le carte catturate formeranno un mazzetto coperto che ciascun Giocatore terrà davanti a sé. Se non è possibile effettuare alcuna cattura, la carta giocata resterà sul tavolo. Se in seguito ad una cattura il tavolo rimane senza carte, il Giocatore segnerà un Punto GNAMM a proprio vantaggio. A differenza della Scopa tradizionale, un Punto GNAMM può essere guadagnato anche dall'ultima carta giocata."},
    {"6 - La cattura con l'Asso",
     1875,
     "Se fra le due o più carte presenti sul tavolo vi è un Asso, il Giocatore che gioca un altro Asso effettua una semplice cattura (come avviene per tutti gli altri valori), viceversa raccoglie tutte le carte sul tavolo e segna un Punto GNAMM a proprio vantaggio. Se sul tavolo non vi sono carte, colui che gioca un Asso non si aggiudicherà alcun punto ma deporrà semplicemente sul tavolo la propria carta."},
    {"7 - Svolgimento del Gioco",
     1875,
     "Una volta giocate le prime sei carte carte il mazziere ne distribuirà altre 3 a testa, ripetendo di volta in volta la distribuzione sino ad esaurimento del mazzo. Le eventuali carte rimaste sul tavolo al termine di ogni Gioco appartengono a colui che ha effettuato l’ultima cattura. Oltre ai Punti GNAMM i Concorrenti si contenderanno, ad ogni Gioco, 5 ulteriori punti 'di mazzo' che verranno assegnati con i seguenti criteri: "},
    {"8 - Punti di mazzo: i Sette",
     2550,
     "Un Punto di mazzo sarà assegnato al Giocatore che avrà catturato il maggior numero di 7. Poiché nel mazzo sono presenti quattro 7, il Giocatore dovrà catturarne ALMENO 3 (2+1). In caso di parità (2 contro 2) si aggiudicherà il punto chi avrà anche catturato il 6 DI CUORI."},
    {"9 - Punti di mazzo: i Quadri",
     2550,
     "Un Punto di mazzo sarà assegnato al Giocatore che avrà catturato il maggior numero di carte di QUADRI. Poiché nel mazzo sono presenti 10 Quadri, il Giocatore dovrà catturarne ALMENO 6 (5+1). In caso di parità (5 contro 5) si aggiudicherà il punto chi avrà catturato il 6 DI QUADRI."},
    {"10 - Punti di mazzo: le Figure",
     2550,
     "Un Punto di mazzo sarà assegnato al Giocatore che avrà catturato il maggior numero di FIGURE (J, Q, K). Poiché nel mazzo sono presenti 12 Figure, il Giocatore dovrà catturarne ALMENO 7 (6+1). In caso di parità (6 contro 6) si aggiudicherà il punto chi avrà anche catturato il 6  DI FIORI."},
    {"11 - Punti di mazzo: le Carte",
     2550,
     "Un Punto di mazzo sarà assegnato al Giocatore che avrà catturato il maggior numero di CARTE. Poiché il mazzo è composto da 40 Carte, il Giocatore dovrà catturarne ALMENO 21 (20+1). In caso di parità (20 contro 20) si aggiudicherà il punto chi avrà anche catturato il 6 DI PICCHE."},
    {"12 - Punti di mazzo: il 5 di Cuori",
     2400,
     "Un Punto di mazzo sarà assegnato al Giocatore che avrà catturato il 5 di Cuori. Sulla base dei criteri appena descritti in GNAMM i 'Punti di mazzo', a differenza della Scopa tradizionale, vengono sempre e in ogni caso assegnati, non essendo previsto alcun caso di 'parità'. Buon divertimento!"},
    {"13 - Il Tabellone dei punti",
     1725,
     "Nel riquadro 'Punti' ogni riga è un Punto di mazzo (Sette, Quadri, Figure, Carte, 5 di Cuori), poi i Punti GNAMM e i Punti Gioco in corso. Sotto 'Prese:' e 'Punti:' la colonna Z è di Nonno Zeb, la colonna * è tua. La colonna '>' dice quante carte vanno superate. La striscia a righe nella colonna '6' sono i quattro semi stretti in una colonna: il 6 di Cuori vince la parità dei Sette, quello di Quadri dei Quadri, quello di Fiori delle Figure, quello di Picche delle Carte. Una presa in azzurro: quel Giocatore ha il 6 della riga. Un punto in rosso con 1: punto assegnato. Nel riquadro 'Dati' le carte rimaste nel mazzo, il numero del Gioco e della Manche, le Partite vinte (ne servono 3) e i punti della Partita (ne servono 15): in rosa Zeb, in rosso chiaro tu, in rosso pieno il vincitore del Torneo."},
}};
// clang-format on

}  // namespace

const PaginaRegole& PaginaDelleRegole(int numero) {
    if (numero < 1 || numero > kPagineRegole) numero = 1;
    return kPagine[static_cast<std::size_t>(numero - 1)];
}

int PaginaSeguente(int numero) {
    return numero >= kPagineRegole || numero < 1 ? 1 : numero + 1;
}

int PaginaPrecedente(int numero) {
    return numero <= 1 || numero > kPagineRegole ? kPagineRegole : numero - 1;
}

}  // namespace gnamm
