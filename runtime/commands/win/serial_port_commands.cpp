// Serial ports (type 36). The port reports a failing system call by throwing; every command
// catches it and answers "0", so no error leaves a handler (a script runs inside a window
// procedure).
#include "serial_port.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "script_limits.h"
#include "value_format.h"

namespace {

constexpr DWORD kDefaultBaud = 9600;
constexpr DWORD kDefaultTimeoutMs = 3000;

class SerialPortPart : public ObjectPart {
public:
    std::unique_ptr<CKtSerialPort> Port;
};

// The object's open port, or null.
CKtSerialPort* OpenPort(const CommandContext& ctx)
{
    const SerialPortPart* part = ctx.FindPart<SerialPortPart>();
    return part && part->Port && part->Port->IsOpen() ? part->Port.get() : nullptr;
}

COMMTIMEOUTS Timeouts(DWORD readMs, DWORD writeMs)
{
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = readMs;
    timeouts.WriteTotalTimeoutConstant = writeMs;
    return timeouts;
}

// Runs act on the open port; a system failure on the way, or no memory for the bytes, answers "0".
template <class Act>
void WithPort(CommandContext& ctx, Act act)
{
    CKtSerialPort* port = OpenPort(ctx);
    if (!port) return;
    try {
        act(*port);
    } catch (const CKtSerialPortException&) {
        ctx.SetTruth(false);
    } catch (const std::bad_alloc&) {
        ctx.SetTruth(false);
    }
}

template <void (CKtSerialPort::*Line)()>
void DriveLine(CommandContext& ctx)
{
    WithPort(ctx, [](CKtSerialPort& port) { (port.*Line)(); });
}

// Writes bytes and waits until they have left. What a write time-out left behind is cleared, so
// that it does not go out later; bytes the write took are never cleared before they are sent.
DWORD WriteAndSettle(CKtSerialPort& port, const void* bytes, DWORD count)
{
    const DWORD written = port.WriteBytes(bytes, count);
    port.FlushOutput();
    if (written < count) port.PurgeOutput();
    return written;
}

void SerialPort_Close(CommandContext& ctx)
{
    if (CKtSerialPort* port = OpenPort(ctx)) port->Close();
}

void SerialPort_GetBaudRate(CommandContext& ctx)
{
    ctx.SetInt(0);
    WithPort(ctx, [&](CKtSerialPort& port) { ctx.SetResult(CString(std::to_string(port.GetBaudRate()))); });
}

void SerialPort_GetTimeout(CommandContext& ctx)
{
    ctx.SetInt(-1);
    WithPort(ctx, [&](CKtSerialPort& port) {
        COMMTIMEOUTS timeouts = {};
        port.GetTimeouts(timeouts);
        ctx.SetResult(CString(std::to_string(timeouts.ReadTotalTimeoutConstant)));
    });
}

void SerialPort_Open(CommandContext& ctx)
{
    const int number = ctx.Int();
    SerialPortPart& part = ctx.EnsurePart<SerialPortPart>();
    part.Port = std::make_unique<CKtSerialPort>();
    try {
        part.Port->OpenPort(number, kDefaultBaud, kParityNone, 8, kStopOne, kFlowNone, false);
        part.Port->ApplyTimeouts(Timeouts(kDefaultTimeoutMs, kDefaultTimeoutMs));
        ctx.SetTruth(true);
    } catch (const CKtSerialPortException&) {
        part.Port->Close();
        ctx.SetTruth(false);
    }
}

void SerialPort_ReadToStream(CommandContext& ctx)
{
    ObjectRecord* stream = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    const int count = ctx.Int();
    ctx.SetInt(0);
    if (!stream || count <= 0 || size_t(count) > kMaxScriptBytes) return;
    WithPort(ctx, [&](CKtSerialPort& port) {
        CMemFile& target = NewDataStream(*stream);
        std::vector<char> bytes(static_cast<size_t>(count));
        const DWORD read = port.ReadBytes(bytes.data(), DWORD(count));
        port.PurgeInput();
        // Bytes that could not be kept were not read as far as the script can tell.
        const bool stored = read == 0 || WriteToStream(target, bytes.data(), read);
        target.Seek(0, CFile::begin);
        ctx.SetInt(stored ? int(read) : 0);
    });
}

void SerialPort_ReadByte(CommandContext& ctx)
{
    ctx.SetInt(-1);
    WithPort(ctx, [&](CKtSerialPort& port) {
        unsigned char byte = 0;
        const DWORD read = port.ReadBytes(&byte, 1);
        port.PurgeInput();
        ctx.SetInt(read == 1 ? int(byte) : -1);
    });
}

void SerialPort_SetBaudRate(CommandContext& ctx)
{
    const int baud = ctx.Int();
    WithPort(ctx, [&](CKtSerialPort& port) { port.SetBaudRate(DWORD(baud)); });
}

// One time-out for reads and writes, or a second one for writes.
void SerialPort_SetTimeout(CommandContext& ctx)
{
    const int readMs = ctx.Int();
    CString second;
    const int writeMs = ctx.Next(second) && !second.IsEmpty() ? atoi(second) : readMs;
    WithPort(ctx, [&](CKtSerialPort& port) { port.ApplyTimeouts(Timeouts(DWORD(readMs), DWORD(writeMs))); });
}

void SerialPort_WriteFromStream(CommandContext& ctx)
{
    ObjectRecord* object = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    int count = ctx.Int();
    ctx.SetInt(0);
    CMemFile* stream = FindDataStream(object);
    if (!stream) return;
    // Never more than the stream holds, whatever count the script gives.
    const ULONGLONG length = stream->GetLength();
    if (count == -1 || (count > 0 && ULONGLONG(count) > length)) count = int(length);
    if (count <= 0) return;
    WithPort(ctx, [&](CKtSerialPort& port) {
        const ULONGLONG kept = stream->GetPosition();
        stream->Seek(0, CFile::begin);
        std::vector<char> bytes(static_cast<size_t>(count));
        const UINT taken = stream->Read(bytes.data(), UINT(count));
        stream->Seek(LONGLONG(kept), CFile::begin);
        ctx.SetInt(int(WriteAndSettle(port, bytes.data(), taken)));
    });
}

void SerialPort_WriteByte(CommandContext& ctx)
{
    const int value = ctx.Int();
    ctx.SetInt(0);
    if (value < 0 || value > 255) return;
    WithPort(ctx, [&](CKtSerialPort& port) {
        const unsigned char byte = static_cast<unsigned char>(value);
        ctx.SetInt(int(WriteAndSettle(port, &byte, 1)));
    });
}

void SerialPort_WriteText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    ctx.SetInt(0);
    WithPort(ctx, [&](CKtSerialPort& port) {
        ctx.SetInt(int(WriteAndSettle(port, text.GetString(), DWORD(text.GetLength()))));
    });
}

constexpr CommandEntry kSerialPort[] = {
    {2, "SerialPort_ClearBreak", DriveLine<&CKtSerialPort::ClearBreak>},  // after the shared commands 0 and 1
    {3, "SerialPort_ClearDtr", DriveLine<&CKtSerialPort::ClearDtr>},
    {4, "SerialPort_ClearRts", DriveLine<&CKtSerialPort::ClearRts>},
    {5, "SerialPort_Close", SerialPort_Close},
    {6, "SerialPort_GetBaudRate", SerialPort_GetBaudRate},
    {7, "SerialPort_GetTimeout", SerialPort_GetTimeout},
    {8, "SerialPort_Open", SerialPort_Open},
    {9, "SerialPort_ReadToStream", SerialPort_ReadToStream},
    {10, "SerialPort_ReadByte", SerialPort_ReadByte},
    {11, "SerialPort_SetBreak", DriveLine<&CKtSerialPort::SetBreak>},
    {12, "SerialPort_SetDtr", DriveLine<&CKtSerialPort::SetDtr>},
    {13, "SerialPort_SetRts", DriveLine<&CKtSerialPort::SetRts>},
    {14, "SerialPort_SetBaudRate", SerialPort_SetBaudRate},
    {15, "SerialPort_SetTimeout", SerialPort_SetTimeout},
    {16, "SerialPort_SetXoff", DriveLine<&CKtSerialPort::SetXoff>},
    {17, "SerialPort_SetXon", DriveLine<&CKtSerialPort::SetXon>},
    {18, "SerialPort_WriteFromStream", SerialPort_WriteFromStream},
    {19, "SerialPort_WriteByte", SerialPort_WriteByte},
    {20, "SerialPort_WriteText", SerialPort_WriteText},
};
static_assert(NumbersOwnCommands(kSerialPort, qbk::TypeSerialPort, 20));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeSerialPort, kSerialPort)};

}  // namespace

extern const CommandFamily kSerialPortFamily("SerialPort", kLists);
