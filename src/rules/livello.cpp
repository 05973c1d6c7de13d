#include "rules/livello.h"

namespace gnamm {

std::string_view LivelloText(Livello l) {
    switch (l) {
        case Livello::Honest: return "'Honest' Zeb";
        case Livello::Cunning: return "'Cunning' Zeb";
        case Livello::Cheat: return "'Cheat' Zeb";
        case Livello::None: break;
    }
    return "";
}

}  // namespace gnamm
