// What an instruction tells the run to do next: the dispatcher makes it, the runner acts on it.
#pragma once

enum class FlowCode : int {
    GoOn = 0,
    IfTrue = 1,  // an IF whose comparison holds: the block runs
    IfFalse = 2,  // an IF whose comparison fails: on after the next ELSE or END-IF
    Else = 3,  // the true block reached its ELSE: on after the END-IF
    EndIf = 4,
    LoopTrue = 5,  // a loop head whose comparison holds: the body runs
    LoopFalse = 6,  // on after the loop's end
    LoopEnd = 7,  // back to the loop's head
    NextPass = 8,  // back to the head of the loop around this instruction
    LeaveLoop = 9,  // on after the end of the loop around this instruction
    Return = 10,  // the run ends and hands back the result text
    EndProgram = 11  // MAIN closes, and every run with it unless MAIN refuses
};

// The commands of the built-in objects that steer a run, by number.
namespace flow {
constexpr int kIf = 0, kElse = 1, kEndIf = 2;  // Condition
constexpr int kLoopHead = 0, kLoopEnd = 1;  // Loop
constexpr int kLeaveLoop = 0, kNextPass = 1, kEndProgram = 2, kReturn = 23;  // Application
}  // namespace flow
