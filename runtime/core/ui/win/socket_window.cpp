// The hidden window of a ClientSocket or ServerSocket object: the system's socket notices arrive
// here and become the object's events. Scripts run inside these events and may close, reconnect
// or delete the very object, so everything is looked up again after each event.
#include "socket_part.h"

#include "object_events.h"
#include "project_window.h"
#include "value_format.h"
#include "window_services.h"

namespace {

// Server events.
constexpr int kClientClosed = 0;
constexpr int kClientAccepted = 1;
constexpr int kClientMessage = 2;
constexpr int kListenerClosed = 3;
// Client events.
constexpr int kConnectionClosed = 0;
constexpr int kMessage = 1;

// The object whose hidden window this is, with its window and part; empty when any is gone.
struct SocketObject {
    CProjectRuntime* Runtime = nullptr;
    WindowRecord* Window = nullptr;
    ObjectRecord* Object = nullptr;
    SocketPart* Part = nullptr;

    explicit operator bool() const { return Part != nullptr; }
};

SocketObject Locate(HWND socketWindow)
{
    SocketObject found;
    const HWND parent = ::GetParent(socketWindow);
    auto* owner = dynamic_cast<CProjectWnd*>(CWnd::FromHandlePermanent(parent));
    if (!owner) return found;
    CProjectRuntime& runtime = owner->Runtime();
    WindowRecord* window = runtime.FindWindowRecordByHandle(parent);
    ObjectRecord* object = window ? runtime.FindObjectByHandle(window, socketWindow) : nullptr;
    if (!object) return found;
    found.Runtime = &runtime;
    found.Window = window;
    found.Object = object;
    found.Part = &object->EnsurePart<SocketPart>();
    return found;
}

void Raise(const SocketObject& at, int event, std::initializer_list<CString> parameters = {})
{
    RaiseEvent(*at.Runtime, *at.Window, *at.Object, event, parameters);
}

void OnListener(HWND window, SOCKET listener, WORD event)
{
    SocketObject at = Locate(window);
    if (!at || at.Object->Type != qbk::TypeServerSocket) return;
    if (event == FD_ACCEPT) {
        sockaddr_in peer = {};
        int size = sizeof peer;
        const SOCKET accepted = ::accept(listener, reinterpret_cast<sockaddr*>(&peer), &size);
        if (accepted == INVALID_SOCKET) return;
        if (::WSAAsyncSelect(accepted, window, kConnectionNotice, kConnectionEvents) != 0) {
            ::closesocket(accepted);
            return;
        }
        SocketPart::Client client;
        client.Socket = accepted;
        client.Id = at.Part->NextClientId++;
        at.Part->Clients.push_back(client);
        Raise(at, kClientAccepted, {IntToString(client.Id)});
        return;
    }
    if (event != FD_CLOSE) return;
    // The listener is gone: its connections end with it, each reported, then the listener.
    while ((at = Locate(window)) && !at.Part->Clients.empty()) {
        const SocketPart::Client client = at.Part->Clients.front();
        at.Part->Clients.erase(at.Part->Clients.begin());
        if (client.Socket != INVALID_SOCKET) ::closesocket(client.Socket);
        Raise(at, kClientClosed, {IntToString(client.Id)});
    }
    if ((at = Locate(window))) Raise(at, kListenerClosed);
}

// The reader and id of a connection of the object; null when the object no longer holds it.
FrameReader* ReaderOf(const SocketObject& at, SOCKET socket, int& id)
{
    if (at.Object->Type == qbk::TypeClientSocket) return at.Part->Socket == socket ? &at.Part->Reader : nullptr;
    const int index = at.Part->FindClient(socket);
    if (index < 0) return nullptr;
    id = at.Part->Clients[size_t(index)].Id;
    return &at.Part->Clients[size_t(index)].Reader;
}

// The connection has ended: a server forgets and closes it; a client keeps its socket until the
// script closes it or connects again.
void ReportClosed(HWND window, SOCKET socket)
{
    SocketObject at = Locate(window);
    if (!at) return;
    if (at.Object->Type == qbk::TypeClientSocket) {
        Raise(at, kConnectionClosed);
        return;
    }
    const int index = at.Part->FindClient(socket);
    if (index < 0) return;
    const int id = at.Part->Clients[size_t(index)].Id;
    at.Part->Clients.erase(at.Part->Clients.begin() + index);
    ::closesocket(socket);
    Raise(at, kClientClosed, {IntToString(id)});
}

void OnConnection(HWND window, SOCKET socket, WORD event)
{
    SocketObject at = Locate(window);
    if (!at) return;
    const bool server = at.Object->Type == qbk::TypeServerSocket;
    if (!server && at.Object->Type != qbk::TypeClientSocket) return;
    int id = 0;
    FrameReader* reader = ReaderOf(at, socket, id);
    if (event == FD_CLOSE && !server && !reader) {
        // A connection the client has since replaced still reports its end.
        Raise(at, kConnectionClosed);
        return;
    }
    if (!reader || (event != FD_READ && event != FD_CLOSE)) return;
    ReceiveWaiting(socket, *reader);
    // One message at a time: an event that pumps messages may read this connection again, and what
    // came later must not overtake what is still to be raised.
    std::string message;
    FrameReader::Take take;
    for (;;) {
        // Every event may have closed or replaced the connection.
        if (!(at = Locate(window)) || !(reader = ReaderOf(at, socket, id))) return;
        if ((take = reader->Next(message)) != FrameReader::Take::Message) break;
        const CString payload(message);
        if (server)
            Raise(at, kClientMessage, {payload, IntToString(id)});
        else
            Raise(at, kMessage, {payload});
    }
    if (event == FD_CLOSE || take == FrameReader::Take::Corrupt) {
        // A stream that cannot be followed any more is ended like a closed one.
        if (take == FrameReader::Take::Corrupt && !server) at.Part->CloseSocket();
        ReportClosed(window, socket);
    }
    // A connection that ended while reading reports it with its own close notice.
}

LRESULT CALLBACK SocketWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kListenerNotice: OnListener(window, SOCKET(wParam), WSAGETSELECTEVENT(lParam)); return 0;
    case kConnectionNotice: OnConnection(window, SOCKET(wParam), WSAGETSELECTEVENT(lParam)); return 0;
    default: return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

ATOM RegisterSocketWindowClass(HINSTANCE instance)
{
    return RegisterClassOf(instance, "QUILLBRICKSOCKET", CS_HREDRAW | CS_VREDRAW, &SocketWindowProc,
                           COLOR_APPWORKSPACE);
}
