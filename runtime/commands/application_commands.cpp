#include "application_commands.h"

#include <chrono>
#include <cstdio>

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

int ColourPart(CProjectRuntime& runtime, CString& params, ScriptFrame& frame, int shift)
{
    return (ArgInt(runtime, params, frame) >> shift) & 255;
}

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
            spec += "ll";
            spec += conversion;
            if (conversion == 'd' || conversion == 'i')
                piece.Format(spec, (long long)clamped);
            else
                piece.Format(spec, (unsigned long long)(long long)clamped);
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

COMMAND_HANDLER(Application_Format)
{
    const CString format = ArgText(runtime, params, frame);
    double numbers[kMaxFormatNumbers];
    int count = 0;
    CString value;
    while (count < kMaxFormatNumbers && runtime.EvaluateExpression(params, value, frame))
        numbers[count++] = TextToDouble(value);
    frame.Result = count == 0 ? format : FormatNumbers(format, numbers, count);
}

COMMAND_HANDLER(Application_GetField4) { frame.Result = runtime.m_headerTexts[CProjectRuntime::SecondName]; }
COMMAND_HANDLER(Application_GetField5) { frame.Result = runtime.m_programFolder; }
COMMAND_HANDLER(Application_GetField6) { frame.Result = runtime.m_headerTexts[CProjectRuntime::AppName]; }
COMMAND_HANDLER(Application_GetField7) { frame.Result = runtime.m_programPath; }

COMMAND_HANDLER(Application_IntToBinary) { frame.Result = IntToBinaryString(uint32_t(ArgInt(runtime, params, frame))); }

COMMAND_HANDLER(Application_GetBlue) { frame.Result = IntToString(ColourPart(runtime, params, frame, 16)); }
COMMAND_HANDLER(Application_GetGreen) { frame.Result = IntToString(ColourPart(runtime, params, frame, 8)); }
COMMAND_HANDLER(Application_GetRed) { frame.Result = IntToString(ColourPart(runtime, params, frame, 0)); }

COMMAND_HANDLER(Application_CharFromCode)
{
    const int code = ArgInt(runtime, params, frame);
    if (code >= 1 && code <= 255) frame.Result = CString(char(code));
}

COMMAND_HANDLER(Application_Cmd11) { frame.Result = "\r\n"; }

COMMAND_HANDLER(Application_CodeOfFirstChar)
{
    const CString text = ArgText(runtime, params, frame);
    frame.Result = text.IsEmpty() ? CString("-1") : IntToString((unsigned char)text[0]);
}

COMMAND_HANDLER(Application_GetClipboardText)
{
    if (GetApplicationSystem().getClipboardText) frame.Result = GetApplicationSystem().getClipboardText();
}

COMMAND_HANDLER(Application_Cmd25)
{
    const CString text = ArgText(runtime, params, frame);
    if (GetApplicationSystem().setClipboardText) GetApplicationSystem().setClipboardText(text);
}

COMMAND_HANDLER(Application_Cmd14)
{
    if (GetApplicationSystem().getCommandLine)
        frame.Result = CommandLineArguments(GetApplicationSystem().getCommandLine());
}

COMMAND_HANDLER(Application_BinaryToInt)
{
    frame.Result = IntToString(int32_t(BinaryToInt(ArgText(runtime, params, frame))));
}

COMMAND_HANDLER(Application_HexToInt)
{
    frame.Result = IntToString(int32_t(HexToInt(ArgText(runtime, params, frame))));
}

COMMAND_HANDLER(Application_IntToHex) { frame.Result = IntToHex(ArgInt(runtime, params, frame)); }

COMMAND_HANDLER(Application_GetParameter)
{
    const int index = ArgInt(runtime, params, frame);
    if (frame.Arguments && index >= 0 && index < frame.Arguments->GetCount())
        frame.Result = frame.Arguments->Texts[size_t(index)];
}

COMMAND_HANDLER(Application_Cmd20) { frame.Result = IntToString(frame.Arguments ? frame.Arguments->GetCount() : 0); }

COMMAND_HANDLER(Application_WindowFromPoint)
{
    const int x = ArgInt(runtime, params, frame);
    const int y = ArgInt(runtime, params, frame);
    const uint64_t handle = GetApplicationSystem().windowFromPoint ? GetApplicationSystem().windowFromPoint(x, y) : 0;
    frame.Result = FormatNumber(int64_t(handle));
}

COMMAND_HANDLER(Application_Return) { frame.Result = ArgText(runtime, params, frame); }

COMMAND_HANDLER(Application_MakeColor)
{
    const int red = ArgInt(runtime, params, frame) & 255;
    const int green = ArgInt(runtime, params, frame) & 255;
    const int blue = ArgInt(runtime, params, frame) & 255;
    frame.Result = IntToString(red | green << 8 | blue << 16);
}

COMMAND_HANDLER(Application_Wait)
{
    const int wait = ArgInt(runtime, params, frame);
    if (wait <= 0) return;  // a negative count is no wait (not some 49 days of unsigned milliseconds)
    const uint32_t start = Milliseconds();
    while (Milliseconds() - start < uint32_t(wait)) {
    }
}
