#include "smtp_mail.h"

#include <cstdio>
#include <ctime>

#include "socket_part.h"

namespace {

// The conversation over a blocking socket whose reads and writes time out.
class SocketChannel : public SmtpChannel {
public:
    explicit SocketChannel(SOCKET socket) : m_socket(socket) {}
    bool Send(const std::string& bytes) override
    {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const int n = ::send(m_socket, bytes.data() + sent, int(bytes.size() - sent), 0);
            if (n <= 0) {
                std::printf("Socket send error: %d\r\n", ::WSAGetLastError());
                return false;
            }
            sent += size_t(n);
        }
        return true;
    }
    bool Receive(std::string& bytes) override
    {
        char block[4096];
        const int n = ::recv(m_socket, block, int(sizeof block), 0);
        if (n <= 0) return false;
        bytes.assign(block, size_t(n));
        return true;
    }

private:
    SOCKET m_socket;
};

void Set(std::string& field, bool* isSet, const char* text)
{
    field = text ? text : "";
    if (isSet) *isSet = text != nullptr;
}

// The name this machine greets the server with.
std::string LocalHostName()
{
    char name[256] = "";
    return ::gethostname(name, int(sizeof name)) == 0 && name[0] ? name : "localhost";
}

}  // namespace

CSmtpMail::~CSmtpMail()
{
    if (m_connected) Disconnect();
    CloseSocket();
}

void CSmtpMail::CloseSocket()
{
    if (m_socket != INVALID_SOCKET) ::closesocket(m_socket);
    m_socket = INVALID_SOCKET;
    m_connected = false;
}

bool CSmtpMail::Connect(const char* host, unsigned short port)
{
    if (m_connected) Disconnect();
    CloseSocket();
    in_addr address;
    if (port == 0) {
        const servent* service = ::getservbyname("mail", nullptr);
        port = service ? service->s_port : ::htons(25);
    }
    if (host && ResolveHost(host, address)) m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_socket == INVALID_SOCKET) {
        std::printf("Invalid socket\r\n");
        return false;
    }
    const DWORD wait = kReplyWaitMs;
    ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
    ::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
    sockaddr_in server = {};
    server.sin_family = AF_INET;
    server.sin_addr = address;
    server.sin_port = port;
    SocketChannel channel(m_socket);
    if (::connect(m_socket, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0 ||
        !SmtpGreet(channel, LocalHostName())) {
        std::printf("Invalid socket\r\n");
        CloseSocket();
        return false;
    }
    m_connected = true;
    return true;
}

void CSmtpMail::SetSenderAddress(const char* text) { Set(m_mail.SenderAddress, nullptr, text); }
void CSmtpMail::SetSenderName(const char* text) { Set(m_mail.SenderName, &m_mail.HasSenderName, text); }
void CSmtpMail::SetSubject(const char* text) { Set(m_mail.Subject, &m_mail.HasSubject, text); }
void CSmtpMail::SetBody(const char* text) { Set(m_mail.Body, nullptr, text); }
void CSmtpMail::SetReplyTo(const char* text) { Set(m_mail.ReplyTo, &m_mail.HasReplyTo, text); }

bool CSmtpMail::AddRecipient(const char* address, const char* name)
{
    if (!address || !IsSendableAddress(address)) return false;
    m_mail.To.push_back(RecipientEntry(address, name ? name : ""));
    return true;
}

bool CSmtpMail::Send()
{
    if (m_mail.SenderAddress.empty()) {
        std::printf("Please specifiy a sender email address\r\n");
        return false;
    }
    if (m_mail.To.empty()) {
        std::printf("Please add a message recipient!\r\nFailed to format message header\r\n");
        return false;
    }
    if (!m_connected) return false;
    const std::time_t now = std::time(nullptr);
    std::tm utc = {};
    gmtime_s(&utc, &now);
    SocketChannel channel(m_socket);
    return SmtpTransfer(channel, m_mail, utc);
}

bool CSmtpMail::Disconnect()
{
    if (!m_connected) {
        std::printf("Not connected to server!\r\n");
        return false;
    }
    SocketChannel channel(m_socket);
    const bool said = SmtpQuit(channel);
    CloseSocket();
    return said;
}
