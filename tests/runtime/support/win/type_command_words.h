// The "commands" lines of some types, as a running project gets them, for in-process script tests
// of families whose commands need Windows.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>

#include "project_run.h"

namespace qbktest {

inline std::string CommandWordsOf(std::initializer_list<std::string> types)
{
    std::istringstream lines(DefaultCommandWords());
    std::string line, chosen;
    while (std::getline(lines, line))
        for (const std::string& type : types)
            if (line.rfind("commands " + type + " ", 0) == 0) chosen += line + "\n";
    return chosen;
}

}  // namespace qbktest
