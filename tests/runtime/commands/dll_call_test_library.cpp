// A library that scripts call through DllCall objects: functions of both conventions taking and
// answering every parameter type, more arguments than fit the registers, and a text answer of null.
#include <cstdio>
#include <cstring>

#define EXPORT extern "C" __declspec(dllexport)

namespace {
char g_text[256];
int g_remembered = 0;
}  // namespace

EXPORT int __stdcall AddInts(int a, int b) { return a + b; }
EXPORT float __stdcall HalfOf(float value) { return value / 2; }
EXPORT double __stdcall Scale(double value, float factor, int times) { return value * factor * times; }
EXPORT const char* __stdcall Greet(const char* name)
{
    std::snprintf(g_text, sizeof g_text, "Hello, %s", name ? name : "(null)");
    return g_text;
}
EXPORT const char* __stdcall NullText() { return nullptr; }
// The float argument, its bits as the function received them, to tell a float from a rounded double.
EXPORT int __stdcall FloatBits(float value)
{
    int bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

EXPORT int __cdecl SumCdecl(int a, int b, int c) { return a + b + c; }
EXPORT double __cdecl Mixed(int a, float b, double c, const char* d, int e, double f, float g)
{
    return a + b + c + double(std::strlen(d)) + e + f + g;
}
EXPORT const char* __cdecl Describe(int a, double b, const char* c, float d)
{
    std::snprintf(g_text, sizeof g_text, "%d|%g|%s|%g", a, b, c, double(d));
    return g_text;
}
EXPORT int __cdecl Identity(int value) { return value; }
EXPORT void __cdecl Remember(int value) { g_remembered = value; }
EXPORT int __cdecl Remembered() { return g_remembered; }
// Writes into the text it was given: the caller's copy, not the script's value.
EXPORT int __cdecl Scribble(char* text)
{
    const int length = int(std::strlen(text));
    if (length > 0) text[0] = '#';
    return length;
}
