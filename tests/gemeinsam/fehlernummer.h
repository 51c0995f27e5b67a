#pragma once

#include "laufzeitfehler.h"

// The runtime error number the call raised, or 0 when it returned normally.
template <typename aufruf> int fehlernummer(aufruf&& a) {
    try {
        a();
    } catch (const laufzeitfehler& f) {
        return f.nummer();
    }
    return 0;
}
