// Start-up, the splash with its voices and blinking prompt, and the player's name.
#include "ui/startup.h"

#include "audio/music.h"
#include "data/data_files.h"
#include "data/player_name.h"
#include "data/startup_read.h"
#include "game/hall_of_fame.h"
#include "game/player_record.h"
#include "game/table_model.h"
#include "persona/remarks.h"
#include "rules/speeds.h"
#include "ui/finestra.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/options_panel.h"
#include "ui/panels.h"
#include "ui/panels_layout.h"
#include "ui/scaling.h"
#include "ui/torneo_ripresa.h"

namespace gnamm {

namespace {

void MettiA(Element& e, int x, int y) {
    e.rect.x = x;
    e.rect.y = y;
}

}  // namespace

void Avvio(Finestra& f, int screenWidthTwips, int screenHeightTwips) {
    Game& g = f.game;
    Screen& s = f.screen;
    // The random source comes seeded; the program folder is given by Paths.
    MettiA(s.FraSplash, 0, 0);
    MettiA(s.lblCopriCarte, kCopriCarte.x, kCopriCarte.y);
    MettiA(s.FraQuando, kQuando.x, kQuando.y);
    // Every Dati file read and mended once, and the player told what was done; the readers
    // below then find sound files (or, in a folder that cannot be written, read the same).
    const data::DataFolderRead dati = data::ReadDataFolder(g.paths.data);
    data::Tell(dati.notices, g.avvisi);
    // The record too is mended now, so its notice shows on the splash with the others.
    if (!g.paths.data.empty()) CaricaStatistiche(g.paths.data, g.avvisi);
    // Told nothing is saved this run: no Torneo save is tried, to fail in a second notice.
    f.custodiaTorneo.cartellaScrivibile = dati.writable;
    s.txtNome.text = dati.nome;
    s.ImgTitolo.picture = "\\Grafica\\Gnamm.gif";
    s.ImgSplash.picture = "\\Grafica\\Splash.jpg";
    LeggiImpostazioni(f);

    const bool primo = g.sorteggiaOnesta();
    f.zeb.stato.assoBevuto = primo ? 1 : 2;
    f.zeb.stato.alternaUltimaCattura = primo;
    f.zeb.stato.cinqueDiCuori = primo ? 1 : 2;

    if (g.opzioni.randomGrafica) {
        CasualeColoreTavolo(f);
        CasualeColoreCarte(f);
        CasualeRetro(f);
    } else {
        s.windowBack = ColoreSfondo(g.opzioni.coloreTavolo);
        s.lblCopriCarte.back = s.windowBack;
        for (Element& e : s.FraRiquadro) e.back = s.windowBack;
    }
    for (Element& p : s.FraPannello) {
        MettiA(p, kPannello.x, kPannello.y);
        p.back = s.windowBack;
    }
    if (screenHeightTwips != kAltezzaDesign) {
        ScalaGrafica(s, screenWidthTwips, screenHeightTwips);
    }
    s.ImgBarra.picture = "\\Grafica\\Barra.jpg";
    s.ImgGnamm.picture = "\\Grafica\\Gnamm.gif";
    s.ImgSemi.picture = "\\Grafica\\4Semi.jpg";
    f.zeb.angolo.foto = "\\Grafica\\Tavolo.jpg";
    MostraMazzo(g, true);
    LeggiClassifica(g);
    CaricaAlbo(g);
    MostraClassifica(f.screen, f.game);
    MostraPaginaRegole(f);

    // The level panel's prompt blinks once the splash stops hiding it (InvioSplash): blinking
    // unseen it would wake the game six times a second while the player types a name.
    g.scheduler.setInterval(Timer::LampeggiaScritta2, speeds::kLampeggia);
    s.FraSplash.visible = true;
    s.FraPannello[4].visible = true;
    g.scheduler.start(Timer::Inserisci, speeds::kInserisci);
    g.scheduler.start(Timer::AudioSplash, speeds::kAudioSplashFirst);
}

bool InvioSplash(Finestra& f) {
    Game& g = f.game;
    Screen& s = f.screen;
    if (!s.FraSplash.visible) return false;
    if (!data::IsAcceptableName(s.txtNome.text)) return true;
    s.FraSplash.visible = false;
    g.nuovoGiocatore(data::CleanPlayerName(s.txtNome.text));
    s.txtNome.text = g.nome;
    data::SaveName(g.paths.data, g.nome);
    TieniNome(f);
    g.scheduler.disable(Timer::AudioSplash);
    // The prompt blinks only on the splash; the level panel's takes over.
    g.scheduler.disable(Timer::Inserisci);
    g.scheduler.enable(Timer::LampeggiaScritta2);
    f.media.command(Channel::AudioSplash, Command::Prev);
    f.media.command(Channel::AudioSplash, Command::Close);
    if (g.opzioni.musiche) ScegliMusiche(f.suoni);
    return true;
}

void ScriviNomeSplash(Finestra& f, std::string_view utf8) {
    if (f.screen.FraSplash.visible) data::AppendToName(f.screen.txtNome.text, utf8);
}

void CancellaNomeSplash(Finestra& f) {
    if (f.screen.FraSplash.visible) data::RemoveLastNameChar(f.screen.txtNome.text);
}

void OnInserisci(Finestra& f) {
    int& n = f.pannelli.contatoreInserisci;
    ++n;
    if (n == 1) {
        f.screen.lblInserisci.visible = true;
    } else if (n >= 4) {
        f.screen.lblInserisci.visible = false;
        n = 0;
    }
}

void OnAudioSplash(Finestra& f) {
    Game& g = f.game;
    int& n = f.pannelli.contaSplash;
    ++n;
    f.media.command(Channel::AudioSplash, Command::Prev);
    f.media.command(Channel::AudioSplash, Command::Close);
    f.media.setFile(Channel::AudioSplash, remarks::SplashVoice(n < 4 ? n : 4));
    f.media.command(Channel::AudioSplash, Command::Open);
    f.media.command(Channel::AudioSplash, Command::Play);
    const int pausa = n <= 4 ? speeds::kPausePrimeVoci[static_cast<std::size_t>(n - 1)]
                             : g.scheduler.interval(Timer::AudioSplash) + speeds::kCrescitaPausa;
    g.scheduler.setInterval(Timer::AudioSplash, pausa);
}

}  // namespace gnamm
