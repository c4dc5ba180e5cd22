// Client and server sockets of running projects: two projects talking to each other, and peers of
// the test's own that cut messages at every byte, join several into one segment and drop the
// connection in the middle of a message. Everything runs on the loopback address, on ports that
// are free when the test starts.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>

#include "project_run.h"
#include "socket_peer.h"

namespace {

using qbktest::ProjectRun;
using namespace qbktest::net;

std::string Num(int n) { return std::to_string(n); }

// A server project whose every event leaves a mark in its caption: A accepted, M message (id=text,
// answered with "echo:" and the text), C closed, L listener closed.
std::string ServerProject(int port)
{
    // Step 6 sends all a message one byte longer than a frame can carry.
    std::string doubling;
    for (int i = 0; i < 16; ++i) doubling += "        @big.Append(@big.GetText())\n";
    return R"(
window MAIN
  caption "S"
  style 0x100B0001
  rect 0 0 400 200
  object TextVariable big
  object ServerSocket srv
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|A" & @Application.GetParameter(0))
    event 2
      @MAIN.SetText(@MAIN.GetText() & "|M" & @Application.GetParameter(1) & "=" & @Application.GetParameter(0))
      @srv.SendToClient("echo:" & @Application.GetParameter(0), @Application.GetParameter(1))
    event 0
      @MAIN.SetText(@MAIN.GetText() & "|C" & @Application.GetParameter(0))
    event 3
      @MAIN.SetText(@MAIN.GetText() & "|L")
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", 1)
        @MAIN.SetText(@MAIN.GetText() & "|listen" & @srv.Listen()" +
           Num(port) + R"())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 2)
        @MAIN.SetText(@MAIN.GetText() & "|n" & @srv.GetClientCount() & "," & @srv.GetClientId(0) & "," & @srv.GetClientId(1) & "," & @srv.GetClientId(-1) & "," & @srv.GetClientAddress(1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 3)
        @srv.SendToAll("to all")
        @MAIN.SetText(@MAIN.GetText() & "|sent")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 4)
        @Condition.If(@srv.DisconnectClient(0), "=", 1)
          @MAIN.SetText(@MAIN.GetText() & "|drop1" & @srv.DisconnectClient(7))
        @Condition.EndIf()
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 5)
        @srv.Close()
        @MAIN.SetText(@MAIN.GetText() & "|closed" & @srv.GetClientCount() & @srv.SendToClient("x", 1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 6)
        @big.SetText("x")
)" + doubling +
           R"(        @srv.SendToAll(@big.GetText())
        @MAIN.SetText(@MAIN.GetText() & "|long" & @big.GetLength())
      @Condition.EndIf()
)";
}

// A client project: R message received, X connection closed.
std::string ClientProject(const std::string& host, int port)
{
    return R"(
window MAIN
  caption "K"
  style 0x100B0001
  rect 0 250 400 200
  object ClientSocket cli
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|R" & @Application.GetParameter(0))
    event 0
      @MAIN.SetText(@MAIN.GetText() & "|X")
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", 1)
        @MAIN.SetText(@MAIN.GetText() & "|c" & @cli.Connect(")" +
           host + R"(", )" + Num(port) + R"())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 2)
        @MAIN.SetText(@MAIN.GetText() & "|s" & @cli.Send("hello") & @cli.Send(""))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 3)
        @cli.Close()
        @MAIN.SetText(@MAIN.GetText() & "|closed" & @cli.Send("late"))
      @Condition.EndIf()
)";
}

bool Step(ProjectRun& run, HWND window, int timer, const std::string& expected)
{
    PostMessageA(window, WM_TIMER, WPARAM(timer), 0);
    return run.WaitForText(window, expected);
}

class SocketsWin : public ::testing::Test {
protected:
    WinsockUser winsock;
};

TEST_F(SocketsWin, TwoProjectsTalkThroughServerAndClient)
{
    const int port = FreePort();
    ProjectRun server(ServerProject(port));
    HWND s = server.Window("MAIN");
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(Step(server, s, 1, "S|listen1")) << ProjectRun::Text(s);

    ProjectRun client(ClientProject("localhost", port));
    HWND k = client.Window("MAIN");
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(Step(client, k, 1, "K|c1")) << ProjectRun::Text(k);
    EXPECT_TRUE(server.WaitForText(s, "S|listen1|A0")) << ProjectRun::Text(s);
    // An empty message is a message too, and each comes back as the server's answer.
    ASSERT_TRUE(Step(client, k, 2, "K|c1|s11|Recho:hello|Recho:")) << ProjectRun::Text(k);
    EXPECT_TRUE(server.WaitForText(s, "S|listen1|A0|M0=hello|M0=")) << ProjectRun::Text(s);

    // A second client, the test's own, takes the next id.
    Peer second = Peer::Connect(port);
    ASSERT_TRUE(second.IsOpen());
    ASSERT_TRUE(server.WaitForText(s, "S|listen1|A0|M0=hello|M0=|A1")) << ProjectRun::Text(s);
    ASSERT_TRUE(Step(server, s, 2, "S|listen1|A0|M0=hello|M0=|A1|n2,0,1,-1,127.0.0.1")) << ProjectRun::Text(s);
    ASSERT_TRUE(Step(server, s, 3, "S|listen1|A0|M0=hello|M0=|A1|n2,0,1,-1,127.0.0.1|sent"));
    EXPECT_TRUE(client.WaitForText(k, "K|c1|s11|Recho:hello|Recho:|Rto all")) << ProjectRun::Text(k);
    EXPECT_EQ(second.ReadFrame(), "to all");

    // Dropping client 0 closes it on both sides; an unknown id finds nothing.
    ASSERT_TRUE(Step(server, s, 4, "S|listen1|A0|M0=hello|M0=|A1|n2,0,1,-1,127.0.0.1|sent|C0|drop10"))
        << ProjectRun::Text(s);
    EXPECT_TRUE(client.WaitForText(k, "K|c1|s11|Recho:hello|Recho:|Rto all|X")) << ProjectRun::Text(k);
    // Closing the listener ends the remaining connection, reported before the listener itself.
    ASSERT_TRUE(Step(server, s, 5, "S|listen1|A0|M0=hello|M0=|A1|n2,0,1,-1,127.0.0.1|sent|C0|drop10|C1|L|closed00"))
        << ProjectRun::Text(s);
    EXPECT_TRUE(second.WaitForClose());
    ASSERT_TRUE(Step(client, k, 3, "K|c1|s11|Recho:hello|Recho:|Rto all|X|closed0")) << ProjectRun::Text(k);
}

// Messages cut at every byte, several joined in one segment, then a connection that ends in the
// middle of a message: the server sees every whole message once, in order, and then the close.
TEST_F(SocketsWin, ServerReassemblesSplitAndMergedMessages)
{
    const int port = FreePort();
    ProjectRun server(ServerProject(port));
    HWND s = server.Window("MAIN");
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(Step(server, s, 1, "S|listen1"));
    Peer peer = Peer::Connect(port);
    ASSERT_TRUE(peer.IsOpen());
    ASSERT_TRUE(server.WaitForText(s, "S|listen1|A0"));

    const std::string longText(300, 'w');
    peer.SendByteByByte(Frame("one byte at a time") + Frame(longText));
    EXPECT_TRUE(server.WaitForText(s, "S|listen1|A0|M0=one byte at a time|M0=" + longText)) << ProjectRun::Text(s);
    EXPECT_EQ(peer.ReadFrame(), "echo:one byte at a time");
    EXPECT_EQ(peer.ReadFrame(), "echo:" + longText);
    // The answer to a 300-byte message carries the header of its 305 bytes.
    peer.SendRaw(Frame("a") + Frame("") + Frame("b") + "00");
    EXPECT_TRUE(server.WaitForText(s, "S|listen1|A0|M0=one byte at a time|M0=" + longText + "|M0=a|M0=|M0=b"))
        << ProjectRun::Text(s);
    peer.SendRaw("09");
    peer.SendRaw("part");
    peer.Drop();
    EXPECT_TRUE(server.WaitForText(s, "S|listen1|A0|M0=one byte at a time|M0=" + longText + "|M0=a|M0=|M0=b|C0"))
        << ProjectRun::Text(s);
    ASSERT_TRUE(
        Step(server, s, 2, "S|listen1|A0|M0=one byte at a time|M0=" + longText + "|M0=a|M0=|M0=b|C0|n0,-1,-1,-1,"));
}

TEST_F(SocketsWin, ClientReassemblesAndReportsADroppedServer)
{
    Listener listener;
    ASSERT_TRUE(listener.IsOpen());
    ProjectRun client(ClientProject("127.0.0.1", listener.Port()));
    HWND k = client.Window("MAIN");
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(Step(client, k, 1, "K|c1"));
    Peer peer = listener.Accept();
    ASSERT_TRUE(peer.IsOpen());
    ASSERT_TRUE(Step(client, k, 2, "K|c1|s11"));
    const std::string raw = peer.ReadRaw(9 + 4);
    EXPECT_EQ(raw, "0005hello0000");

    peer.SendByteByByte(Frame("slow") + Frame("ly"));
    EXPECT_TRUE(client.WaitForText(k, "K|c1|s11|Rslow|Rly")) << ProjectRun::Text(k);
    peer.SendRaw(Frame("x") + Frame("y") + Frame("z") + "0003a");
    EXPECT_TRUE(client.WaitForText(k, "K|c1|s11|Rslow|Rly|Rx|Ry|Rz")) << ProjectRun::Text(k);
    peer.Drop();
    EXPECT_TRUE(client.WaitForText(k, "K|c1|s11|Rslow|Rly|Rx|Ry|Rz|X")) << ProjectRun::Text(k);
}

TEST_F(SocketsWin, ConnectingToNothingFails)
{
    Listener listener;  // a port that was free and is closed again
    const int port = listener.Port();
    listener.Close();
    ProjectRun client(ClientProject("127.0.0.1", port));
    HWND k = client.Window("MAIN");
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(Step(client, k, 1, "K|c0"));
    ASSERT_TRUE(Step(client, k, 2, "K|c0|s00"));
}

// A port past 65535 names no port (it must not wrap around to the one 65536 below), and a message
// too long for a frame is sent to nobody without dropping anybody.
TEST_F(SocketsWin, PortsOutOfRangeAndOverlongMessagesLeaveConnectionsAlone)
{
    Listener listener;
    ASSERT_TRUE(listener.IsOpen());
    ProjectRun client(ClientProject("127.0.0.1", listener.Port() + 65536));
    HWND k = client.Window("MAIN");
    ASSERT_NE(k, nullptr);
    EXPECT_TRUE(Step(client, k, 1, "K|c0")) << ProjectRun::Text(k);

    const int port = FreePort();
    ProjectRun wrapped(ServerProject(port + 65536));
    HWND w = wrapped.Window("MAIN");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(Step(wrapped, w, 1, "S|listen0")) << ProjectRun::Text(w);

    ProjectRun server(ServerProject(port));
    HWND s = server.Window("MAIN");
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(Step(server, s, 1, "S|listen1")) << ProjectRun::Text(s);
    Peer peer = Peer::Connect(port);
    ASSERT_TRUE(peer.IsOpen());
    ASSERT_TRUE(server.WaitForText(s, "S|listen1|A0"));
    ASSERT_TRUE(Step(server, s, 6, "S|listen1|A0|long65536")) << ProjectRun::Text(s);
    ASSERT_TRUE(Step(server, s, 3, "S|listen1|A0|long65536|sent")) << ProjectRun::Text(s);
    EXPECT_EQ(peer.ReadFrame(), "to all");
    EXPECT_TRUE(Step(server, s, 2, "S|listen1|A0|long65536|sent|n1,0,-1,-1,")) << ProjectRun::Text(s);
}

}  // namespace
