// The seven colours of an owner-drawn menu and their defaults from the system's colours
// (Windows only). Each carries the keyword by which the menu colour commands name it.
#pragma once

#include "fw_types.h"

struct MenuColors {
    COLORREF bar;  // "BAR": the image bar at the left
    COLORREF back;  // "BACK"
    COLORREF text;  // "TEXT"
    COLORREF textGrayed;  // "TEXTGRAYED"
    COLORREF selText;  // "SELTEXT"
    COLORREF selBack;  // "SELBACK"
    COLORREF selEdge;  // "SELEDGE"
};

void InitMenuColors(MenuColors& colors);
