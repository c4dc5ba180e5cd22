// Mail, URL reading, downloads and FTP uploads of running projects against real servers on the
// loopback address (cmake/peers.sh), and against peers of the test's own that refuse, lie about
// lengths or drop the connection half-way.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "network_peers.h"
#include "project_run.h"
#include "socket_peer.h"

namespace {

using qbktest::ProjectRun;
using namespace qbktest::net;

std::string Num(int n) { return std::to_string(n); }

// A project whose Time event runs `lines` for timer 1, each noting its answer after a '|'.
std::string NotingProject(const std::string& lines)
{
    return R"(
window MAIN
  caption "N"
  style 0x100B0001
  rect 0 0 600 200
  object Internet net
  object DataStream data
  object DataStream other
  builtin Time
    event 0
)" + lines;
}

std::string Note(const std::string& expression)
{
    return "      @MAIN.SetText(@MAIN.GetText() & \"|\" & " + expression + ")\n";
}

class InternetWin : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(peers.Running()) << "the network peers are not running (cmake/peers.sh)"; }

    // Runs timer 1 of the project and answers the caption once it holds `notes` notes.
    std::string RunNotes(ProjectRun& run, size_t notes)
    {
        HWND main = run.Window("MAIN");
        if (!main) return "no window";
        PostMessageA(main, WM_TIMER, 1, 0);
        std::string text;
        zvtest::WaitFor(
            [&] {
                text = ProjectRun::Text(main);
                return size_t(std::count(text.begin(), text.end(), '|')) >= notes;
            },
            qbktest::kWait);
        return text;
    }

    WinsockUser winsock;
    NetworkPeers peers;
};

TEST_F(InternetWin, MailReachesARealServerWhole)
{
    const std::string server = "127.0.0.1:" + Num(peers.Port("smtp"));
    ProjectRun run(NotingProject(
        Note("@net.SendMail(\"" + server +
             "\", \"Quill Writer\", \"writer@example.org\", \"a@example.org, b@example.org\", \"\", \".starts with a "
             "dot mark-7f3\")") +
        Note("@net.SendMail(\"" + server +
             "\", \"Quill Writer\", \"writer@example.org\", \"\", \"no one\", \"mark-no-rcpt\")") +
        Note("@net.SendMail(\"" + server + "\", \"Q\", \"\", \"a@example.org\", \"no sender\", \"mark-no-sender\")")));
    EXPECT_EQ(RunNotes(run, 3), "N|1|0|0");
    const std::vector<std::string> mails = peers.MailsWith("mark-7f3");
    ASSERT_EQ(mails.size(), 1u);
    const std::string& mail = mails[0];
    EXPECT_NE(mail.find("X-Envelope-From: writer@example.org\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("X-Envelope-To: a@example.org\r\nX-Envelope-To: b@example.org\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("FROM: \"Quill Writer\"<writer@example.org>\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("To: <a@example.org>,<b@example.org>\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("Subject:  \r\n"), std::string::npos) << mail;  // an empty subject is sent as one blank
    EXPECT_NE(mail.find("Reply-To: writer@example.org\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("\r\n\r\n.starts with a dot mark-7f3\r\n"), std::string::npos) << mail;
    // RFC 5322 date in UTC: "Date: Fri, 11 Dec 2026 04:36:23 +0000".
    const size_t date = mail.find("Date: ");
    ASSERT_NE(date, std::string::npos) << mail;
    const std::string line = mail.substr(date, mail.find("\r\n", date) - date);
    EXPECT_EQ(line.size(), 37u) << line;
    EXPECT_EQ(line.substr(line.size() - 6), " +0000") << line;
    EXPECT_TRUE(peers.MailsWith("mark-no-rcpt").empty());
    EXPECT_TRUE(peers.MailsWith("mark-no-sender").empty());
}

// A server of the test's own that answers every step as it should except one, which it refuses.
class RefusingServer {
public:
    RefusingServer(int refusedStep, const std::string& refusal) : m_step(refusedStep), m_refusal(refusal)
    {
        m_thread = std::thread([this] { Serve(); });
    }
    ~RefusingServer()
    {
        if (m_thread.joinable()) m_thread.join();
    }
    int Port() const { return m_listener.Port(); }
    // The commands the client sent, their first word each; DATA's content as "<content>".
    std::vector<std::string> Heard() { return m_thread.join(), m_heard; }

private:
    // Exchange 0 is the greeting; each command after it is answered by the next exchange.
    void Serve()
    {
        static const char* const kReplies[] = {"220 hi\r\n",   "250 hello\r\n", "250 sender\r\n", "250 rcpt\r\n",
                                               "250 rcpt\r\n", "354 go on\r\n", "250 queued\r\n"};
        Peer client = m_listener.Accept();
        int exchange = 0;
        bool content = false;
        for (;;) {
            const bool refused = exchange == m_step;
            if (!client.SendRaw(refused ? m_refusal : exchange < 7 ? kReplies[exchange] : "250 ok\r\n")) return;
            const std::string end = content && !refused ? "\r\n.\r\n" : "\r\n";
            std::string line;
            while (line.find(end) == std::string::npos) {
                const std::string more = client.ReadRaw(1);
                if (more.empty()) return;
                line += more;
            }
            m_heard.push_back(content && !refused ? "<content>" : line.substr(0, line.find_first_of(" \r")));
            if (m_heard.back() == "QUIT") {
                client.SendRaw("221 bye\r\n");
                return;
            }
            content = m_heard.back() == "DATA";
            ++exchange;
        }
    }

    Listener m_listener;
    int m_step;
    std::string m_refusal;
    std::thread m_thread;
    std::vector<std::string> m_heard;
};

// Whatever step the server refuses, temporarily or for good, the mail fails and the client says
// nothing more than goodbye.
TEST_F(InternetWin, MailRefusedAtAnyStepFails)
{
    const std::vector<std::string> commands = {"HELO", "MAIL", "RCPT", "RCPT", "DATA", "<content>"};
    for (int step = 0; step <= 6; ++step) {
        for (const std::string refusal : {"451 try later\r\n", "554 no\r\n"}) {
            RefusingServer server(step, refusal);
            ProjectRun run(
                NotingProject(Note("@net.SendMail(\"127.0.0.1:" + Num(server.Port()) +
                                   "\", \"W\", \"w@example.org\", \"a@example.org,b@example.org\", \"s\", \"b\")")));
            EXPECT_EQ(RunNotes(run, 1), "N|0") << "step " << step << " " << refusal;
            // Refused before the greeting is through, the client just hangs up.
            std::vector<std::string> expected(commands.begin(), commands.begin() + step);
            if (step > 1) expected.push_back("QUIT");
            EXPECT_EQ(server.Heard(), expected) << "step " << step << " " << refusal;
        }
    }
}

TEST_F(InternetWin, UrlsReadIntoStreamsOnlyWhenTheAnswerIsWhole)
{
    const std::string web = "http://127.0.0.1:" + Num(peers.Port("http"));
    ASSERT_TRUE(NetworkPeers::WriteAll(peers.Folder("www") + "page.txt", "served page"));
    ProjectRun run(NotingProject(
        Note("@net.ReadUrl(\"" + web + "/page.txt\", @data.GetId()) & @data.GetPosition() & @data.ReadText(-1)") +
        Note("@net.ReadUrl(\"" + web + "/bad/404\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(\"" + web + "/bad/500\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(\"" + web + "/bad/short\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(\"" + web + "/bad/drop\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(\"" + web + "/bad/nolength\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(\"" + web + "/missing.txt\", @data.GetId()) & @data.GetLength()") +
        Note("@net.ReadUrl(@Application.GetFolder() & \"local.txt\", @data.GetId()) & @data.ReadText(-1)") +
        Note("@net.ReadUrl(\"" + web + "/page.txt\", 999)")));
    NetworkPeers::WriteAll(run.Folder() + "local.txt", "local bytes");
    EXPECT_EQ(RunNotes(run, 9), "N|10served page|00|00|00|00|11300|00|1local bytes|0");
}

TEST_F(InternetWin, DownloadsReplaceTheTargetOnlyWhenComplete)
{
    const std::string web = "http://127.0.0.1:" + Num(peers.Port("http"));
    std::string big(3 * 1024 * 1024 + 5, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = char('a' + i % 23);
    ASSERT_TRUE(NetworkPeers::WriteAll(peers.Folder("www") + "big.bin", big));
    ASSERT_TRUE(NetworkPeers::WriteAll(peers.Folder("www") + "small.txt", "small download"));
    ProjectRun run(
        NotingProject(
            Note("@net.DownloadFile(\"" + web + "/small.txt\", @Application.GetFolder() & \"small.txt\")") +
            Note("@net.DownloadFile(\"" + web + "/big.bin\", @Application.GetFolder() & \"big.bin\")") +
            Note("@net.DownloadFile(\"" + web + "/bad/404\", @Application.GetFolder() & \"error.txt\")") +
            Note("@net.DownloadFile(\"" + web + "/bad/nolength\", @Application.GetFolder() & \"nolength.txt\")") +
            Note("@net.DownloadFile(\"" + web + "/bad/drop\", @Application.GetFolder() & \"small.txt\")") +
            Note("@net.DownloadFile(\"" + web + "/bad/short\", @Application.GetFolder() & \"small.txt\")") +
            Note("@net.DownloadFile(\"" + web + "/big.bin\", @Application.GetFolder() & \"small.txt\")")),
        false);
    ASSERT_TRUE(run.Start());
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_TIMER, 1, 0);
    // The three downloads onto an existing file ask first: yes, yes, then no.
    // Each question is answered once it shows and has gone before the next is looked for.
    const auto answer = [&](int button) {
        const std::string text = run.AnswerMessageBox("Overwrite", 4 * qbktest::kWait, button);
        zvtest::WaitFor([&] { return !run.FindWindowOf("#32770", "Overwrite"); }, qbktest::kWait);
        return text;
    };
    const std::string question = "The target file already exists. Do you want to overwrite it ?";
    EXPECT_EQ(answer(IDYES), question);
    EXPECT_EQ(answer(IDYES), question);
    EXPECT_EQ(answer(IDNO), question);
    EXPECT_TRUE(run.WaitForText(main, "N|1|1|0|1|0|0|0", 4 * qbktest::kWait)) << ProjectRun::Text(main);
    EXPECT_EQ(NetworkPeers::ReadAll(run.Folder() + "small.txt"), "small download");
    EXPECT_EQ(NetworkPeers::ReadAll(run.Folder() + "big.bin"), big);
    EXPECT_EQ(GetFileAttributesA((run.Folder() + "error.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(NetworkPeers::ReadAll(run.Folder() + "nolength.txt").size(), 1300u);
    // Nothing is left behind of the failed ones.
    WIN32_FIND_DATAA entry;
    const HANDLE scan = FindFirstFileA((run.Folder() + "qbk*.tmp").c_str(), &entry);
    EXPECT_EQ(scan, INVALID_HANDLE_VALUE) << entry.cFileName;
    if (scan != INVALID_HANDLE_VALUE) FindClose(scan);
}

TEST_F(InternetWin, FtpUploadWritesTheStreamAndKeepsItsPosition)
{
    const std::string host = "\"127.0.0.1\", " + Num(peers.Port("ftp"));
    ProjectRun run(NotingProject(
        "      @data.Create()\n      @data.WriteText(\"uploaded by ftp\")\n      @data.Seek(3)\n" +
        Note("@net.FtpUpload(" + host + ", \"qbk\", \"secret\", \"up.txt\", @data.GetId()) & @data.GetPosition()") +
        Note("@net.FtpUpload(" + host + ", \"qbk\", \"wrong\", \"bad.txt\", @data.GetId()) & @data.GetPosition()") +
        Note("@net.FtpUpload(" + host + ", \"qbk\", \"secret\", \"empty.txt\", @other.GetId()) & @other.GetLength()") +
        Note("@net.FtpUpload(" + host + ", \"qbk\", \"secret\", \"x.txt\", 999)")));
    EXPECT_EQ(RunNotes(run, 4), "N|13|03|10|0");
    EXPECT_EQ(NetworkPeers::ReadAll(peers.Folder("ftp") + "up.txt"), "uploaded by ftp");
    EXPECT_EQ(GetFileAttributesA((peers.Folder("ftp") + "bad.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
