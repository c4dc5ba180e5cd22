// Lets GoogleTest print strings of the game's library as text.
#pragma once

#include "KString.h"

#include <ostream>

inline void PrintTo(const KString& s, std::ostream* os) { *os << '"' << s.c_str() << '"'; }
