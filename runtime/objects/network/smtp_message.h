// One plain-text mail as the SMTP client sends it: the header lines, the body made safe for the
// DATA phase, and the replies of the server read and judged. Platform-free; the connection lies
// behind SmtpChannel.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

struct MailMessage {
    std::string SenderAddress;
    std::string SenderName;
    bool HasSenderName = false;
    std::string Subject;
    bool HasSubject = false;
    std::string ReplyTo;
    bool HasReplyTo = false;
    std::string Body;
    // Entries as "name<address>"; the address alone goes into the envelope.
    std::vector<std::string> To, Cc, Bcc;
};

// "name<address>" for a recipient list.
std::string RecipientEntry(const std::string& address, const std::string& name);
// The address of an entry: what stands between its '<' and '>' (the whole entry without a '<').
std::string EntryAddress(const std::string& entry);
// An address that can go into an SMTP command: not empty, no line breaks, no angle brackets.
bool IsSendableAddress(const std::string& address);

// The header block, ending with its empty line; false when there is no To recipient. Values lose
// their line breaks, so no text can add header lines of its own.
bool BuildMailHeader(const MailMessage& mail, const std::tm& utcNow, std::string& header);
// "Date: Fri, 11 Dec 2026 04:36:23 +0000"
std::string MailDateLine(const std::tm& utcNow);
// The body for the DATA phase: line ends made CR LF and a dot at the start of a line doubled, so
// no line of the text can end the mail early.
std::string DataPhaseBody(const std::string& body);

// Collects the bytes of one reply (one line "250 ok", or several "250-..." lines ended by
// "250 ...") and reads its three-digit code.
class SmtpReplyReader {
public:
    static constexpr size_t kMaxReplyBytes = 64 * 1024;
    enum class State { NeedMore, Complete, Malformed };

    State Append(const char* bytes, size_t count);
    int Code() const { return m_code; }
    void Reset();

private:
    State Scan();

    std::string m_bytes;
    size_t m_lineStart = 0;
    int m_code = 0;
    State m_state = State::NeedMore;
};

// The connection the conversation runs over.
class SmtpChannel {
public:
    virtual ~SmtpChannel() = default;
    // Sends every byte; false on an error.
    virtual bool Send(const std::string& bytes) = 0;
    // Some bytes that arrived; false on an error, a time-out or a closed connection.
    virtual bool Receive(std::string& bytes) = 0;
};

// Reads one whole reply and answers its code; 0 when none could be read.
int ReadSmtpReply(SmtpChannel& channel);

// 2xx and 3xx go on; 4xx and 5xx (and no reply) stop the conversation.
inline bool IsPositiveReply(int code) { return code >= 200 && code < 400; }

// The steps of the conversation; each is false when the server refuses or the connection fails.
// Greets: waits for the server's greeting, then HELO.
bool SmtpGreet(SmtpChannel& channel, const std::string& heloHost);
// MAIL FROM, RCPT TO for every To, Cc and Bcc entry, DATA, header and body, end of data.
bool SmtpTransfer(SmtpChannel& channel, const MailMessage& mail, const std::tm& utcNow);
// QUIT; true when the server said goodbye.
bool SmtpQuit(SmtpChannel& channel);
