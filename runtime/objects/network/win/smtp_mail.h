// CSmtpMail: one plain-text mail sent over a TCP connection in the SMTP conversation; every reply
// of the server is read whole and judged, a refusal ends the mail as a failure, and a silent
// server is given up after a time-out. Diagnostics go to standard output (Windows only).
#pragma once

#include <winsock2.h>

#include <string>

#include "smtp_message.h"

class CSmtpMail {
public:
    CSmtpMail() = default;
    virtual ~CSmtpMail();
    CSmtpMail(const CSmtpMail&) = delete;
    CSmtpMail& operator=(const CSmtpMail&) = delete;

    // Connects to host at port (network byte order; 0: the "mail" service's, else 25), waits for
    // the greeting and says HELO.
    bool Connect(const char* host, unsigned short port);
    bool IsConnected() const { return m_connected; }
    void SetSenderAddress(const char* text);
    void SetSenderName(const char* text);
    void SetSubject(const char* text);
    void SetBody(const char* text);
    void SetReplyTo(const char* text);
    // Adds a To recipient; false for an address that cannot go into the conversation.
    bool AddRecipient(const char* address, const char* name);
    bool Send();
    // QUIT and the connection closed; false when there was none.
    bool Disconnect();

    // How long a reply may keep the client waiting.
    static constexpr int kReplyWaitMs = 30000;

private:
    void CloseSocket();

    bool m_connected = false;
    SOCKET m_socket = INVALID_SOCKET;
    MailMessage m_mail;
};
