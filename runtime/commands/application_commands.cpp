#include "application_commands.h"

#include <chrono>
#include <cstdio>

#include "command_context.h"
#include "command_table.h"
#include "decimal_text.h"
#include "value_format.h"

ApplicationSystem& GetApplicationSystem()
{
    static ApplicationSystem system;
    return system;
}

namespace {

constexpr int kMaxFormatNumbers = 16;
constexpr int kMaxFormatWidth = 256;  // width and precision of one conversion

uint32_t Milliseconds()
{
    if (GetApplicationSystem().milliseconds) return GetApplicationSystem().milliseconds();
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Reads digits at format[i], capped; answers -1 when there are none.
int ReadCount(const CString& format, int& i)
{
    int value = -1;
    while (i < format.GetLength() && format[i] >= '0' && format[i] <= '9') {
        value = (value < 0 ? 0 : value) * 10 + (format[i++] - '0');
        if (value > kMaxFormatWidth) value = kMaxFormatWidth;
    }
    return value;
}

int ColourPart(CommandContext& ctx, int shift) { return (ctx.Int() >> shift) & 255; }

}  // namespace

CString FormatNumbers(const CString& format, const double* numbers, int count)
{
    CString out;
    int used = 0;
    int i = 0;
    const int length = format.GetLength();
    while (i < length) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < length && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // %[flags][width][.precision]conversion
        const int start = i++;
        CString flags;
        while (i < length && CString("-+ #0").Find(format[i]) >= 0) flags += format[i++];
        const int width = ReadCount(format, i);
        int precision = -1;
        if (i < length && format[i] == '.') {
            ++i;
            precision = ReadCount(format, i);
            if (precision < 0) precision = 0;
        }
        // Length modifiers as C's printf takes them: h and hh narrow an integer; the others
        // (l, ll, L, j, z, t) change nothing here, where integers are 64-bit and reals double.
        int narrowTo = 0;  // bits
        while (i < length && CString("hlLjzt").Find(format[i]) >= 0) {
            if (format[i] == 'h') narrowTo = narrowTo == 16 ? 8 : 16;
            ++i;
        }
        const char conversion = i < length ? format[i] : '\0';
        const bool real = CString("fFeEgG").Find(conversion) >= 0 && conversion != '\0';
        const bool integer = CString("diuxXo").Find(conversion) >= 0 && conversion != '\0';
        if ((!real && !integer) || used >= count) {
            out += format.Mid(start, i - start);  // not a numeric conversion: kept as written
            continue;
        }
        ++i;
        CString spec = "%" + flags;
        if (width >= 0) spec.AppendFormat("%d", width);
        if (precision >= 0) spec.AppendFormat(".%d", precision);
        const double number = numbers[used++];
        CString piece;
        if (real) {
            spec += conversion;
            piece.Format(spec, number);
        } else {
            // The number's integer part, clamped to 64 bits.
            const double clamped = number != number    ? 0.0
                                   : number >= 9.2e18  ? 9.2e18
                                   : number <= -9.2e18 ? -9.2e18
                                                       : number;
            long long whole = (long long)clamped;
            if (narrowTo == 16)
                whole = conversion == 'd' || conversion == 'i' ? (long long)(int16_t)whole : (uint16_t)whole;
            if (narrowTo == 8)
                whole = conversion == 'd' || conversion == 'i' ? (long long)(int8_t)whole : (uint8_t)whole;
            spec += "ll";
            spec += conversion;
            if (conversion == 'd' || conversion == 'i')
                piece.Format(spec, whole);
            else
                piece.Format(spec, (unsigned long long)whole);
        }
        out += piece;
    }
    return out;
}

CString CommandLineArguments(const CString& line)
{
    if (!line.IsEmpty() && line[0] == '"') {
        const int close = line.Find('"', 1);
        if (close < 0) return CString();
        CString rest = line.Mid(close + 1);
        if (!rest.IsEmpty() && rest[0] == ' ') rest = rest.Mid(1);
        return rest;
    }
    const int blank = line.Find(' ');
    return blank < 0 ? CString() : line.Mid(blank + 1);
}

namespace {

void Application_Format(CommandContext& ctx)
{
    const CString format = ctx.Text();
    double numbers[kMaxFormatNumbers];
    int count = 0;
    CString value;
    while (count < kMaxFormatNumbers && ctx.Next(value)) numbers[count++] = TextToDouble(value);
    ctx.SetResult(count == 0 ? format : FormatNumbers(format, numbers, count));
}

void Application_GetAuthor(CommandContext& ctx) { ctx.SetResult(ctx.Runtime().m_author); }
void Application_GetFolder(CommandContext& ctx) { ctx.SetResult(ctx.Runtime().m_programFolder); }
void Application_GetName(CommandContext& ctx) { ctx.SetResult(ctx.Runtime().m_appName); }
void Application_GetPath(CommandContext& ctx) { ctx.SetResult(ctx.Runtime().m_programPath); }

void Application_IntToBinary(CommandContext& ctx) { ctx.SetResult(IntToBinaryString(uint32_t(ctx.Int()))); }

void Application_GetBlue(CommandContext& ctx) { ctx.SetInt(ColourPart(ctx, 16)); }
void Application_GetGreen(CommandContext& ctx) { ctx.SetInt(ColourPart(ctx, 8)); }
void Application_GetRed(CommandContext& ctx) { ctx.SetInt(ColourPart(ctx, 0)); }

void Application_CharFromCode(CommandContext& ctx)
{
    const int code = ctx.Int();
    if (code >= 1 && code <= 255) ctx.SetResult(CString(char(code)));
}

void Application_GetNewLine(CommandContext& ctx) { ctx.SetResult("\r\n"); }

void Application_CodeOfFirstChar(CommandContext& ctx)
{
    const CString text = ctx.Text();
    ctx.SetResult(text.IsEmpty() ? CString("-1") : IntToString((unsigned char)text[0]));
}

void Application_GetClipboardText(CommandContext& ctx)
{
    if (GetApplicationSystem().getClipboardText) ctx.SetResult(GetApplicationSystem().getClipboardText());
}

void Application_SetClipboardText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    if (GetApplicationSystem().setClipboardText) GetApplicationSystem().setClipboardText(text);
}

void Application_GetCommandLine(CommandContext& ctx)
{
    if (GetApplicationSystem().getCommandLine)
        ctx.SetResult(CommandLineArguments(GetApplicationSystem().getCommandLine()));
}

void Application_BinaryToInt(CommandContext& ctx) { ctx.SetInt(int32_t(BinaryToInt(ctx.Text()))); }

void Application_HexToInt(CommandContext& ctx) { ctx.SetInt(int32_t(HexToInt(ctx.Text()))); }

void Application_IntToHex(CommandContext& ctx) { ctx.SetResult(IntToHex(ctx.Int())); }

void Application_GetParameter(CommandContext& ctx)
{
    const int index = ctx.Int();
    const ArgumentBlock* arguments = ctx.Frame().Arguments;
    if (arguments && index >= 0 && index < arguments->GetCount()) ctx.SetResult(arguments->Texts[size_t(index)]);
}

void Application_GetParameterCount(CommandContext& ctx)
{
    ctx.SetInt(ctx.Frame().Arguments ? ctx.Frame().Arguments->GetCount() : 0);
}

void Application_WindowFromPoint(CommandContext& ctx)
{
    const int x = ctx.Int();
    const int y = ctx.Int();
    const uint64_t handle = GetApplicationSystem().windowFromPoint ? GetApplicationSystem().windowFromPoint(x, y) : 0;
    ctx.SetResult(FormatNumber(int64_t(handle)));
}

void Application_Return(CommandContext& ctx) { ctx.SetResult(ctx.Text()); }

void Application_MakeColor(CommandContext& ctx)
{
    const int red = ctx.Int() & 255;
    const int green = ctx.Int() & 255;
    const int blue = ctx.Int() & 255;
    ctx.SetInt(red | green << 8 | blue << 16);
}

void Application_Wait(CommandContext& ctx)
{
    const int wait = ctx.Int();
    if (wait <= 0) return;  // a negative count is no wait (not some 49 days of unsigned milliseconds)
    const uint32_t start = Milliseconds();
    while (Milliseconds() - start < uint32_t(wait)) {
    }
}

constexpr CommandEntry kApplication[] = {
    {flow::kLeaveLoop, nullptr},  // the dispatcher's: on after the loop
    {flow::kNextPass, nullptr},  // the dispatcher's: back to the loop's head
    {flow::kEndProgram, nullptr},  // the dispatcher's: MAIN closes
    {3, "Application_Format", Application_Format},
    {4, "Application_GetAuthor", Application_GetAuthor},
    {5, "Application_GetFolder", Application_GetFolder},
    {6, "Application_GetName", Application_GetName},
    {7, "Application_GetPath", Application_GetPath},
    {8, "Application_IntToBinary", Application_IntToBinary},
    {9, "Application_GetBlue", Application_GetBlue},
    {10, "Application_CharFromCode", Application_CharFromCode},
    {11, "Application_GetNewLine", Application_GetNewLine},
    {12, "Application_CodeOfFirstChar", Application_CodeOfFirstChar},
    {13, "Application_GetClipboardText", Application_GetClipboardText},
    {14, "Application_GetCommandLine", Application_GetCommandLine},
    {15, "Application_BinaryToInt", Application_BinaryToInt},
    {16, "Application_HexToInt", Application_HexToInt},
    {17, "Application_GetGreen", Application_GetGreen},
    {18, "Application_IntToHex", Application_IntToHex},
    {19, "Application_GetParameter", Application_GetParameter},
    {20, "Application_GetParameterCount", Application_GetParameterCount},
    {21, "Application_GetRed", Application_GetRed},
    {22, "Application_WindowFromPoint", Application_WindowFromPoint},
    {flow::kReturn, "Application_Return", Application_Return},  // then the run returns its result
    {24, "Application_MakeColor", Application_MakeColor},
    {25, "Application_SetClipboardText", Application_SetClipboardText},
    {26, "Application_Wait", Application_Wait},
};
static_assert(NumbersOwnCommands(kApplication, qbk::TypeApplication, 26));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeApplication, kApplication)};

}  // namespace

extern const CommandFamily kApplicationFamily("Application", kLists);
