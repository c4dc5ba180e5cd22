// Downloads, mail and URLs (type 25), and client and server sockets (types 26 and 27).
#include "socket_part.h"

#include <string>

#include <shellapi.h>

#include <cstdlib>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "smtp_mail.h"
#include "string_tokenizer.h"
#include "url_transfer.h"
#include "value_format.h"
#include "window_services.h"

namespace {

// ---- Internet -----------------------------------------------------------------------------------

void Internet_DownloadFile(CommandContext& ctx)
{
    const CString url = ctx.Text(), path = ctx.Text();
    ctx.SetTruth(false);
    const HWND owner =
        ctx.Window().GetObjectCount() > qbk::kWindowObjectIndex ? ObjectHandle(ctx.Window().Self()) : nullptr;
    if (owner) ctx.SetTruth(DownloadFile(owner, url, path));
}

void Internet_ReadUrl(CommandContext& ctx)
{
    const CString url = ctx.Text();
    ObjectRecord* stream = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    ctx.SetTruth(false);
    if (stream) ctx.SetTruth(ReadUrlToMemory(url, &NewDataStream(*stream), kMaxScriptBytes));
}

void Internet_IsConnected(CommandContext& ctx) { ctx.SetTruth(IsInternetConnected()); }

void Internet_OpenUrl(CommandContext& ctx)
{
    const CString target = ctx.Text();
    ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOW);
}

// "host" or "host:port": a mail server that listens on a port of its own.
unsigned short MailPort(CString& host)
{
    const int colon = host.ReverseFind(':');
    if (colon < 0) return 0;
    const CString digits = host.Mid(colon + 1);
    if (digits.IsEmpty() || digits.SpanIncluding("0123456789") != digits) return 0;
    const int port = atoi(digits);
    if (port <= 0 || port > 65535) return 0;
    host = host.Left(colon);
    return ::htons(u_short(port));
}

void Internet_SendMail(CommandContext& ctx)
{
    CString host = ctx.Text();
    const CString senderName = ctx.Text(), senderAddress = ctx.Text(), recipients = ctx.Text();
    CString subject = ctx.Text(), body = ctx.Text();
    ctx.SetTruth(false);
    CStringTokenizer list(recipients);
    const int count = list.Split(",", '"', CStringTokenizer::kQuotes | CStringTokenizer::kTrimBlanks);
    const unsigned short port = MailPort(host);
    CSmtpMail mail;
    if (!mail.Connect(host, port)) return;
    mail.SetSenderName(senderName);
    mail.SetSenderAddress(senderAddress);
    mail.SetReplyTo(senderAddress);
    for (int i = 0; i < count; ++i) {
        const CString address = list.GetAt(i);
        // A list that names an address the conversation cannot carry sends nothing.
        if (!address.IsEmpty() && !mail.AddRecipient(address, "")) return;
    }
    if (subject.IsEmpty()) subject = " ";
    if (body.IsEmpty()) body = " ";
    mail.SetSubject(subject);
    mail.SetBody(body);
    if (mail.IsConnected()) ctx.SetTruth(mail.Send());
}

void Internet_FtpUpload(CommandContext& ctx)
{
    const CString host = ctx.Text();
    const int port = ctx.Int();
    const CString user = ctx.Text(), password = ctx.Text(), remote = ctx.Text();
    ObjectRecord* object = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    ctx.SetTruth(false);
    if (!object) return;
    CMemFile* stream = FindDataStream(object);
    if (!stream) stream = &NewDataStream(*object);
    ctx.SetTruth(FtpUpload(host, port, user, password, remote, *stream));
}

// ---- sockets ------------------------------------------------------------------------------------

HWND NoticeWindow(const CommandContext& ctx) { return ObjectHandle(&ctx.Object()); }

SocketPart& Sockets(CommandContext& ctx) { return ctx.EnsurePart<SocketPart>(); }

std::string TextOf(const CString& text) { return std::string(text.GetString(), size_t(text.GetLength())); }

// A port a script names; out of range it would wrap around to another one.
bool IsPortNumber(int port) { return port >= 0 && port <= 0xFFFF; }

void ClientSocket_Connect(CommandContext& ctx)
{
    const CString host = ctx.Text();
    const int port = ctx.Int();
    ctx.SetTruth(false);
    SocketPart& part = Sockets(ctx);
    part.CloseSocket();
    const HWND window = NoticeWindow(ctx);
    in_addr address;
    if (!window || !IsPortNumber(port) || !ResolveHost(TextOf(host), address)) return;
    const SOCKET made = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (made == INVALID_SOCKET) return;
    sockaddr_in peer = {};
    peer.sin_family = AF_INET;
    peer.sin_addr = address;
    peer.sin_port = ::htons(u_short(port));
    if (::connect(made, reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0 ||
        ::WSAAsyncSelect(made, window, kConnectionNotice, kConnectionEvents) != 0) {
        ::closesocket(made);
        return;
    }
    part.Socket = made;
    ctx.SetTruth(true);
}

void ClientSocket_Close(CommandContext& ctx)
{
    if (SocketPart* part = ctx.FindPart<SocketPart>()) part->CloseSocket();
}

void ClientSocket_Send(CommandContext& ctx)
{
    const CString message = ctx.Text();
    SocketPart* part = ctx.FindPart<SocketPart>();
    ctx.SetTruth(part && SendFramed(part->Socket, TextOf(message)));
}

bool IsListening(const SocketPart* part) { return part && part->Socket != INVALID_SOCKET; }

void ServerSocket_Close(CommandContext& ctx)
{
    SocketPart* part = ctx.FindPart<SocketPart>();
    if (!IsListening(part)) return;
    const SOCKET listener = part->Socket;
    // The window reports every connection and the listener closed, as if the system had.
    if (const HWND window = NoticeWindow(ctx)) ::SendMessageA(window, kListenerNotice, WPARAM(listener), FD_CLOSE);
    part = ctx.FindPart<SocketPart>();
    if (!part || part->Socket != listener) return;
    part->CloseClients();
    part->CloseSocket();
}

void ServerSocket_GetClientCount(CommandContext& ctx)
{
    const SocketPart* part = ctx.FindPart<SocketPart>();
    ctx.SetInt(IsListening(part) ? int(part->Clients.size()) : 0);
}

void ServerSocket_GetClientId(CommandContext& ctx)
{
    const int index = ctx.Int();
    const SocketPart* part = ctx.FindPart<SocketPart>();
    const bool listed = IsListening(part) && index >= 0 && index < int(part->Clients.size());
    ctx.SetInt(listed ? part->Clients[size_t(index)].Id : -1);
}

void ServerSocket_GetClientAddress(CommandContext& ctx)
{
    const int id = ctx.Int();
    const SocketPart* part = ctx.FindPart<SocketPart>();
    const int index = IsListening(part) ? part->FindClientById(id) : -1;
    if (index < 0) return;
    sockaddr_in peer = {};
    int size = sizeof peer;
    if (::getpeername(part->Clients[size_t(index)].Socket, reinterpret_cast<sockaddr*>(&peer), &size) == 0)
        ctx.SetResult(::inet_ntoa(peer.sin_addr));
}

void ServerSocket_Listen(CommandContext& ctx)
{
    const int port = ctx.Int();
    ctx.SetTruth(false);
    SocketPart& part = Sockets(ctx);
    part.CloseClients();
    part.CloseSocket();
    part.NextClientId = 0;
    const HWND window = NoticeWindow(ctx);
    if (!window || !IsPortNumber(port)) return;
    const SOCKET made = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (made == INVALID_SOCKET) return;
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = ::htonl(INADDR_ANY);
    local.sin_port = ::htons(u_short(port));
    if (::bind(made, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 || ::listen(made, 5) != 0 ||
        ::WSAAsyncSelect(made, window, kListenerNotice, kListenerEvents) != 0) {
        ::closesocket(made);
        return;
    }
    part.Socket = made;
    ctx.SetTruth(true);
}

void ServerSocket_DisconnectClient(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetTruth(false);
    const SocketPart* part = ctx.FindPart<SocketPart>();
    const int index = IsListening(part) ? part->FindClientById(id) : -1;
    const HWND window = NoticeWindow(ctx);
    if (index < 0 || !window) return;
    // Ends like a close by the peer: closed, removed and reported.
    ::SendMessageA(window, kConnectionNotice, WPARAM(part->Clients[size_t(index)].Socket), FD_CLOSE);
    ctx.SetTruth(true);
}

void ServerSocket_SendToAll(CommandContext& ctx)
{
    const std::string message = TextOf(ctx.Text());
    SocketPart* part = ctx.FindPart<SocketPart>();
    // Too long for a frame is no client's fault: nobody is sent it and nobody is dropped.
    if (!IsListening(part) || message.size() > kMaxFramePayload) return;
    for (size_t i = 0; i < part->Clients.size();) {
        if (SendFramed(part->Clients[i].Socket, message)) {
            ++i;
            continue;
        }
        ::closesocket(part->Clients[i].Socket);
        part->Clients.erase(part->Clients.begin() + long(i));
    }
}

void ServerSocket_SendToClient(CommandContext& ctx)
{
    const std::string message = TextOf(ctx.Text());
    const int id = ctx.Int();
    const SocketPart* part = ctx.FindPart<SocketPart>();
    const int index = IsListening(part) ? part->FindClientById(id) : -1;
    ctx.SetTruth(index >= 0 && SendFramed(part->Clients[size_t(index)].Socket, message));
}

constexpr CommandEntry kInternet[] = {
    {2, "Internet_DownloadFile", Internet_DownloadFile},  // after the shared commands 0 and 1
    {3, "Internet_ReadUrl", Internet_ReadUrl},           {4, "Internet_IsConnected", Internet_IsConnected},
    {5, "Internet_OpenUrl", Internet_OpenUrl},           {6, "Internet_SendMail", Internet_SendMail},
    {7, "Internet_FtpUpload", Internet_FtpUpload},
};
static_assert(NumbersOwnCommands(kInternet, qbk::TypeInternet, 7));

constexpr CommandEntry kClientSocket[] = {
    {2, "ClientSocket_Connect", ClientSocket_Connect},  // after the shared commands 0 and 1
    {3, "ClientSocket_Close", ClientSocket_Close},
    {4, "ClientSocket_Send", ClientSocket_Send},
};
static_assert(NumbersOwnCommands(kClientSocket, qbk::TypeClientSocket, 4));

constexpr CommandEntry kServerSocket[] = {
    {2, "ServerSocket_Close", ServerSocket_Close},  // after the shared commands 0 and 1
    {3, "ServerSocket_GetClientCount", ServerSocket_GetClientCount},
    {4, "ServerSocket_GetClientId", ServerSocket_GetClientId},
    {5, "ServerSocket_GetClientAddress", ServerSocket_GetClientAddress},
    {6, "ServerSocket_Listen", ServerSocket_Listen},
    {7, "ServerSocket_DisconnectClient", ServerSocket_DisconnectClient},
    {8, "ServerSocket_SendToAll", ServerSocket_SendToAll},
    {9, "ServerSocket_SendToClient", ServerSocket_SendToClient},
};
static_assert(NumbersOwnCommands(kServerSocket, qbk::TypeServerSocket, 9));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeInternet, kInternet),
                                  OwnCommands(qbk::TypeClientSocket, kClientSocket),
                                  OwnCommands(qbk::TypeServerSocket, kServerSocket)};

}  // namespace

extern const CommandFamily kInternetSocketFamily("Internet, ClientSocket and ServerSocket", kLists);
