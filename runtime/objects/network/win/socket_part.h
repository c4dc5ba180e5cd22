// What a ClientSocket or ServerSocket object holds: its socket (the connection of a client, the
// listening socket of a server), the server's accepted connections with their client ids, and for
// every connection the bytes received that do not make a whole message yet. Every socket it holds
// is closed when the object goes (Windows only).
#pragma once

#include <winsock2.h>

#include <string>
#include <vector>

#include "project_model.h"
#include "socket_framing.h"

// Notices of the sockets to the object's hidden window.
constexpr UINT kListenerNotice = WM_USER + 5;
constexpr UINT kConnectionNotice = WM_USER + 6;
constexpr long kListenerEvents = FD_ACCEPT | FD_CLOSE;
constexpr long kConnectionEvents = FD_READ | FD_WRITE | FD_CLOSE;

class SocketPart : public ObjectPart {
public:
    struct Client {
        SOCKET Socket = INVALID_SOCKET;
        int Id = 0;
        FrameReader Reader;
    };

    ~SocketPart() override;

    // A client's connection or a server's listening socket; INVALID_SOCKET when none.
    SOCKET Socket = INVALID_SOCKET;
    FrameReader Reader;  // a client's incoming bytes
    std::vector<Client> Clients;  // a server's accepted connections, in the order of acceptance
    int NextClientId = 0;

    // Closes the object's own socket and forgets its bytes.
    void CloseSocket();
    // Closes every accepted connection and empties the list.
    void CloseClients();
    // The index of an accepted connection, by socket or by id; -1 when it is not listed.
    int FindClient(SOCKET socket) const;
    int FindClientById(int id) const;
};

// Sends one message whole, waiting while the system's buffer is full (up to a time-out); false
// for a payload too long to frame or a connection that fails.
bool SendFramed(SOCKET socket, const std::string& payload);

enum class ReceiveEnd { Open, Closed };
// Reads everything waiting on the socket into reader; Closed when the peer has ended the
// connection or it failed.
ReceiveEnd ReceiveWaiting(SOCKET socket, FrameReader& reader);

// The address of host (a name or dotted address, "" for none) as an IPv4 address in network
// order; false when it does not resolve.
bool ResolveHost(const std::string& host, in_addr& address);
