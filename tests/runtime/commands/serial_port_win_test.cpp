// Serial ports of running projects over a pair of linked pseudo-terminals (cmake/serial.sh): the
// project opens COM21, the test reads and writes the other end, COM22.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::ProjectRun;

// The test's end of the line.
class FarEnd {
public:
    FarEnd()
    {
        m_handle = CreateFileA("\\\\.\\COM22", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (m_handle == INVALID_HANDLE_VALUE) return;
        COMMTIMEOUTS timeouts = {};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.ReadTotalTimeoutConstant = 200;
        timeouts.WriteTotalTimeoutConstant = 2000;
        SetCommTimeouts(m_handle, &timeouts);
        PurgeComm(m_handle, PURGE_RXCLEAR);  // nothing of an earlier test
    }
    ~FarEnd()
    {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Write(const std::string& bytes)
    {
        DWORD written = 0;
        return WriteFile(m_handle, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    }
    // What arrives until count bytes are there or the wait is over.
    std::string Read(size_t count)
    {
        std::string bytes;
        const DWORD start = GetTickCount();
        while (bytes.size() < count && GetTickCount() - start < qbktest::kWait) {
            char block[256];
            DWORD read = 0;
            if (!ReadFile(m_handle, block, DWORD(std::min(sizeof block, count - bytes.size())), &read, nullptr)) break;
            bytes.append(block, read);
        }
        return bytes;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

std::string Phase(int timer, const std::string& lines)
{
    return "      @Condition.If(@Application.GetParameter(0), \"=\", " + std::to_string(timer) + ")\n" + lines +
           "      @Condition.EndIf()\n";
}

std::string Note(const std::string& expression)
{
    return "        @MAIN.SetText(@MAIN.GetText() & \"|\" & " + expression + ")\n";
}

TEST(SerialPortWin, BytesTextsAndStreamsCrossTheLine)
{
    FarEnd peer;
    ASSERT_TRUE(peer.IsOpen()) << "no COM22: the serial fixture is not running (cmake/serial.sh)";
    ProjectRun run(
        R"(
window MAIN
  caption "P"
  style 0x100B0001
  rect 0 0 600 200
  object SerialPort sp
  object DataStream data
  builtin Time
    event 0
)" +
        Phase(
            1,
            Note("@sp.GetBaudRate() & \",\" & @sp.GetTimeout() & \",\" & @sp.WriteByte(65) & \",\" & @sp.ReadByte()") +
                Note("@sp.Open(21)") + Note("@sp.GetBaudRate() & \",\" & @sp.GetTimeout()") +
                "        @sp.SetBaudRate(19200)\n        @sp.SetTimeout(500)\n" +
                Note("@sp.GetBaudRate() & \",\" & @sp.GetTimeout()") +
                Note("@sp.WriteText(\"hello\") & \",\" & @sp.WriteByte(256) & @sp.WriteByte(-1) & \",\" & "
                     "@sp.WriteByte(66)") +
                "        @data.Create()\n        @data.WriteText(\"stream!\")\n        @data.Seek(2)\n" +
                Note("@sp.WriteFromStream(@data.GetId(), -1) & \",\" & @data.GetPosition() & \",\" & "
                     "@sp.WriteFromStream(@data.GetId(), 3)") +
                // A count past the stream's end sends what the stream holds; one below -1 nothing.
                Note("@sp.WriteFromStream(@data.GetId(), 2000000000) & @sp.WriteFromStream(@data.GetId(), -5)")) +
        Phase(2, Note("@sp.ReadByte()")) +
        Phase(3, Note("@sp.ReadToStream(@data.GetId(), 0) & \",\" & @data.GetLength()") +
                     Note("@sp.ReadToStream(@data.GetId(), 10) & \",\" & @data.ReadText(-1)")) +
        Phase(4, Note("@sp.ReadToStream(@data.GetId(), 10) & \",\" & @data.GetLength()") +
                     Note("@sp.Close() & @sp.GetBaudRate() & @sp.WriteText(\"late\") & @sp.ReadByte()") +
                     Note("@sp.Open(199) & @sp.GetBaudRate()")));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_TIMER, 1, 0);
    const std::string opened = "P|0,-1,0,-1|1|9600,3000|19200,500|5,00,1|7,2,3|70";
    ASSERT_TRUE(run.WaitForText(main, opened)) << ProjectRun::Text(main);
    EXPECT_EQ(peer.Read(23), "helloBstream!strstream!");

    ASSERT_TRUE(peer.Write("x"));
    PostMessageA(main, WM_TIMER, 2, 0);
    ASSERT_TRUE(run.WaitForText(main, opened + "|120")) << ProjectRun::Text(main);
    // The port's own read time-out (500 ms) lets all the bytes arrive before the read ends.
    ASSERT_TRUE(peer.Write("abcdef"));
    PostMessageA(main, WM_TIMER, 3, 0);
    ASSERT_TRUE(run.WaitForText(main, opened + "|120|0,7|6,abcdef")) << ProjectRun::Text(main);
    // Nothing arriving: the stream is emptied and nothing was read, after the time-out.
    PostMessageA(main, WM_TIMER, 4, 0);
    EXPECT_TRUE(run.WaitForText(main, opened + "|120|0,7|6,abcdef|0,0|00-1|00")) << ProjectRun::Text(main);
}

// The modem lines of a pseudo-terminal may not be driven; whatever the system says, the command
// answers and the project goes on.
TEST(SerialPortWin, LineCommandsNeverEndTheProject)
{
    FarEnd peer;
    ASSERT_TRUE(peer.IsOpen()) << "no COM22: the serial fixture is not running (cmake/serial.sh)";
    ProjectRun run(R"(
window MAIN
  caption "L"
  style 0x100B0001
  rect 0 0 600 200
  object SerialPort sp
  builtin Time
    event 0
)" + Phase(1, Note("@sp.Open(21)") +
                  Note("@sp.SetDtr() & @sp.ClearDtr() & @sp.SetRts() & @sp.ClearRts() & @sp.SetBreak() & "
                       "@sp.ClearBreak() & @sp.SetXoff() & @sp.SetXon() & \"end\"") +
                  Note("@sp.WriteText(\"after\")")));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_TIMER, 1, 0);
    std::string text;
    zvtest::WaitFor(
        [&] {
            text = ProjectRun::Text(main);
            return text.find("|5") != std::string::npos;
        },
        qbktest::kWait);
    const std::vector<std::string> notes = qbktest::SplitNotes(text);
    ASSERT_EQ(notes.size(), 4u) << text;
    EXPECT_EQ(notes[1], "1");
    EXPECT_EQ(notes[2].find_first_not_of('0'), notes[2].size() - 3) << notes[2];  // "0" per refused line, then "end"
    EXPECT_EQ(notes[3], "5");
    EXPECT_EQ(peer.Read(5), "after");
}

}  // namespace
