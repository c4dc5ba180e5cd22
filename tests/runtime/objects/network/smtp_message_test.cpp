#include "smtp_message.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// A server that answers each command with the next scripted reply, in pieces of a given size.
class ScriptedServer : public SmtpChannel {
public:
    ScriptedServer(std::vector<std::string> replies, size_t piece = 1000) : m_piece(piece)
    {
        for (auto& reply : replies) m_replies.push_back(std::move(reply));
        Next();  // the greeting comes unasked
    }
    bool Send(const std::string& bytes) override
    {
        Sent.push_back(bytes);
        Next();
        return true;
    }
    bool Receive(std::string& bytes) override
    {
        if (m_pending.empty()) return false;  // a server that says nothing: the read times out
        bytes = m_pending.substr(0, m_piece);
        m_pending.erase(0, bytes.size());
        return true;
    }
    std::vector<std::string> Sent;

private:
    void Next()
    {
        if (m_replies.empty()) return;
        m_pending += m_replies.front();
        m_replies.pop_front();
    }
    std::deque<std::string> m_replies;
    std::string m_pending;
    size_t m_piece;
};

MailMessage Mail()
{
    MailMessage mail;
    mail.SenderAddress = "me@example.org";
    mail.SenderName = "Me";
    mail.HasSenderName = true;
    mail.Subject = "Hi";
    mail.HasSubject = true;
    mail.Body = "line one\r\n.hidden\nlast";
    mail.To = {RecipientEntry("a@example.org", ""), RecipientEntry("b@example.org", "")};
    return mail;
}

std::tm Noon()
{
    std::tm t = {};
    t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = 11, t.tm_wday = 5, t.tm_hour = 4, t.tm_min = 36, t.tm_sec = 23;
    return t;
}

const std::vector<std::string> kAccepting = {"220 hello\r\n", "250 hi\r\n", "250 ok\r\n",     "250 ok\r\n",
                                             "250 ok\r\n",    "354 go\r\n", "250 queued\r\n", "221 bye\r\n"};

TEST(SmtpConversation, WholeMailGoesOutInOrder)
{
    for (size_t piece : {size_t(1), size_t(3), size_t(1000)}) {
        ScriptedServer server(kAccepting, piece);
        const MailMessage mail = Mail();
        ASSERT_TRUE(SmtpGreet(server, "client"));
        ASSERT_TRUE(SmtpTransfer(server, mail, Noon()));
        EXPECT_TRUE(SmtpQuit(server));
        ASSERT_EQ(server.Sent.size(), 7u);
        EXPECT_EQ(server.Sent[0], "HELO client\r\n");
        EXPECT_EQ(server.Sent[1], "MAIL FROM: <me@example.org>\r\n");
        EXPECT_EQ(server.Sent[2], "RCPT TO: <a@example.org>\r\n");
        EXPECT_EQ(server.Sent[3], "RCPT TO: <b@example.org>\r\n");
        EXPECT_EQ(server.Sent[4], "DATA\r\n");
        const std::string& data = server.Sent[5];
        EXPECT_EQ(data.find("Date: Fri, 11 Dec 2026 04:36:23 +0000\r\n"), 0u);
        EXPECT_NE(data.find("FROM: \"Me\"<me@example.org>\r\n"), std::string::npos);
        EXPECT_NE(data.find("To: <a@example.org>,<b@example.org>\r\n"), std::string::npos);
        EXPECT_NE(data.find("Subject: Hi\r\n"), std::string::npos);
        // A line that begins with a dot is doubled, bare line feeds become CR LF.
        EXPECT_NE(data.find("\r\n\r\nline one\r\n..hidden\r\nlast\r\n.\r\n"), std::string::npos);
        EXPECT_EQ(server.Sent[6], "QUIT\r\n");
    }
}

// A refusal at any step stops the conversation there and fails.
TEST(SmtpConversation, RefusalAtAnyStepFails)
{
    for (size_t step = 0; step < 7; ++step) {
        for (const char* refusal : {"451 later\r\n", "550 no\r\n"}) {
            std::vector<std::string> replies = kAccepting;
            replies[step] = refusal;
            ScriptedServer server(replies);
            const bool greeted = SmtpGreet(server, "client");
            const bool sent = greeted && SmtpTransfer(server, Mail(), Noon());
            EXPECT_FALSE(sent) << "step " << step << " " << refusal;
            EXPECT_EQ(server.Sent.size(), step) << "nothing after the refused step " << step;
        }
    }
}

TEST(SmtpConversation, SilentServerFailsInsteadOfGoingOn)
{
    ScriptedServer server({"220 hello\r\n", "250 hi\r\n", "250 ok\r\n"});
    ASSERT_TRUE(SmtpGreet(server, "client"));
    EXPECT_FALSE(SmtpTransfer(server, Mail(), Noon()));
}

TEST(SmtpConversation, AddressesThatWouldInjectCommandsAreRefused)
{
    for (const char* bad : {"a@x\r\nRCPT TO: <evil@x>", "", "a<b@x"}) {
        MailMessage mail = Mail();
        mail.To.push_back(RecipientEntry(bad, ""));
        ScriptedServer server(kAccepting);
        ASSERT_TRUE(SmtpGreet(server, "client"));
        EXPECT_FALSE(SmtpTransfer(server, mail, Noon())) << bad;
        EXPECT_EQ(server.Sent.size(), 1u) << "nothing sent for " << bad;
    }
}

TEST(SmtpHeader, ValuesStayOnTheirLineAndBccIsHidden)
{
    MailMessage mail = Mail();
    mail.Subject = "Hi\r\nBcc: victim@example.org";
    mail.Bcc = {RecipientEntry("hidden@example.org", "")};
    std::string header;
    ASSERT_TRUE(BuildMailHeader(mail, Noon(), header));
    EXPECT_NE(header.find("Subject: Hi  Bcc: victim@example.org\r\n"), std::string::npos);
    EXPECT_EQ(header.find("hidden@"), std::string::npos);
    EXPECT_EQ(header.find("\r\nBcc"), std::string::npos);
    mail.HasSenderName = false;
    mail.To.clear();
    EXPECT_FALSE(BuildMailHeader(mail, Noon(), header));
}

TEST(SmtpReply, MultiLineRepliesAndBadOnes)
{
    struct Case {
        std::string bytes;
        SmtpReplyReader::State state;
        int code;
    } cases[] = {
        {"250 ok\r\n", SmtpReplyReader::State::Complete, 250},
        {"250\r\n", SmtpReplyReader::State::Complete, 250},
        {"250-one\r\n250-two\r\n250 three\r\n", SmtpReplyReader::State::Complete, 250},
        {"250-one\r\n", SmtpReplyReader::State::NeedMore, 250},
        {"250 no line end", SmtpReplyReader::State::NeedMore, 0},
        {"hello\r\n", SmtpReplyReader::State::Malformed, 0},
        {"250-one\r\n354 two\r\n", SmtpReplyReader::State::Malformed, 250},
    };
    for (const Case& c : cases) {
        SmtpReplyReader reader;
        EXPECT_EQ(reader.Append(c.bytes.data(), c.bytes.size()), c.state) << c.bytes;
        if (c.state != SmtpReplyReader::State::Malformed) EXPECT_EQ(reader.Code(), c.code) << c.bytes;
    }
    // A reply that never ends is refused once it outgrows the limit.
    SmtpReplyReader reader;
    const std::string line = "250-" + std::string(1000, 'x') + "\r\n";
    SmtpReplyReader::State state = SmtpReplyReader::State::NeedMore;
    for (int i = 0; i < 100 && state == SmtpReplyReader::State::NeedMore; ++i)
        state = reader.Append(line.data(), line.size());
    EXPECT_EQ(state, SmtpReplyReader::State::Malformed);
}

}  // namespace
