// State of Nonno Zeb's persona: the remark cycles and the impatience.
#pragma once

namespace gnamm {

struct PersonaState {
    int assoBevuto = 1;  // which Asso bevuto line was said last: 1 or 2
};

}  // namespace gnamm
