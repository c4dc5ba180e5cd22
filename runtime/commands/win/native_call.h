// A call into a library function whose signature is known only at run time: the arguments are
// laid out as the platform's C calling convention wants them, the function is called, and its
// integer and floating-point return registers are read back. The stack pointer is saved before the
// arguments are pushed and restored after the call, so a function whose convention is not the
// declared one (it removes its arguments, or leaves them) cannot unbalance the caller's stack.
#pragma once

#include <cstdint>
#include <vector>

enum class NativeType { None = 0, Int = 1, Float = 2, Double = 3, String = 4 };

struct NativeArgument {
    NativeType Type = NativeType::None;
    int32_t Int = 0;
    float Float = 0;
    double Double = 0;
    const char* Text = nullptr;
};

struct NativeResult {
    int32_t Int = 0;
    float Float = 0;
    double Double = 0;
    const char* Text = nullptr;
};

// Calls function with the arguments (the first lies lowest on the stack). On i686 the caller
// removes nothing itself: the saved stack pointer serves both conventions; on x86_64 there is one
// convention. An argument of type None takes no room.
NativeResult CallNative(void* function, const std::vector<NativeArgument>& arguments);
