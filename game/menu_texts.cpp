#include "menu_texts.h"

namespace MenuTexts {

const char* const kMainItems[5] = {"Select Player", "High Scores", "Help", "Credits", "Exit"};
const char* const kDifficulties[3] = {"Easy", "Medium", "Hard"};

const HelpPage kHelp[7] = {
    {"Goal of the Game",
     "The aim of the game is to reach the exit after catching \nall the Gems scattered on the track."},
    {"Lesson 1",
     "You can steer towards the right or the left by climbing the banks of the tunnel. It is also possible to "
     "accelerate (Up Arrow) or brake (Down Arrow, 0 or Space)."},
    {"Lesson 2",
     "To catch a gem, drive over it. You will hear a sound and the total displayed at the top right hand side of "
     "the screen will be refreshed."},
    {"Lesson 3",
     "Certain Gems can only be caught when bouncing off after a crash against a wall. In this sample you will need "
     "to bounce off the wall in reverse to obtain a Gem."},
    {"Lesson 4",
     "Certain blocks making up the tunnel walls can be moved. It is therefore possible to move a block following a "
     "crash if the minimum speed is attained. In this sample, only the middle block can be moved."},
    {"Lesson 5", "A turbo will come into play when driving over an acceleration track, represented by yellow arrows."},
    {"Let's Go !", "That's all, you know all the tips to win."},
};
const char* const kContinue = "Press the 'Return' key to continue...";

const CreditsEntry kCredits[6] = {
    {"Programming", "The Zorvane team"},
    {"Levels by", "The Zorvane team"},
    {"Additional Level by", "The level checker"},
    {"Music", "The Zorvane team"},
    {"Tester", "The test suite"},
    {"Thanks", "Every pilot"},
};
const char* const kNotice = "Zorvane - a tunnel racing game by the Zorvane team - free to play and share";

}  // namespace MenuTexts
