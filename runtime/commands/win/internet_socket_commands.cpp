// Downloads, mail and URLs (type 25), and client and server sockets (types 26 and 27).
#include "command_table.h"

namespace {

constexpr CommandEntry kInternet[] = {
    {2, "Internet_DownloadFile"},  // after the shared commands 0 and 1
    {3, "Internet_ReadUrl"},      {4, "Internet_IsConnected"}, {5, "Internet_OpenUrl"},
    {6, "Internet_SendMail"},     {7, "Internet_FtpUpload"},
};
static_assert(NumbersOwnCommands(kInternet, qbk::TypeInternet, 7));

constexpr CommandEntry kClientSocket[] = {
    {2, "ClientSocket_Connect"},  // after the shared commands 0 and 1
    {3, "ClientSocket_Close"},
    {4, "ClientSocket_Send"},
};
static_assert(NumbersOwnCommands(kClientSocket, qbk::TypeClientSocket, 4));

constexpr CommandEntry kServerSocket[] = {
    {2, "ServerSocket_Close"},  // after the shared commands 0 and 1
    {3, "ServerSocket_GetClientCount"}, {4, "ServerSocket_GetClientId"},      {5, "ServerSocket_GetClientAddress"},
    {6, "ServerSocket_Listen"},         {7, "ServerSocket_DisconnectClient"}, {8, "ServerSocket_SendToAll"},
    {9, "ServerSocket_SendToClient"},
};
static_assert(NumbersOwnCommands(kServerSocket, qbk::TypeServerSocket, 9));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeInternet, kInternet),
                                  OwnCommands(qbk::TypeClientSocket, kClientSocket),
                                  OwnCommands(qbk::TypeServerSocket, kServerSocket)};

}  // namespace

extern const CommandFamily kInternetSocketFamily("Internet, ClientSocket and ServerSocket", kLists);
