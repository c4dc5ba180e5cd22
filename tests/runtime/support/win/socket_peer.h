// The test's own network peers on the loopback address: a connection that sends and reads the
// socket objects' messages (whole, cut at every byte, joined, or dropped half-way), a listener,
// and a port that is free now. Reads wait up to a time-out and never hang a test.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace qbktest::net {

constexpr int kPeerWaitMs = 15000;

class WinsockUser {
public:
    WinsockUser()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
};

inline std::string Frame(const std::string& payload)
{
    char header[8];
    snprintf(header, sizeof header, "%04X", unsigned(payload.size()));
    return header + payload;
}

inline sockaddr_in Loopback(int port)
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(u_short(port));
    return address;
}

class Peer {
public:
    explicit Peer(SOCKET socket = INVALID_SOCKET) : m_socket(socket)
    {
        if (m_socket == INVALID_SOCKET) return;
        DWORD wait = kPeerWaitMs;
        setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
        BOOL noDelay = TRUE;
        setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
    }
    Peer(Peer&& other) noexcept : m_socket(other.m_socket) { other.m_socket = INVALID_SOCKET; }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;
    ~Peer() { Drop(); }

    static Peer Connect(int port)
    {
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in to = Loopback(port);
        if (s != INVALID_SOCKET && connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
            closesocket(s);
            s = INVALID_SOCKET;
        }
        return Peer(s);
    }

    bool IsOpen() const { return m_socket != INVALID_SOCKET; }
    bool SendRaw(const std::string& bytes)
    {
        return IsOpen() && send(m_socket, bytes.data(), int(bytes.size()), 0) == int(bytes.size());
    }
    // One segment per byte, with a short pause so that the other side sees them apart.
    bool SendByteByByte(const std::string& bytes)
    {
        for (char c : bytes) {
            if (!SendRaw(std::string(1, c))) return false;
            Sleep(1);
        }
        return true;
    }
    // Exactly count bytes, or what came before the time-out or the end.
    std::string ReadRaw(size_t count)
    {
        std::string bytes;
        while (IsOpen() && bytes.size() < count) {
            char block[4096];
            const int n = recv(m_socket, block, int(std::min(sizeof block, count - bytes.size())), 0);
            if (n <= 0) break;
            bytes.append(block, size_t(n));
        }
        return bytes;
    }
    // One message's payload; "<none>" when none came whole.
    std::string ReadFrame()
    {
        const std::string header = ReadRaw(4);
        if (header.size() != 4) return "<none>";
        const size_t length = std::stoul(header, nullptr, 16);
        const std::string payload = ReadRaw(length);
        return payload.size() == length ? payload : "<none>";
    }
    // True once the other side has closed the connection.
    bool WaitForClose()
    {
        char byte;
        return IsOpen() && recv(m_socket, &byte, 1, 0) == 0;
    }
    void Drop()
    {
        if (IsOpen()) closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }
    SOCKET Handle() const { return m_socket; }

private:
    SOCKET m_socket;
};

class Listener {
public:
    Listener()
    {
        m_socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at = Loopback(0);
        int size = sizeof at;
        if (m_socket == INVALID_SOCKET || bind(m_socket, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
            listen(m_socket, 5) != 0 || getsockname(m_socket, reinterpret_cast<sockaddr*>(&at), &size) != 0) {
            Close();
            return;
        }
        m_port = ntohs(at.sin_port);
    }
    ~Listener() { Close(); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    bool IsOpen() const { return m_socket != INVALID_SOCKET; }
    int Port() const { return m_port; }
    Peer Accept()
    {
        if (!IsOpen()) return Peer();
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_socket, &readable);
        timeval wait = {kPeerWaitMs / 1000, 0};
        if (select(0, &readable, nullptr, nullptr, &wait) != 1) return Peer();
        return Peer(accept(m_socket, nullptr, nullptr));
    }
    void Close()
    {
        if (IsOpen()) closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }

private:
    SOCKET m_socket = INVALID_SOCKET;
    int m_port = 0;
};

// A port on which nothing listens now.
inline int FreePort()
{
    Listener probe;
    return probe.Port();
}

}  // namespace qbktest::net
