// Serial ports (type 36).
#include "command_table.h"

namespace {

constexpr CommandEntry kSerialPort[] = {
    {2, "SerialPort_ClearBreak"},  // after the shared commands 0 and 1
    {3, "SerialPort_ClearDtr"},         {4, "SerialPort_ClearRts"},   {5, "SerialPort_Close"},
    {6, "SerialPort_GetBaudRate"},      {7, "SerialPort_GetTimeout"}, {8, "SerialPort_Open"},
    {9, "SerialPort_ReadToStream"},     {10, "SerialPort_ReadByte"},  {11, "SerialPort_SetBreak"},
    {12, "SerialPort_SetDtr"},          {13, "SerialPort_SetRts"},    {14, "SerialPort_SetBaudRate"},
    {15, "SerialPort_SetTimeout"},      {16, "SerialPort_SetXoff"},   {17, "SerialPort_SetXon"},
    {18, "SerialPort_WriteFromStream"}, {19, "SerialPort_WriteByte"}, {20, "SerialPort_WriteText"},
};
static_assert(NumbersOwnCommands(kSerialPort, qbk::TypeSerialPort, 20));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeSerialPort, kSerialPort)};

}  // namespace

extern const CommandFamily kSerialPortFamily("SerialPort", kLists);
