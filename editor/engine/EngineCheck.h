#pragma once
// Invariant checks of the engine's check() functions. They stay active in
// release builds (tests run those) and throw, so a test reports the broken
// invariant instead of dying.

#include <stdexcept>
#include <string>

#define QM_CHECK(cond)                                                              \
    do {                                                                            \
        if (!(cond))                                                                \
            throw std::logic_error(std::string(__FILE__) + ":" +                    \
                                   std::to_string(__LINE__) + ": invariant " #cond); \
    } while (false)
