#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input; a violation is a finding.
#define PRUEFEN(bedingung)                                                                         \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "verletzt: %s (%s:%d)\n", #bedingung, __FILE__, __LINE__);        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
