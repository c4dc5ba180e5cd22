#include "socket_part.h"

#include <ws2tcpip.h>

namespace {

constexpr int kSendWaitMs = 30000;  // how long a full send buffer may hold a message back
constexpr int kReceiveBlock = 16384;

bool WaitWritable(SOCKET socket)
{
    fd_set writable;
    FD_ZERO(&writable);
    FD_SET(socket, &writable);
    timeval wait = {kSendWaitMs / 1000, (kSendWaitMs % 1000) * 1000};
    return ::select(0, nullptr, &writable, nullptr, &wait) == 1;
}

}  // namespace

SocketPart::~SocketPart()
{
    CloseClients();
    CloseSocket();
}

void SocketPart::CloseSocket()
{
    if (Socket != INVALID_SOCKET) ::closesocket(Socket);
    Socket = INVALID_SOCKET;
    Reader = FrameReader();
}

void SocketPart::CloseClients()
{
    for (Client& client : Clients)
        if (client.Socket != INVALID_SOCKET) ::closesocket(client.Socket);
    Clients.clear();
}

int SocketPart::FindClient(SOCKET socket) const
{
    for (size_t i = 0; i < Clients.size(); ++i)
        if (Clients[i].Socket == socket) return int(i);
    return -1;
}

int SocketPart::FindClientById(int id) const
{
    for (size_t i = 0; i < Clients.size(); ++i)
        if (Clients[i].Id == id) return int(i);
    return -1;
}

bool SendFramed(SOCKET socket, const std::string& payload)
{
    std::string frame;
    if (socket == INVALID_SOCKET || !FrameMessage(payload.data(), payload.size(), frame)) return false;
    size_t sent = 0;
    while (sent < frame.size()) {
        const int n = ::send(socket, frame.data() + sent, int(frame.size() - sent), 0);
        if (n > 0) {
            sent += size_t(n);
            continue;
        }
        // A socket in notice mode does not block: wait until the system takes more.
        if (n == SOCKET_ERROR && ::WSAGetLastError() == WSAEWOULDBLOCK && WaitWritable(socket)) continue;
        // Half a frame out: the next frame's header would land inside it, so the peer is told the
        // connection has ended instead of reading the rest as messages.
        if (sent > 0) ::shutdown(socket, SD_BOTH);
        return false;
    }
    return true;
}

ReceiveEnd ReceiveWaiting(SOCKET socket, FrameReader& reader)
{
    if (socket == INVALID_SOCKET) return ReceiveEnd::Closed;
    char block[kReceiveBlock];
    for (;;) {
        const int n = ::recv(socket, block, int(sizeof block), 0);
        if (n > 0) {
            reader.Append(block, size_t(n));
            continue;
        }
        if (n == SOCKET_ERROR && ::WSAGetLastError() == WSAEWOULDBLOCK) return ReceiveEnd::Open;
        return ReceiveEnd::Closed;
    }
}

bool ResolveHost(const std::string& host, in_addr& address)
{
    if (host.empty()) return false;
    const unsigned long dotted = ::inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        address.s_addr = dotted;
        return true;
    }
    const hostent* found = ::gethostbyname(host.c_str());
    if (!found || found->h_addrtype != AF_INET || !found->h_addr_list || !found->h_addr_list[0]) return false;
    memcpy(&address, found->h_addr_list[0], sizeof address);
    return true;
}
