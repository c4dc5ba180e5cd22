#include "key_names.h"

#include <cctype>
#include <cstring>

namespace {

struct KeyName {
    unsigned Code;
    const char* Name;
};

// In code order; digits, letters, keypad digits and function keys are filled in by rule below.
constexpr KeyName kNamedKeys[] = {
    {0x01, "LBUTTON"},  {0x02, "RBUTTON"}, {0x03, "CANCEL"},   {0x04, "MBUTTON"}, {0x08, "BACK"},
    {0x09, "TAB"},      {0x0C, "CLEAR"},   {0x0D, "RETURN"},   {0x10, "SHIFT"},   {0x11, "CONTROL"},
    {0x12, "MENU"},     {0x13, "PAUSE"},   {0x14, "CAPITAL"},  {0x1B, "ESCAPE"},  {0x20, "SPACE"},
    {0x21, "PRIOR"},    {0x22, "NEXT"},    {0x23, "END"},      {0x24, "HOME"},    {0x25, "LEFT"},
    {0x26, "UP"},       {0x27, "RIGHT"},   {0x28, "DOWN"},     {0x29, "SELECT"},  {0x2B, "EXECUTE"},
    {0x2C, "SNAPSHOT"}, {0x2D, "INSERT"},  {0x2E, "DELETE"},   {0x2F, "HELP"},    {0x5B, "LWIN"},
    {0x5C, "RWIN"},     {0x5D, "APPS"},    {0x6A, "MULTIPLY"}, {0x6B, "ADD"},     {0x6C, "SEPARATOR"},
    {0x6D, "SUBTRACT"}, {0x6E, "DECIMAL"}, {0x6F, "DIVIDE"},   {0x90, "NUMLOCK"}, {0x91, "SCROLL"},
    {0xF6, "ATTN"},     {0xF7, "CRSEL"},   {0xF8, "EXSEL"},    {0xF9, "EREOF"},   {0xFA, "PLAY"},
    {0xFB, "ZOOM"},     {0xFC, "NONAME"},  {0xFD, "PA1"},
};

constexpr unsigned kFirstDigit = 0x30, kFirstLetter = 0x41, kFirstPadDigit = 0x60, kFirstFunction = 0x70;
constexpr unsigned kFunctionKeys = 16;  // F1 to F16
constexpr unsigned kNoNames = 254;

}  // namespace

CString VirtualKeyToKeyName(unsigned code)
{
    CString name;
    if (code == 0 || code >= kNoNames) return name;
    if (code >= kFirstDigit && code < kFirstDigit + 10) return CString(char('0' + (code - kFirstDigit)), 1);
    if (code >= kFirstLetter && code < kFirstLetter + 26) return CString(char('A' + (code - kFirstLetter)), 1);
    if (code >= kFirstPadDigit && code < kFirstPadDigit + 10) {
        name.Format("NUM%u", code - kFirstPadDigit);
        return name;
    }
    if (code >= kFirstFunction && code < kFirstFunction + kFunctionKeys) {
        name.Format("F%u", code - kFirstFunction + 1);
        return name;
    }
    for (const KeyName& key : kNamedKeys)
        if (key.Code == code) return CString(key.Name);
    return name;
}

unsigned KeyNameToVirtualKey(const char* name)
{
    if (!name || !*name || std::strlen(name) > 16) return 0;
    char upper[17] = {};
    for (size_t i = 0; name[i]; ++i) upper[i] = char(std::toupper(static_cast<unsigned char>(name[i])));
    for (unsigned code = 1; code < kNoNames; ++code)
        if (VirtualKeyToKeyName(code) == upper) return code;
    return 0;
}
