// What the player can click, and the keys the game answers.
#pragma once

namespace gnamm {

enum class TargetKind {
    None,
    Carta,            // a card place, index 0..19
    AssoInTavola,     // lblAssoInTavola: shows or hides the diagnostic panel
    TimerLabel,       // lblTimer: pauses and resumes the computer's move
    Pannelli,         // bar captions "Regole", "Esci", "Opzioni", index 0..2
    Classifica,       // bar caption "Classifica"
    Riquadri,         // side box toggles, index 0..3
    VoceOpzioni,      // option captions, index 0..15, and 16 "Animazioni"
    PannelloOpzioni,  // the options panel itself (mouse over: no highlight)
    NonnoZeb,         // level photos, index 0..2
    Livello,          // level names, index 0..2
    CmdLivello,       // the "Livello" button
    LstAlbo,          // the hall-of-fame list
    Uscita,           // exit answers: 0 "Sì", 1 "No"
    Regole,           // rules viewer arrows: 0 back, 1 forward
    Quando,           // the continue prompt
    Abilita,          // lblAbilità: shows or hides the level panel
    Consiglio,        // bar caption "Consiglio": Zeb's advice, as the key H
    Statistiche,      // the record page and the caption that opens it
    Avviso,           // the notice box: a click closes the notice
    Mucchio,          // a side's pile, held to see its last capture: 0 Zeb's, 1 the human's
};

struct Target {
    TargetKind kind = TargetKind::None;
    int index = 0;
};

enum class Key {
    Enter,
    Escape,
    Backspace,
    Space,
    Left,
    Right,
    Up,
    Down,
    F1,
    Digit1,
    Digit2,
    Digit3,
    H,
    S,
    N
};  // S and N answer "Sì" and "No"

}  // namespace gnamm
