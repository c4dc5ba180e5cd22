#include <winsock2.h>

#include "socket_library.h"

bool StartSocketLibrary()
{
    WSADATA data;
    return ::WSAStartup(0x101, &data) == 0;
}

void StopSocketLibrary() { ::WSACleanup(); }
