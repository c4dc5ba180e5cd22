#include "smtp_message.h"

#include <cstdio>

namespace {

const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A header value on one line: every CR and LF becomes a blank.
std::string OneLine(const std::string& value)
{
    std::string line = value;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

std::string JoinEntries(const std::vector<std::string>& entries)
{
    std::string joined;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i) joined += ',';
        joined += OneLine(entries[i]);
    }
    return joined;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string RecipientEntry(const std::string& address, const std::string& name) { return name + "<" + address + ">"; }

std::string EntryAddress(const std::string& entry)
{
    const size_t open = entry.find('<');
    if (open == std::string::npos) return entry;
    const size_t close = entry.find('>', open + 1);
    return entry.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

bool IsSendableAddress(const std::string& address)
{
    if (address.empty()) return false;
    for (char c : address)
        if (c == '\r' || c == '\n' || c == '<' || c == '>' || c == '\0') return false;
    return true;
}

std::string MailDateLine(const std::tm& utcNow)
{
    char line[64];
    const int day = utcNow.tm_wday >= 0 && utcNow.tm_wday < 7 ? utcNow.tm_wday : 0;
    const int month = utcNow.tm_mon >= 0 && utcNow.tm_mon < 12 ? utcNow.tm_mon : 0;
    std::snprintf(line, sizeof line, "Date: %s, %02d %s %04d %02d:%02d:%02d +0000", kDays[day], utcNow.tm_mday,
                  kMonths[month], utcNow.tm_year + 1900, utcNow.tm_hour, utcNow.tm_min, utcNow.tm_sec);
    return line;
}

bool BuildMailHeader(const MailMessage& mail, const std::tm& utcNow, std::string& header)
{
    if (mail.To.empty()) return false;
    std::string made = MailDateLine(utcNow) + "\r\n";
    if (mail.HasSenderName)
        made += "FROM: \"" + OneLine(mail.SenderName) + "\"<" + OneLine(mail.SenderAddress) + ">\r\n";
    made += "To: " + JoinEntries(mail.To) + "\r\n";
    made += "Cc: " + JoinEntries(mail.Cc) + "\r\n";
    if (mail.HasSubject) made += "Subject: " + OneLine(mail.Subject) + "\r\n";
    if (mail.HasReplyTo) made += "Reply-To: " + OneLine(mail.ReplyTo) + "\r\n";
    made += "MIME-Version: 1.0\r\nContent-type: text/plain; charset=US-ASCII\r\n\r\n";
    header.swap(made);
    return true;
}

std::string DataPhaseBody(const std::string& body)
{
    std::string out;
    out.reserve(body.size() + body.size() / 16 + 2);
    bool lineStart = true;
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
            out += "\r\n";
            lineStart = true;
            continue;
        }
        if (lineStart && c == '.') out += '.';
        out += c;
        lineStart = false;
    }
    return out;
}

void SmtpReplyReader::Reset()
{
    m_bytes.clear();
    m_lineStart = 0;
    m_code = 0;
    m_state = State::NeedMore;
}

SmtpReplyReader::State SmtpReplyReader::Append(const char* bytes, size_t count)
{
    if (m_state != State::NeedMore) return m_state;
    if (m_bytes.size() + count > kMaxReplyBytes) return m_state = State::Malformed;
    m_bytes.append(bytes, count);
    return m_state = Scan();
}

// Each line is "ddd-text" (more lines follow) or "ddd text" / "ddd" (the last line).
SmtpReplyReader::State SmtpReplyReader::Scan()
{
    for (;;) {
        const size_t end = m_bytes.find('\n', m_lineStart);
        if (end == std::string::npos) return State::NeedMore;
        std::string line = m_bytes.substr(m_lineStart, end - m_lineStart);
        m_lineStart = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() < 3 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2])) return State::Malformed;
        const int code = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
        if (m_code != 0 && code != m_code) return State::Malformed;
        m_code = code;
        if (line.size() == 3 || line[3] == ' ') return State::Complete;
        if (line[3] != '-') return State::Malformed;
    }
}

int ReadSmtpReply(SmtpChannel& channel)
{
    SmtpReplyReader reader;
    std::string bytes;
    for (;;) {
        if (!channel.Receive(bytes)) return 0;
        switch (reader.Append(bytes.data(), bytes.size())) {
        case SmtpReplyReader::State::Complete: return reader.Code();
        case SmtpReplyReader::State::Malformed: return 0;
        case SmtpReplyReader::State::NeedMore: break;
        }
    }
}

namespace {

bool Command(SmtpChannel& channel, const std::string& line, int expected)
{
    if (!channel.Send(line)) return false;
    const int code = ReadSmtpReply(channel);
    return expected ? code == expected : IsPositiveReply(code);
}

}  // namespace

bool SmtpGreet(SmtpChannel& channel, const std::string& heloHost)
{
    if (ReadSmtpReply(channel) != 220) return false;
    return Command(channel, "HELO " + OneLine(heloHost) + "\r\n", 0);
}

bool SmtpTransfer(SmtpChannel& channel, const MailMessage& mail, const std::tm& utcNow)
{
    if (!IsSendableAddress(mail.SenderAddress)) return false;
    std::string header;
    if (!BuildMailHeader(mail, utcNow, header)) return false;
    for (const auto* list : {&mail.To, &mail.Cc, &mail.Bcc})
        for (const std::string& entry : *list)
            if (!IsSendableAddress(EntryAddress(entry))) return false;
    if (!Command(channel, "MAIL FROM: <" + mail.SenderAddress + ">\r\n", 0)) return false;
    for (const auto* list : {&mail.To, &mail.Cc, &mail.Bcc})
        for (const std::string& entry : *list)
            if (!Command(channel, "RCPT TO: <" + EntryAddress(entry) + ">\r\n", 0)) return false;
    if (!Command(channel, "DATA\r\n", 354)) return false;
    std::string body = DataPhaseBody(mail.Body);
    return Command(channel, header + body + "\r\n.\r\n", 0);
}

bool SmtpQuit(SmtpChannel& channel) { return Command(channel, "QUIT\r\n", 221); }
