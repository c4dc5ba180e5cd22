// The fixed wording of the menu's pages: main items, difficulties, help pages and credits.
#pragma once

namespace MenuTexts {

extern const char* const kMainItems[5];
extern const char* const kDifficulties[3];

struct HelpPage {
    const char* title;
    const char* text;
};
// The goal of the game, lessons 1 to 5, the last words.
extern const HelpPage kHelp[7];
extern const char* const kContinue;

struct CreditsEntry {
    const char* heading;
    const char* names;  // lines separated by "\n"
};
extern const CreditsEntry kCredits[6];
extern const char* const kNotice;

}  // namespace MenuTexts
