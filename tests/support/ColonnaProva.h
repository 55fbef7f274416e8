#pragma once

#include "app/Colonna.h"

#include <initializer_list>

namespace sestina::prova {

// A column written as its numbers, one char per number, in the given order.
inline Colonna C(std::initializer_list<int> v)
{
    Colonna c;
    for (int x : v)
        c.push_back(static_cast<char>(x));
    return c;
}

} // namespace sestina::prova
