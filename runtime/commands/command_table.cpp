// Which handler serves each (object type, command number). Position k of a type's list is its
// command k, the numbering that compiled instructions and the stored command words rely on.
// Entries without a function are commands whose handlers are not built yet: they do nothing.
#include "command_table.h"

#include "application_commands.h"
#include "flow_commands.h"
#include "object_commands.h"

namespace {

#define CMD(name)                                                                                                      \
    {                                                                                                                  \
#name, name                                                                                                    \
    }
#define TODO(name)                                                                                                     \
    {                                                                                                                  \
#name, nullptr                                                                                                 \
    }
#define NONE                                                                                                           \
    {                                                                                                                  \
        nullptr, nullptr                                                                                               \
    }

const CommandEntry kCondition[] = {
    CMD(Condition_Evaluate),  // 0
    NONE,  // 1
    NONE,  // 2
};
const CommandEntry kLoop[] = {
    CMD(Condition_Evaluate),  // 0
    NONE,  // 1
};
const CommandEntry kWindowCall[] = {
    CMD(WindowCall_Cmd0),  // 0
    CMD(WindowCall_Cmd1),  // 1
};
const CommandEntry kWindow[] = {
    TODO(Window_SetParent),  // 31
    TODO(Window_Close),  // 32
    TODO(Window_AcceptFiles),  // 33
    TODO(Window_SetSubclass),  // 34
    TODO(Window_GetSysColor),  // 35
    TODO(Window_GetControlCount),  // 36
    TODO(Window_GetControlId),  // 37
    TODO(Window_Cmd38),  // 38
    TODO(Window_Cmd39),  // 39
    TODO(Window_Cmd40),  // 40
    TODO(Window_Cmd41),  // 41
    TODO(Window_Cmd42),  // 42
    TODO(Window_GetScrollRange43),  // 43
    TODO(Window_GetScrollRange44),  // 44
    TODO(Window_Cmd45),  // 45
    TODO(Window_GetScrollPos),  // 46
    TODO(Window_GetForeground),  // 47
    TODO(Window_IsMaximized),  // 48
    TODO(Window_IsMinimized),  // 49
    TODO(Window_Cmd50),  // 50
    TODO(Window_Cmd51),  // 51
    TODO(Window_Cmd52),  // 52
    TODO(Window_OpenAt),  // 53
    TODO(Window_OpenModal),  // 54
    TODO(Window_Cmd55),  // 55
    TODO(Window_Cmd56),  // 56
    TODO(Window_Cmd57),  // 57
    TODO(Window_FillBackground),  // 58
    TODO(Window_SetFont),  // 59
    TODO(Window_Seticon),  // 60
    TODO(Window_Cmd61),  // 61
    TODO(Window_Cmd62),  // 62
    TODO(Window_Cmd63),  // 63
    TODO(Window_Cmd64),  // 64
    TODO(Window_SetScrollPos),  // 65
    TODO(Window_SetScrollRange),  // 66
    TODO(Window_SetTopMost),  // 67
    TODO(Window_ShowScrollBar),  // 68
};
const CommandEntry kFileSystem[] = {
    TODO(FileSystem_Cmd0),  // 0
    TODO(FileSystem_ConvertBmpToJpeg),  // 1
    TODO(FileSystem_Cmd2),  // 2
    TODO(FileSystem_Cmd3),  // 3
    TODO(FileSystem_ExtractEmbeddedFile),  // 4
    TODO(FileSystem_CreateShortcut),  // 5
    TODO(FileSystem_Cmd6),  // 6
    TODO(FileSystem_Cmd7),  // 7
    TODO(FileSystem_Cmd8),  // 8
    TODO(FileSystem_EmptyRecycleBin),  // 9
    TODO(FileSystem_ShellExecute),  // 10
    TODO(FileSystem_Cmd11),  // 11
    TODO(FileSystem_Cmd12),  // 12
    TODO(FileSystem_TempFileName),  // 13
    TODO(FileSystem_Cmd14),  // 14
    TODO(FileSystem_GetDiskFreeSpace),  // 15
    TODO(FileSystem_GetDiskTotalSpace),  // 16
    TODO(FileSystem_GetDrive),  // 17
    TODO(FileSystem_GetExtension),  // 18
    TODO(FileSystem_SplitPath),  // 19
    TODO(FileSystem_Cmd20),  // 20
    TODO(FileDialog_Cmd5),  // 21
    TODO(FileSystem_GetFileTitle),  // 22
    TODO(FileSystem_GetPathHead),  // 23
    TODO(FileSystem_GetFileSize),  // 24
    TODO(FileSystem_GetShortPath),  // 25
    TODO(FileSystem_Cmd26),  // 26
    TODO(FileSystem_Cmd27),  // 27
    TODO(FileSystem_CreateDirectory),  // 28
    TODO(FileSystem_RenameFile),  // 29
    TODO(FileSystem_SetCurrentDirectory),  // 30
};
const CommandEntry kApplication[] = {
    NONE,  // 0
    NONE,  // 1
    NONE,  // 2
    CMD(Application_Format),  // 3
    CMD(Application_GetField4),  // 4
    CMD(Application_GetField5),  // 5
    CMD(Application_GetField6),  // 6
    CMD(Application_GetField7),  // 7
    CMD(Application_IntToBinary),  // 8
    CMD(Application_GetBlue),  // 9
    CMD(Application_CharFromCode),  // 10
    CMD(Application_Cmd11),  // 11
    CMD(Application_CodeOfFirstChar),  // 12
    CMD(Application_GetClipboardText),  // 13
    CMD(Application_Cmd14),  // 14
    CMD(Application_BinaryToInt),  // 15
    CMD(Application_HexToInt),  // 16
    CMD(Application_GetGreen),  // 17
    CMD(Application_IntToHex),  // 18
    CMD(Application_GetParameter),  // 19
    CMD(Application_Cmd20),  // 20
    CMD(Application_GetRed),  // 21
    CMD(Application_WindowFromPoint),  // 22
    CMD(Application_Return),  // 23
    CMD(Application_MakeColor),  // 24
    CMD(Application_Cmd25),  // 25
    CMD(Application_Wait),  // 26
};
const CommandEntry kKeyboard[] = {
    TODO(Keyboard_keybd_event_0),  // 0
    TODO(Keyboard_keybd_event_1),  // 1
    TODO(Keyboard_keybd_event_2),  // 2
    TODO(Keyboard_IsKeyDown),  // 3
};
const CommandEntry kMath[] = {
    TODO(Math_Abs),  // 0
    TODO(Math_Acos),  // 1
    TODO(Math_Asin),  // 2
    TODO(Math_Atan2Degrees),  // 3
    TODO(Math_BitAnd),  // 4
    TODO(Math_Cmd5),  // 5
    TODO(Math_BinaryDigitCount),  // 6
    TODO(Math_BitOr),  // 7
    TODO(Math_BitXor),  // 8
    TODO(Math_CosDegrees),  // 9
    TODO(Math_Distance2D),  // 10
    TODO(Math_Distance3D),  // 11
    TODO(Math_Power2x),  // 12
    TODO(Math_Cmd13),  // 13
    TODO(Math_Cmd14),  // 14
    TODO(Math_Mod),  // 15
    TODO(Math_Pi),  // 16
    TODO(Math_Cmd17),  // 17
    TODO(Math_PtInRect),  // 18
    TODO(Math_Cmd19),  // 19
    TODO(Math_Pow),  // 20
    TODO(Math_Random),  // 21
    TODO(Math_Round),  // 22
    TODO(Math_Cmd23),  // 23
    TODO(Math_SinDegrees),  // 24
    TODO(Math_Sqrt),  // 25
    TODO(Math_TanDegrees),  // 26
    TODO(Math_Cmd27),  // 27
    TODO(Math_Cmd28),  // 28
};
const CommandEntry kMessageBox[] = {
    TODO(MessageBox_Show),  // 0
};
const CommandEntry kMouse[] = {
    TODO(Mouse_Cmd0),  // 0
    TODO(Mouse_Cmd1),  // 1
    TODO(Mouse_Cmd2),  // 2
    TODO(Mouse_Cmd3),  // 3
    TODO(Mouse_Cmd4),  // 4
    TODO(Mouse_Cmd5),  // 5
    TODO(Mouse_Cmd6),  // 6
    TODO(Mouse_Cmd7),  // 7
    TODO(Mouse_Cmd8),  // 8
    TODO(Mouse_Cmd9),  // 9
    TODO(Mouse_Cmd10),  // 10
    TODO(Mouse_Cmd11),  // 11
    TODO(Mouse_GetScreenX),  // 12
    TODO(Mouse_GetClientX),  // 13
    TODO(Mouse_GetScreenY),  // 14
    TODO(Mouse_GetClientY),  // 15
    TODO(Mouse_GetCapture),  // 16
    TODO(Mouse_IsLeftButtonDown),  // 17
    TODO(Mouse_IsRightButtonDown),  // 18
    TODO(Mouse_IsMiddleButtonDown),  // 19
    TODO(Mouse_SetCapture),  // 20
    TODO(Mouse_SetCursor),  // 21
    TODO(Mouse_SetScreenPos),  // 22
    TODO(Mouse_SetClientPos),  // 23
    TODO(Mouse_ShowCursor),  // 24
};
const CommandEntry kSystem[] = {
    TODO(System_GetComputerName),  // 0
    TODO(System_GetSpecialFolder1),  // 1
    TODO(System_GetVolumeInfo),  // 2
    TODO(System_GetSpecialFolder3),  // 3
    TODO(System_Cmd4),  // 4
    TODO(System_GetQuickLaunchDir),  // 5
    TODO(System_GetSpecialFolder6),  // 6
    TODO(System_GetColorDepth),  // 7
    TODO(System_GetScreenHeight),  // 8
    TODO(System_GetScreenWidth),  // 9
    TODO(System_GetSpecialFolder10),  // 10
    TODO(System_GetSysColor),  // 11
    TODO(System_GetSystemDir),  // 12
    TODO(System_GetTempPath),  // 13
    TODO(System_GetUserName),  // 14
    TODO(System_GetWindowsDir),  // 15
    TODO(System_Cmd16),  // 16
    TODO(System_SetSysColor),  // 17
};
const CommandEntry kTime[] = {
    TODO(Time_FormatDuration),  // 0
    TODO(Time_GetTickCount),  // 1
    TODO(Time_GetDay),  // 2
    TODO(Time_GetTickTime),  // 3
    TODO(Time_GetHour),  // 4
    TODO(Time_GetMinute),  // 5
    TODO(Time_GetMonth),  // 6
    TODO(Time_GetSecond),  // 7
    TODO(Time_GetMilliseconds),  // 8
    TODO(Time_GetYear),  // 9
    TODO(Time_SetLocalTime),  // 10
    TODO(Time_StartTimer),  // 11
    TODO(Time_StopTimer),  // 12
};
const CommandEntry kByteBuffer[] = {
    TODO(ByteBuffer_GetByte),  // 2
    TODO(ByteBuffer_Cmd3),  // 3
    TODO(ByteBuffer_Cmd4),  // 4
    TODO(ByteBuffer_Cmd5),  // 5
    TODO(ByteBuffer_Cmd6),  // 6
    TODO(ByteBuffer_Cmd7),  // 7
    TODO(ByteBuffer_SetByte),  // 8
    TODO(ByteBuffer_Fill),  // 9
    TODO(ByteBuffer_Resize),  // 10
};
const CommandEntry kCdAudio[] = {
    TODO(CdAudio_Cmd2),  // 2
    TODO(CdAudio_Cmd3),  // 3
    TODO(CdAudio_Cmd4),  // 4
    TODO(CdAudio_Cmd5),  // 5
    TODO(CdAudio_Cmd6),  // 6
    TODO(CdAudio_Cmd7),  // 7
    TODO(CdAudio_Cmd8),  // 8
    TODO(CdAudio_Cmd9),  // 9
    TODO(CdAudio_Create),  // 10
    TODO(CdAudio_Cmd11),  // 11
    TODO(CdAudio_PlayTrack),  // 12
    TODO(CdAudio_Cmd13),  // 13
    TODO(CdAudio_Cmd14),  // 14
    TODO(CdAudio_Cmd15),  // 15
};
const CommandEntry kRecordTable[] = {
    TODO(RecordTable_Cmd2),  // 2
    TODO(RecordTable_Cmd3),  // 3
    TODO(RecordTable_Cmd4),  // 4
    TODO(RecordTable_Cmd5),  // 5
    TODO(RecordTable_Cmd6),  // 6
    TODO(RecordTable_GetColumnName),  // 7
    TODO(RecordTable_Cmd8),  // 8
    TODO(RecordTable_Cmd9),  // 9
    TODO(RecordTable_Cmd10),  // 10
    TODO(RecordTable_Cmd11),  // 11
    TODO(RecordTable_Cmd12),  // 12
    TODO(RecordTable_Cmd13),  // 13
    TODO(RecordTable_Cmd14),  // 14
    TODO(RecordTable_Cmd15),  // 15
    TODO(RecordTable_Cmd16),  // 16
    TODO(RecordTable_Cmd17),  // 17
    TODO(RecordTable_Cmd18),  // 18
    TODO(RecordTable_Cmd19),  // 19
    TODO(RecordTable_Cmd20),  // 20
    TODO(RecordTable_Cmd21),  // 21
    TODO(RecordTable_Cmd22),  // 22
    TODO(RecordTable_Cmd23),  // 23
    TODO(RecordTable_Cmd24),  // 24
    TODO(RecordTable_Cmd25),  // 25
};
const CommandEntry kDllCall[] = {
    TODO(DllCall_Cmd2),  // 2
    TODO(DllCall_Cmd3),  // 3
    TODO(DllCall_Cmd4),  // 4
    TODO(DllCall_Cmd5),  // 5
    TODO(DllCall_Cmd6),  // 6
    TODO(DllCall_Cmd7),  // 7
    TODO(DllCall_Cmd8),  // 8
    TODO(DllCall_Cmd9),  // 9
};
const CommandEntry kTextFile[] = {
    TODO(TextFile_Close),  // 2
    TODO(TextFile_Cmd3),  // 3
    TODO(TextFile_Cmd4),  // 4
    TODO(TextFile_Cmd5),  // 5
    TODO(TextFile_Cmd6),  // 6
    TODO(TextFile_Cmd7),  // 7
    TODO(TextFile_Cmd8),  // 8
    TODO(TextFile_Cmd9),  // 9
    TODO(TextFile_Cmd10),  // 10
    TODO(TextFile_Cmd11),  // 11
    TODO(TextFile_Seek),  // 12
    TODO(TextFile_Cmd13),  // 13
    TODO(TextFile_Cmd14),  // 14
    TODO(TextFile_Cmd15),  // 15
    TODO(TextFile_Cmd16),  // 16
    TODO(TextFile_Cmd17),  // 17
};
const CommandEntry kFont[] = {
    TODO(Font_Cmd2),  // 2
    TODO(Font_Cmd3),  // 3
    TODO(Font_Cmd4),  // 4
    TODO(Font_Cmd5),  // 5
    TODO(Font_Cmd6),  // 6
    TODO(Font_Cmd7),  // 7
    TODO(Font_Cmd8),  // 8
    TODO(Font_Cmd9),  // 9
    TODO(Font_Cmd10),  // 10
    TODO(Font_Cmd11),  // 11
    TODO(Font_Cmd12),  // 12
    TODO(Font_Cmd13),  // 13
    TODO(Font_Cmd14),  // 14
    TODO(Font_Cmd15),  // 15
    TODO(Font_Cmd16),  // 16
    TODO(Font_Cmd17),  // 17
};
const CommandEntry kIniFile[] = {
    TODO(IniFile_Cmd2),  // 2
    TODO(IniFile_Read),  // 3
    TODO(IniFile_Cmd4),  // 4
    TODO(IniFile_Cmd5),  // 5
    TODO(IniFile_Cmd6),  // 6
    TODO(IniFile_Cmd7),  // 7
    TODO(IniFile_Cmd8),  // 8
};
const CommandEntry kLocalNumber[] = {
    TODO(LocalNumber_Cmd2),  // 2
    TODO(LocalNumber_Cmd3),  // 3
    TODO(LocalNumber_Cmd4),  // 4
    TODO(LocalNumber_Cmd5),  // 5
    TODO(LocalNumber_Cmd6),  // 6
    TODO(LocalNumber_Cmd7),  // 7
    TODO(LocalNumber_Cmd8),  // 8
    TODO(LocalNumber_Cmd9),  // 9
    TODO(LocalNumber_Cmd10),  // 10
};
const CommandEntry kLocalText[] = {
    TODO(LocalText_Cmd2),  // 2
    TODO(LocalText_Cmd3),  // 3
    TODO(LocalText_Cmd4),  // 4
    TODO(LocalText_Get),  // 5
    TODO(LocalText_Cmd6),  // 6
    TODO(LocalText_Cmd7),  // 7
    TODO(LocalText_Cmd8),  // 8
    TODO(LocalText_Cmd9),  // 9
    TODO(LocalText_Cmd10),  // 10
    TODO(LocalText_Cmd11),  // 11
    TODO(LocalText_Cmd12),  // 12
    TODO(LocalText_Cmd13),  // 13
    TODO(LocalText_Cmd14),  // 14
    TODO(LocalText_Cmd15),  // 15
};
const CommandEntry kDataStream[] = {
    TODO(DataStream_Cmd2),  // 2
    TODO(DataStream_CopyFrom),  // 3
    TODO(DataStream_Cmd4),  // 4
    TODO(DataStream_Cmd5),  // 5
    TODO(DataStream_Cmd6),  // 6
    TODO(DataStream_Cmd7),  // 7
    TODO(DataStream_Cmd8),  // 8
    TODO(DataStream_Cmd9),  // 9
    TODO(DataStream_Cmd10),  // 10
    TODO(DataStream_Cmd11),  // 11
    TODO(DataStream_ReadByte),  // 12
    TODO(DataStream_Cmd13),  // 13
    TODO(DataStream_Cmd14),  // 14
    TODO(DataStream_Cmd15),  // 15
    TODO(DataStream_Cmd16),  // 16
    TODO(DataStream_Cmd17),  // 17
    TODO(DataStream_Cmd18),  // 18
    TODO(DataStream_Seek),  // 19
    TODO(DataStream_Cmd20),  // 20
    TODO(DataStream_Cmd21),  // 21
    TODO(DataStream_Cmd22),  // 22
    TODO(DataStream_Cmd23),  // 23
    TODO(DataStream_Cmd24),  // 24
};
const CommandEntry kMenuBar[] = {
    TODO(MenuBar_Cmd2),  // 2
    TODO(MenuBar_CreateMenu_3),  // 3
    TODO(MenuBar_CreateMenu_4),  // 4
    TODO(MenuBar_Cmd5),  // 5
    TODO(MenuBar_Cmd6),  // 6
    TODO(MenuBar_Cmd7),  // 7
    TODO(MenuBar_Cmd8),  // 8
    TODO(MenuBar_Cmd9),  // 9
    TODO(MenuBar_Cmd10),  // 10
    TODO(MenuBar_CheckMenuItem),  // 11
    TODO(MenuBar_CreateMenu_12),  // 12
    TODO(MenuBar_EnableMenuItem),  // 13
};
const CommandEntry kPopupMenu[] = {
    TODO(PopupMenu_CreatePopupMenu_2),  // 2
    TODO(PopupMenu_CreatePopupMenu_3),  // 3
    TODO(PopupMenu_Cmd4),  // 4
    TODO(MenuBar_Cmd6),  // 5
    TODO(MenuBar_Cmd7),  // 6
    TODO(MenuBar_Cmd8),  // 7
    TODO(MenuBar_Cmd9),  // 8
    TODO(MenuBar_Cmd10),  // 9
    TODO(MenuBar_CheckMenuItem),  // 10
    TODO(PopupMenu_CreatePopupMenu_11),  // 11
    TODO(MenuBar_EnableMenuItem),  // 12
    TODO(PopupMenu_GetCursorPos),  // 13
};
const CommandEntry kMidiPlayer[] = {
    TODO(MidiPlayer_Cmd2),  // 2
    TODO(MidiPlayer_Cmd3),  // 3
    TODO(MidiPlayer_Cmd4),  // 4
    TODO(MidiPlayer_Cmd5),  // 5
    TODO(MidiPlayer_Cmd6),  // 6
    TODO(MidiPlayer_Cmd7),  // 7
    TODO(MidiPlayer_Cmd8),  // 8
    TODO(MidiPlayer_Cmd9),  // 9
    TODO(MidiPlayer_Cmd10),  // 10
    TODO(MidiPlayer_Cmd11),  // 11
    TODO(MidiPlayer_Cmd12),  // 12
    TODO(MidiPlayer_Cmd13),  // 13
    TODO(MidiPlayer_Cmd14),  // 14
    TODO(MidiPlayer_Cmd15),  // 15
    TODO(MidiPlayer_Cmd16),  // 16
    TODO(MidiPlayer_Cmd17),  // 17
};
const CommandEntry kInternet[] = {
    TODO(Internet_Cmd2),  // 2
    TODO(Internet_Cmd3),  // 3
    TODO(Internet_Cmd4),  // 4
    TODO(Internet_Cmd5),  // 5
    TODO(Internet_SendMail),  // 6
    TODO(Internet_Cmd7),  // 7
};
const CommandEntry kClientSocket[] = {
    TODO(ClientSocket_Connect),  // 2
    TODO(ClientSocket_Cmd3),  // 3
    TODO(ClientSocket_Send),  // 4
};
const CommandEntry kServerSocket[] = {
    TODO(ServerSocket_Cmd2),  // 2
    TODO(ServerSocket_Cmd3),  // 3
    TODO(ServerSocket_Cmd4),  // 4
    TODO(ServerSocket_Cmd5),  // 5
    TODO(ServerSocket_Listen),  // 6
    TODO(ServerSocket_Disconnect),  // 7
    TODO(ServerSocket_closesocket),  // 8
    TODO(ServerSocket_Send),  // 9
};
const CommandEntry kNumberVariable[] = {
    TODO(NumberVariable_Set),  // 2
    TODO(NumberVariable_Cmd3),  // 3
    TODO(NumberVariable_Cmd4),  // 4
    TODO(NumberVariable_Cmd5),  // 5
    TODO(NumberVariable_Cmd6),  // 6
    TODO(NumberVariable_Cmd7),  // 7
    TODO(NumberVariable_Cmd8),  // 8
    TODO(NumberVariable_Cmd9),  // 9
    TODO(NumberVariable_Cmd10),  // 10
};
const CommandEntry kArrayVariable[] = {
    TODO(ArrayVariable_SetAt),  // 2
    TODO(ArrayVariable_Cmd3),  // 3
    TODO(ArrayVariable_Cmd4),  // 4
    TODO(ArrayVariable_GetCount),  // 5
    TODO(ArrayVariable_Cmd6),  // 6
    TODO(ArrayVariable_Insert),  // 7
    TODO(ArrayVariable_Cmd8),  // 8
    TODO(ArrayVariable_Cmd9),  // 9
    TODO(ArrayVariable_Cmd10),  // 10
    TODO(ArrayVariable_RemoveAt),  // 11
    TODO(ArrayVariable_RemoveAll),  // 12
    TODO(ArrayVariable_Cmd13),  // 13
    TODO(ArrayVariable_SetCount),  // 14
    TODO(ArrayVariable_Cmd15),  // 15
    TODO(ArrayVariable_Cmd16),  // 16
};
const CommandEntry kDrawingTool[] = {
    TODO(DrawingTool_Fill),  // 2
    TODO(DrawingTool_DrawText),  // 3
    TODO(DrawingTool_InvertRect),  // 4
    TODO(DrawingTool_DrawEdge),  // 5
    TODO(DrawingTool_DrawImageFile),  // 6
    TODO(DrawingTool_DrawImageStream),  // 7
    TODO(DrawingTool_DrawProjectImage),  // 8
    TODO(DrawingTool_DrawObjectImage),  // 9
    TODO(DrawingTool_Cmd10),  // 10
    TODO(DrawingTool_Ellipse),  // 11
    TODO(DrawingTool_FloodFill),  // 12
    TODO(DrawingTool_Transform),  // 13
    TODO(DrawingTool_TextOut),  // 14
    TODO(DrawingTool_PixelTransformA),  // 15
    TODO(DrawingTool_PixelTool16),  // 16
    TODO(DrawingTool_PixelTool17),  // 17
    TODO(DrawingTool_PixelTool18),  // 18
    TODO(DrawingTool_PixelTool19),  // 19
    TODO(DrawingTool_Cmd20),  // 20
    TODO(DrawingTool_Cmd21),  // 21
    TODO(DrawingTool_Cmd22),  // 22
    TODO(DrawingTool_Cmd23),  // 23
    TODO(DrawingTool_InvertRect24),  // 24
    TODO(DrawingTool_LineInflate),  // 25
    TODO(DrawingTool_PixelTransformB),  // 26
    TODO(DrawingTool_Line),  // 27
    TODO(DrawingTool_Cmd28),  // 28
    TODO(DrawingTool_Cmd29),  // 29
    TODO(DrawingTool_Rectangle),  // 30
    TODO(DrawingTool_Desktop),  // 31
    TODO(DrawingTool_RoundRect),  // 32
    TODO(DrawingTool_Scroll),  // 33
    TODO(DrawingTool_SetFont),  // 34
    TODO(DrawingTool_Cmd35),  // 35
    TODO(DrawingTool_Cmd36),  // 36
    TODO(DrawingTool_SetPixel),  // 37
    TODO(DrawingTool_SetFlag),  // 38
    TODO(DrawingTool_Cmd39),  // 39
    TODO(DrawingTool_Cmd40),  // 40
    TODO(DrawingTool_Cmd41),  // 41
};
const CommandEntry kObjectReference[] = {
    TODO(ObjectReference_Cmd2),  // 2
    TODO(ObjectReference_Cmd3),  // 3
    TODO(ObjectReference_Cmd4),  // 4
    TODO(ObjectReference_Cmd5),  // 5
};
const CommandEntry kObjectList[] = {
    TODO(ObjectList_Cmd2),  // 2
    TODO(ObjectList_Cmd3),  // 3
    TODO(ArrayVariable_GetCount),  // 4
    TODO(ObjectList_GetName),  // 5
    TODO(ObjectList_Cmd6),  // 6
    TODO(ObjectList_InsertAt),  // 7
    TODO(ObjectList_Cmd8),  // 8
    TODO(ObjectList_Cmd9),  // 9
    NONE,  // 10
    TODO(ObjectList_RemoveAt),  // 11
    TODO(ArrayVariable_RemoveAll),  // 12
    TODO(ObjectList_SetAt),  // 13
    TODO(ObjectList_SetCount),  // 14
    TODO(ObjectList_Cmd15),  // 15
};
const CommandEntry kPrinter[] = {
    TODO(Printer_Cmd2),  // 2
    TODO(Printer_Cmd3),  // 3
    TODO(Printer_Cmd4),  // 4
    TODO(Printer_Cmd5),  // 5
    TODO(Printer_Cmd6),  // 6
    TODO(Printer_Cmd7),  // 7
    TODO(Printer_Cmd8),  // 8
    TODO(Printer_Cmd9),  // 9
    TODO(Printer_SetField),  // 10
    TODO(Printer_Cmd11),  // 11
    TODO(Printer_Cmd12),  // 12
    TODO(Printer_Cmd13),  // 13
};
const CommandEntry kRegistry[] = {
    TODO(Registry_ReadString),  // 2
    TODO(Registry_Cmd3),  // 3
    TODO(Registry_Cmd4),  // 4
    TODO(Registry_Cmd5),  // 5
};
const CommandEntry kFileDialog[] = {
    TODO(FileDialog_Cmd2),  // 2
    TODO(FileDialog_BrowseFolder),  // 3
    TODO(FileDialog_Cmd4),  // 4
    TODO(FileDialog_Cmd5),  // 5
    TODO(FileDialog_GetPathWithoutExtension),  // 6
    TODO(FileDialog_GetFolder),  // 7
    TODO(FileDialog_GetSelected),  // 8
    TODO(FileDialog_Cmd9),  // 9
    TODO(FileDialog_Cmd10),  // 10
};
const CommandEntry kSerialPort[] = {
    TODO(SerialPort_Cmd2),  // 2
    TODO(SerialPort_Cmd3),  // 3
    TODO(SerialPort_Cmd4),  // 4
    TODO(SerialPort_Cmd5),  // 5
    TODO(SerialPort_Cmd6),  // 6
    TODO(SerialPort_Cmd7),  // 7
    TODO(SerialPort_Cmd8),  // 8
    TODO(SerialPort_Cmd9),  // 9
    TODO(SerialPort_Cmd10),  // 10
    TODO(SerialPort_Cmd11),  // 11
    TODO(SerialPort_Cmd12),  // 12
    TODO(SerialPort_Cmd13),  // 13
    TODO(SerialPort_Cmd14),  // 14
    TODO(SerialPort_Cmd15),  // 15
    TODO(SerialPort_Cmd16),  // 16
    TODO(SerialPort_Cmd17),  // 17
    TODO(SerialPort_Cmd18),  // 18
    TODO(SerialPort_Cmd19),  // 19
    TODO(SerialPort_Cmd20),  // 20
};
const CommandEntry kWaveSound[] = {
    TODO(WaveSound_Cmd2),  // 2
    TODO(WaveSound_Cmd3),  // 3
    TODO(WaveSound_Cmd4),  // 4
    TODO(WaveSound_Cmd5),  // 5
    TODO(WaveSound_Cmd6),  // 6
    TODO(WaveSound_Cmd7),  // 7
    TODO(WaveSound_Cmd8),  // 8
};
const CommandEntry kMediaPlayer[] = {
    TODO(MediaPlayer_Cmd2),  // 2
    TODO(MediaPlayer_Cmd3),  // 3
    TODO(MediaPlayer_Cmd4),  // 4
    TODO(MediaPlayer_IsSubFlagSet),  // 5
    TODO(MediaPlayer_Cmd6),  // 6
    TODO(MediaPlayer_Cmd7),  // 7
    TODO(MediaPlayer_Cmd8),  // 8
    TODO(MediaPlayer_Cmd9),  // 9
    TODO(MediaPlayer_Cmd10),  // 10
    TODO(MediaPlayer_Cmd11),  // 11
};
const CommandEntry kTextVariable[] = {
    TODO(TextVariable_Cmd2),  // 2
    TODO(TextVariable_Cmd3),  // 3
    TODO(TextVariable_Cmd4),  // 4
    TODO(TextVariable_Cmd5),  // 5
    TODO(TextVariable_Cmd6),  // 6
    TODO(TextVariable_Cmd7),  // 7
    TODO(TextVariable_Cmd8),  // 8
    TODO(TextVariable_Cmd9),  // 9
    TODO(TextVariable_Cmd10),  // 10
    TODO(TextVariable_Cmd11),  // 11
    TODO(TextVariable_Cmd12),  // 12
    TODO(TextVariable_Cmd13),  // 13
    TODO(TextVariable_Cmd14),  // 14
    TODO(TextVariable_Cmd15),  // 15
};
const CommandEntry kStringList[] = {
    TODO(StringList_Add),  // 2
    TODO(StringList_Cmd3),  // 3
    TODO(StringList_Cmd4),  // 4
    TODO(StringList_GetAt),  // 5
    TODO(StringList_Cmd6),  // 6
    TODO(StringList_InsertAt),  // 7
    TODO(StringList_Cmd8),  // 8
    TODO(StringList_Cmd9),  // 9
    TODO(StringList_Cmd10),  // 10
    TODO(StringList_Cmd11),  // 11
    TODO(StringList_Cmd12),  // 12
    TODO(StringList_Cmd13),  // 13
    TODO(StringList_RemoveAt),  // 14
    TODO(StringList_Cmd15),  // 15
    TODO(StringList_SetAt),  // 16
    TODO(StringList_SetCount),  // 17
    TODO(StringList_Sort),  // 18
    TODO(StringList_Cmd19),  // 19
};
const CommandEntry kBitmap[] = {
    TODO(Bitmap_Cmd2),  // 2
    TODO(Bitmap_Cmd3),  // 3
    TODO(Bitmap_Cmd4),  // 4
    TODO(Bitmap_Cmd5),  // 5
    TODO(Bitmap_Cmd6),  // 6
    TODO(Bitmap_Cmd7),  // 7
    TODO(Bitmap_Cmd8),  // 8
    TODO(Bitmap_Cmd9),  // 9
    TODO(Bitmap_Cmd10),  // 10
    TODO(Bitmap_Cmd11),  // 11
    TODO(Bitmap_Cmd12),  // 12
    TODO(Bitmap_Cmd13),  // 13
    TODO(Bitmap_Cmd14),  // 14
    TODO(Bitmap_Cmd15),  // 15
    TODO(Bitmap_Cmd16),  // 16
    TODO(Bitmap_Cmd17),  // 17
    TODO(Bitmap_Cmd18),  // 18
    TODO(Bitmap_Cmd19),  // 19
    TODO(Bitmap_Cmd20),  // 20
    TODO(Bitmap_Cmd21),  // 21
    TODO(Bitmap_Cmd22),  // 22
};
const CommandEntry kTrayIcon[] = {
    TODO(TrayIcon_Cmd2),  // 2
    TODO(TrayIcon_Cmd3),  // 3
    TODO(TrayIcon_ImageList_AddMasked),  // 4
    TODO(TrayIcon_Cmd5),  // 5
    TODO(TrayIcon_Cmd6),  // 6
};
const CommandEntry kToolTip[] = {
    TODO(ToolTip_Activate),  // 2
    TODO(ToolTip_AddTool),  // 3
    TODO(ToolTip_Cmd4),  // 4
    TODO(ToolTip_Cmd5),  // 5
    TODO(ToolTip_Cmd6),  // 6
    TODO(ToolTip_GetText),  // 7
    TODO(ToolTip_Cmd8),  // 8
    TODO(ToolTip_DelTool),  // 9
    TODO(ToolTip_Settipbkcolor),  // 10
    TODO(ToolTip_Setdelaytime),  // 11
    TODO(ToolTip_Cmd12),  // 12
    TODO(ToolTip_Setmaxtipwidth),  // 13
    TODO(ToolTip_UpdateTipText),  // 14
    TODO(ToolTip_Settiptextcolor),  // 15
};
const CommandEntry kDvdPlayer[] = {
    TODO(DvdPlayer_Create),  // 2
    TODO(DvdPlayer_Cmd3),  // 3
    TODO(DvdPlayer_Cmd4),  // 4
    TODO(DvdPlayer_Cmd5),  // 5
    TODO(DvdPlayer_Cmd6),  // 6
    TODO(DvdPlayer_Cmd7),  // 7
    TODO(DvdPlayer_Cmd8),  // 8
    TODO(DvdPlayer_Cmd9),  // 9
    TODO(DvdPlayer_Cmd10),  // 10
    TODO(DvdPlayer_Cmd11),  // 11
    TODO(DvdPlayer_Cmd12),  // 12
    TODO(DvdPlayer_Cmd13),  // 13
    TODO(DvdPlayer_Cmd14),  // 14
};
const CommandEntry kAnimation[] = {
    TODO(Animation_Cmd31),  // 31
    TODO(Animation_Cmd32),  // 32
    TODO(Animation_Cmd33),  // 33
    TODO(Animation_Cmd34),  // 34
    TODO(Animation_Cmd35),  // 35
    TODO(Animation_Cmd36),  // 36
    TODO(Animation_Cmd37),  // 37
    TODO(Animation_Cmd38),  // 38
    TODO(Animation_Cmd39),  // 39
    TODO(Animation_Cmd40),  // 40
    TODO(Animation_Cmd41),  // 41
    TODO(Animation_Cmd42),  // 42
    TODO(Animation_Cmd43),  // 43
    TODO(Animation_Cmd44),  // 44
    TODO(Animation_Cmd45),  // 45
    TODO(Animation_Cmd46),  // 46
    TODO(Animation_Cmd47),  // 47
    TODO(Animation_Cmd48),  // 48
    TODO(Animation_Cmd49),  // 49
    TODO(Animation_Cmd50),  // 50
    TODO(Animation_Cmd51),  // 51
    TODO(Animation_Cmd52),  // 52
    TODO(Animation_Cmd53),  // 53
    TODO(Animation_Cmd54),  // 54
    TODO(Animation_Cmd55),  // 55
    TODO(Animation_Cmd56),  // 56
    TODO(Animation_Cmd57),  // 57
    TODO(Animation_Cmd58),  // 58
};
const CommandEntry kImageButton[] = {
    TODO(ImageButton_Cmd31),  // 31
    TODO(ImageButton_Cmd32),  // 32
    TODO(ImageButton_Cmd33),  // 33
    TODO(ImageButton_Cmd34),  // 34
    TODO(ImageButton_Cmd35),  // 35
    TODO(ImageButton_Cmd36),  // 36
    TODO(ImageButton_Cmd37),  // 37
    TODO(ImageButton_Cmd38),  // 38
    TODO(ImageButton_Cmd39),  // 39
    TODO(ImageButton_Cmd40),  // 40
    TODO(ImageButton_Cmd41),  // 41
    TODO(ImageButton_Cmd42),  // 42
    TODO(ImageButton_Cmd43),  // 43
    TODO(ImageButton_Cmd44),  // 44
};
const CommandEntry kCheckBox[] = {
    TODO(CheckBox_Cmd31),  // 31
    TODO(CheckBox_Cmd32),  // 32
};
const CommandEntry kComboBox[] = {
    TODO(ComboBox_Cmd31),  // 31
    TODO(ComboBox_Deletestring),  // 32
    TODO(ComboBox_Cmd33),  // 33
    TODO(ComboBox_Cmd34),  // 34
    TODO(ComboBox_Cmd35),  // 35
    TODO(ComboBox_Cmd36),  // 36
    TODO(ComboBox_Cmd37),  // 37
    TODO(ComboBox_Cmd38),  // 38
    TODO(ComboBox_Insertstring),  // 39
    TODO(ComboBox_Cmd40),  // 40
    TODO(ComboBox_Setcursel),  // 41
    TODO(ComboBox_Settopindex),  // 42
    TODO(ComboBox_SetString),  // 43
};
const CommandEntry kPicture[] = {
    TODO(Picture_Cmd31),  // 31
    TODO(Picture_Cmd32),  // 32
    TODO(Picture_Cmd33),  // 33
    TODO(Picture_Cmd34),  // 34
    TODO(Picture_Cmd35),  // 35
    TODO(Picture_Cmd36),  // 36
    TODO(Picture_Cmd37),  // 37
    TODO(Picture_Cmd38),  // 38
    TODO(Picture_Cmd37),  // 39
    TODO(Picture_Cmd40),  // 40
    TODO(Picture_Cmd41),  // 41
    TODO(Picture_Cmd42),  // 42
    TODO(Picture_Cmd43),  // 43
    TODO(Picture_Cmd44),  // 44
};
const CommandEntry kEditBox[] = {
    TODO(EditBox_Cmd31),  // 31
    TODO(EditBox_Cmd32),  // 32
    TODO(EditBox_Cmd33),  // 33
    TODO(EditBox_Cmd34),  // 34
    TODO(EditBox_GetFirstVisibleLine),  // 35
    TODO(EditBox_GetLimitText),  // 36
    TODO(EditBox_Cmd37),  // 37
    TODO(EditBox_Cmd38),  // 38
    TODO(EditBox_Cmd39),  // 39
    TODO(EditBox_Cmd40),  // 40
    TODO(EditBox_Linescroll),  // 41
    TODO(EditBox_LoadFile),  // 42
    TODO(EditBox_Cmd43),  // 43
    TODO(EditBox_Cmd44),  // 44
    TODO(EditBox_Cmd45),  // 45
    TODO(EditBox_ReplaceSel),  // 46
    TODO(EditBox_Cmd47),  // 47
    TODO(EditBox_Cmd48),  // 48
    TODO(EditBox_Limittext),  // 49
    TODO(EditBox_SetSel),  // 50
    TODO(EditBox_Cmd51),  // 51
};
const CommandEntry kExtension[] = {
    TODO(Extension_Cmd31),  // 31
    TODO(Extension_Cmd32),  // 32
};
const CommandEntry kGrid[] = {
    TODO(Grid_DeleteColumn),  // 31
    TODO(Grid_DeleteRow),  // 32
    TODO(Picture_Cmd34),  // 33
    TODO(Grid_Cmd34),  // 34
    TODO(Grid_Cmd35),  // 35
    TODO(Grid_Cmd36),  // 36
    TODO(Grid_Cmd37),  // 37
    TODO(Grid_Cmd38),  // 38
    TODO(Grid_Cmd39),  // 39
    TODO(Grid_Cmd40),  // 40
    TODO(Grid_Cmd41),  // 41
    TODO(Grid_Cmd42),  // 42
    TODO(Grid_Cmd43),  // 43
    TODO(Grid_Cmd44),  // 44
    TODO(Picture_Cmd33),  // 45
    TODO(Grid_Cmd46),  // 46
    TODO(Grid_Cmd47),  // 47
    TODO(Grid_Cmd48),  // 48
    TODO(Grid_Cmd49),  // 49
    TODO(Grid_Cmd50),  // 50
    TODO(Grid_Cmd51),  // 51
    TODO(Grid_Cmd52),  // 52
    TODO(Grid_InsertColumn),  // 53
    TODO(Grid_InsertRow),  // 54
    TODO(Grid_Cmd55),  // 55
    TODO(Grid_Cmd56),  // 56
    TODO(Grid_Cmd57),  // 57
    TODO(Grid_Cmd58),  // 58
    TODO(Grid_Cmd59),  // 59
    TODO(Grid_Cmd60),  // 60
    TODO(Grid_Cmd61),  // 61
    TODO(Grid_SetColumnWidth),  // 62
    TODO(Grid_Cmd63),  // 63
    TODO(Grid_SetColumnCount),  // 64
    TODO(Grid_SetRowCount),  // 65
    TODO(Grid_Cmd66),  // 66
    TODO(Grid_SelectCell),  // 67
    TODO(Grid_Cmd68),  // 68
    TODO(Grid_SetRowHeight),  // 69
};
const CommandEntry kListView[] = {
    TODO(ListView_Cmd31),  // 31
    TODO(ListView_AddImage),  // 32
    TODO(ListView_SelectItem),  // 33
    TODO(ListView_Arrange),  // 34
    TODO(ListView_DeleteColumn),  // 35
    TODO(ListView_DeleteItem),  // 36
    TODO(ListView_FindItem),  // 37
    TODO(ListView_GetColumnCount),  // 38
    TODO(ListView_GetColumnWidth),  // 39
    TODO(ListView_GetItemCount40),  // 40
    TODO(ListView_GetNextSelected41),  // 41
    TODO(ListView_GetTopIndex),  // 42
    TODO(ListView_GetItem),  // 43
    TODO(ListView_GetItemCount44),  // 44
    TODO(ListView_GetSelectedCount),  // 45
    TODO(ListView_GetNextSelected46),  // 46
    TODO(ListView_Getitemcount),  // 47
    TODO(ListView_InsertColumn),  // 48
    TODO(ListView_Cmd49),  // 49
    TODO(ListView_Cmd50),  // 50
    TODO(ListView_Cmd51),  // 51
    NONE,  // 52
    TODO(ListView_ClearArray),  // 53
    TODO(ListView_Cmd54),  // 54
    TODO(ListView_SetColumnWidth),  // 55
    TODO(ListView_SelectOnly),  // 56
    TODO(ListView_SetItemImage),  // 57
    TODO(ListView_SetItemData),  // 58
    TODO(ListView_SetItemText),  // 59
    TODO(ListView_Cmd60),  // 60
};
const CommandEntry kShapedImage[] = {
    TODO(ShapedImage_Cmd31),  // 31
    TODO(ShapedImage_Cmd32),  // 32
    TODO(ShapedImage_LoadFile),  // 33
    TODO(ShapedImage_LoadFromObject),  // 34
    TODO(ShapedImage_LoadEmbedded),  // 35
    TODO(ShapedImage_CopyImage),  // 36
    TODO(ShapedImage_Cmd37),  // 37
    TODO(ShapedImage_GetWindowRect_38),  // 38
    TODO(ShapedImage_Cmd39),  // 39
    TODO(ShapedImage_Cmd40),  // 40
    TODO(ShapedImage_GetWindowRect_41),  // 41
};
const CommandEntry kCustomListView[] = {
    TODO(CustomListView_SelectItem),  // 31
    TODO(CustomListView_DeleteItem),  // 32
    TODO(CustomListView_Cmd33),  // 33
    TODO(CustomListView_Cmd34),  // 34
    TODO(CustomListView_Cmd35),  // 35
    TODO(CustomListView_Cmd36),  // 36
    TODO(CustomListView_FindSelected),  // 37
    TODO(CustomListView_Cmd38),  // 38
    TODO(CustomListView_Cmd39),  // 39
    TODO(CustomListView_SaveItemImage),  // 40
    TODO(CustomListView_Cmd41),  // 41
    TODO(CustomListView_GetItemText),  // 42
    TODO(CustomListView_Cmd43),  // 43
    TODO(CustomListView_Cmd44),  // 44
    TODO(CustomListView_Cmd45),  // 45
    TODO(CustomListView_HitTest),  // 46
    TODO(CustomListView_Cmd47),  // 47
    TODO(CustomListView_Cmd48),  // 48
    TODO(CustomListView_Cmd49),  // 49
    TODO(CustomListView_GetSelected),  // 50
    TODO(CustomListView_Cmd51),  // 51
    TODO(CustomListView_Cmd52),  // 52
    TODO(CustomListView_SetItemText),  // 53
    TODO(CustomListView_InsertItemFromObject),  // 54
    TODO(CustomListView_InsertItemEmbedded),  // 55
    TODO(CustomListView_MoveItem),  // 56
    TODO(CustomListView_Deselect),  // 57
    TODO(CustomListView_Cmd58),  // 58
    TODO(CustomListView_Cmd59),  // 59
    TODO(CustomListView_EnsureVisible),  // 60
    TODO(CustomListView_Cmd61),  // 61
    TODO(CustomListView_Cmd62),  // 62
    TODO(CustomListView_Cmd63),  // 63
    TODO(CustomListView_Cmd64),  // 64
    TODO(CustomListView_Cmd65),  // 65
    TODO(CustomListView_Cmd66),  // 66
    TODO(CustomListView_SelectOnly),  // 67
    TODO(CustomListView_Cmd68),  // 68
    TODO(CustomListView_Cmd69),  // 69
    TODO(CustomListView_SwapItems),  // 70
};
const CommandEntry kListBox[] = {
    TODO(ListBox_AddString),  // 31
    TODO(ListBox_DeleteString),  // 32
    TODO(ListBox_Dir),  // 33
    TODO(ListBox_FindStringExact),  // 34
    TODO(ListBox_GetCount35),  // 35
    TODO(ListBox_GetCurSel),  // 36
    TODO(ListBox_GetTopIndex),  // 37
    TODO(ListBox_GetItemData),  // 38
    TODO(ListBox_GetSelCount),  // 39
    TODO(ListBox_GetSelItems),  // 40
    TODO(ListBox_GetText),  // 41
    TODO(ListBox_GetCount42),  // 42
    TODO(ListBox_Cmd43),  // 43
    TODO(ListBox_SetSelection),  // 44
    TODO(ListBox_SelectRange),  // 45
    TODO(ListBox_SetTopIndex),  // 46
    TODO(ListBox_SetItemData),  // 47
    TODO(ListBox_SetString),  // 48
};
const CommandEntry kMdiWindow[] = {
    TODO(MdiWindow_Cmd31),  // 31
    TODO(MdiWindow_Close),  // 32
    TODO(MdiWindow_Mdigetactive),  // 33
    TODO(MdiWindow_Cmd34),  // 34
    TODO(MdiWindow_Cmd35),  // 35
    TODO(MdiWindow_OpenChild),  // 36
    TODO(MdiWindow_Cmd37),  // 37
    TODO(MdiWindow_Cmd38),  // 38
    TODO(MdiWindow_SetMenu),  // 39
    TODO(MdiWindow_Cmd40),  // 40
    TODO(MdiWindow_Cmd41),  // 41
};
const CommandEntry kPdfViewer[] = {
    TODO(PdfViewer_Cmd31),  // 31
};
const CommandEntry kWebBrowser[] = {
    TODO(WebBrowser_Cmd31),  // 31
    TODO(WebBrowser_Cmd32),  // 32
    TODO(WebBrowser_Cmd33),  // 33
    TODO(WebBrowser_Cmd34),  // 34
    TODO(WebBrowser_Cmd35),  // 35
    TODO(WebBrowser_IsBusy),  // 36
    TODO(WebBrowser_Navigate),  // 37
    TODO(WebBrowser_Cmd38),  // 38
    TODO(WebBrowser_Cmd39),  // 39
    TODO(WebBrowser_SetResizable),  // 40
    TODO(WebBrowser_SetStatusText),  // 41
    TODO(WebBrowser_SetAddressBar),  // 42
    TODO(WebBrowser_SetMenuBar),  // 43
    TODO(WebBrowser_SetToolBar),  // 44
    TODO(WebBrowser_Cmd45),  // 45
};
const CommandEntry kFlashMovie[] = {
    TODO(FlashMovie_Cmd31),  // 31
    TODO(FlashMovie_Cmd32),  // 32
    TODO(FlashMovie_GetCurrentFrame),  // 33
    TODO(FlashMovie_GetTotalFrames),  // 34
    TODO(FlashMovie_Cmd35),  // 35
    TODO(FlashMovie_Cmd36),  // 36
    TODO(FlashMovie_GotoFrame),  // 37
    TODO(FlashMovie_SetLoop),  // 38
    TODO(FlashMovie_Zoom),  // 39
    TODO(FlashMovie_Cmd40),  // 40
};
const CommandEntry kProgressBar[] = {
    TODO(ProgressBar_SetPos31),  // 31
    TODO(ProgressBar_Cmd32),  // 32
    TODO(ProgressBar_GetRange),  // 33
    TODO(ProgressBar_GetRange),  // 34
    TODO(ProgressBar_GetPos),  // 35
    TODO(ProgressBar_LoadImageFile),  // 36
    TODO(ProgressBar_LoadImageFromObject),  // 37
    TODO(ProgressBar_LoadImageEmbedded),  // 38
    TODO(ProgressBar_CopyImage),  // 39
    TODO(ProgressBar_SetBackColor),  // 40
    TODO(ProgressBar_SetRange),  // 41
    TODO(ProgressBar_SetPos42),  // 42
    TODO(ProgressBar_SetPos43),  // 43
};
const CommandEntry kRadioButton[] = {
    TODO(RadioButton_SetCheck),  // 31
    TODO(RadioButton_GetGroup),  // 32
    TODO(RadioButton_GetCheck),  // 33
    TODO(RadioButton_Cmd34),  // 34
};
const CommandEntry kRichEdit[] = {
    TODO(EditBox_Cmd31),  // 31
    TODO(EditBox_Cmd32),  // 32
    TODO(EditBox_Cmd33),  // 33
    TODO(RichEdit_FindText),  // 34
    TODO(RichEdit_Cmd35),  // 35
    TODO(RichEdit_GetSel36),  // 36
    TODO(EditBox_GetFirstVisibleLine),  // 37
    TODO(EditBox_GetLimitText),  // 38
    TODO(RichEdit_GetLine),  // 39
    TODO(EditBox_Cmd38),  // 40
    TODO(RichEdit_ExLineFromChar),  // 41
    TODO(RichEdit_GetLineLength),  // 42
    TODO(RichEdit_GetModify),  // 43
    TODO(RichEdit_Cmd44),  // 44
    TODO(RichEdit_Cmd45),  // 45
    TODO(RichEdit_GetSelTextLength),  // 46
    TODO(RichEdit_GetSel47),  // 47
    TODO(RichEdit_Cmd48),  // 48
    TODO(RichEdit_Cmd49),  // 49
    TODO(RichEdit_LoadFile),  // 50
    TODO(RichEdit_Cmd51),  // 51
    TODO(RichEdit_Streamin),  // 52
    TODO(EditBox_Cmd45),  // 53
    TODO(RichEdit_Cmd54),  // 54
    TODO(EditBox_ReplaceSel),  // 55
    TODO(RichEdit_SaveFile),  // 56
    TODO(RichEdit_SaveToObject),  // 57
    TODO(RichEdit_SetBackgroundColor),  // 58
    TODO(RichEdit_LimitText),  // 59
    TODO(RichEdit_SetModify),  // 60
    TODO(RichEdit_SetReadOnly),  // 61
    TODO(RichEdit_Cmd62),  // 62
    TODO(RichEdit_GetFontSize),  // 63
    TODO(RichEdit_SetFontSize),  // 64
    TODO(EditBox_Cmd51),  // 65
};
const CommandEntry kScrollBar[] = {
    TODO(ScrollBar_Increase),  // 31
    TODO(ScrollBar_Cmd32),  // 32
    TODO(ScrollBar_GetRange),  // 33
    TODO(ScrollBar_GetRange),  // 34
    TODO(ScrollBar_Cmd35),  // 35
    TODO(ScrollBar_GetPos),  // 36
    TODO(ScrollBar_Cmd37),  // 37
    TODO(DrawingTool_Cmd36),  // 38
    TODO(ScrollBar_SetRange),  // 39
    TODO(ScrollBar_SetPosReturnOld),  // 40
    TODO(ScrollBar_Decrease),  // 41
};
const CommandEntry kSlider[] = {
    TODO(Slider_SetPos31),  // 31
    NONE,  // 32
    TODO(Slider_GetRange),  // 33
    TODO(Slider_GetRange),  // 34
    NONE,  // 35
    TODO(Slider_GetPos),  // 36
    NONE,  // 37
    NONE,  // 38
    TODO(Slider_SetRange),  // 39
    TODO(Slider_SetPos40),  // 40
    TODO(Slider_SetPos41),  // 41
};
const CommandEntry kPanel[] = {
    TODO(Panel_GetColor),  // 31
    TODO(Panel_Cmd32),  // 32
};
const CommandEntry kTabControl[] = {
    TODO(TabControl_AddImage),  // 31
    TODO(TabControl_DeleteItem),  // 32
    TODO(TabControl_GetCurSel33),  // 33
    TODO(TabControl_GetItem),  // 34
    TODO(TabControl_GetItemCount),  // 35
    TODO(TabControl_Cmd36),  // 36
    TODO(TabControl_Cmd37),  // 37
    TODO(TabControl_GetCurSel38),  // 38
    TODO(TabControl_SetMinTabWidth),  // 39
    TODO(TabControl_SetItem),  // 40
};
const CommandEntry kScrollingWindow[] = {
    TODO(ScrollingWindow_Cmd31),  // 31
    TODO(ScrollingWindow_Cmd32),  // 32
    TODO(ScrollingWindow_Cmd33),  // 33
    TODO(ScrollingWindow_RenderToImage),  // 34
    TODO(ScrollingWindow_RenderToImage35),  // 35
    TODO(ScrollingWindow_LoadImageFile),  // 36
    TODO(ScrollingWindow_LoadImageFromObject),  // 37
    TODO(ScrollingWindow_LoadImageEmbedded),  // 38
    TODO(ScrollingWindow_Cmd39),  // 39
    TODO(ScrollingWindow_SetScrollSpeed),  // 40
    TODO(ScrollingWindow_Cmd41),  // 41
    TODO(ScrollingWindow_Cmd42),  // 42
};
const CommandEntry kToolBar[] = {
    TODO(ToolBar_Cmd31),  // 31
    TODO(ToolBar_LoadButtonImages),  // 32
    TODO(ToolBar_LoadButtonImages33),  // 33
    TODO(ToolBar_EnableAll),  // 34
    TODO(ToolBar_EnableButton),  // 35
    TODO(ToolBar_Cmd36),  // 36
    TODO(ToolBar_Cmd37),  // 37
    TODO(ToolBar_Cmd38),  // 38
    TODO(ToolBar_SetValue),  // 39
    TODO(ToolBar_Cmd40),  // 40
};
const CommandEntry kTreeView[] = {
    TODO(ListView_Cmd31),  // 31
    TODO(TreeView_AddImage),  // 32
    TODO(TreeView_MoveItemAfter),  // 33
    TODO(TreeView_DeleteItem),  // 34
    TODO(TreeView_Expand),  // 35
    TODO(TreeView_Cmd36),  // 36
    TODO(TreeView_GetNextItem37),  // 37
    TODO(TreeView_GetCount),  // 38
    TODO(TreeView_GetNextItem39),  // 39
    TODO(TreeView_Cmd40),  // 40
    TODO(TreeView_Getnextitem),  // 41
    TODO(TreeView_GetNextItem42),  // 42
    TODO(TreeView_Cmd43),  // 43
    TODO(TreeView_GetNextItem44),  // 44
    TODO(TreeView_GetItemText),  // 45
    TODO(TreeView_GetNextItem46),  // 46
    TODO(TreeView_GetNextItem47),  // 47
    TODO(TreeView_GetNextItem48),  // 48
    TODO(TreeView_GetNextItem49),  // 49
    TODO(TreeView_Cmd50),  // 50
    TODO(TreeView_IsExpanded),  // 51
    TODO(TreeView_LoadFile),  // 52
    TODO(TreeView_LoadFromObject),  // 53
    TODO(TreeView_LoadEmbedded),  // 54
    TODO(TreeView_MoveItem),  // 55
    TODO(TreeView_Cmd56),  // 56
    TODO(ListView_ClearArray),  // 57
    TODO(TreeView_Cmd58),  // 58
    TODO(TreeView_SaveToText),  // 59
    TODO(TreeView_SaveToObject),  // 60
    TODO(TreeView_Cmd61),  // 61
    TODO(TreeView_SelectItem),  // 62
    TODO(TreeView_SetItemData),  // 63
    TODO(TreeView_SetItemData2),  // 64
    TODO(TreeView_SetItemText),  // 65
    TODO(TreeView_Sortchildren),  // 66
};
const CommandEntry kVideoPlayer[] = {
    TODO(MediaPlayer_Cmd2),  // 31
    TODO(VideoPlayer_SetMute),  // 32
    TODO(VideoPlayer_Cmd33),  // 33
    TODO(VideoPlayer_GetPosition),  // 34
    TODO(VideoPlayer_GetVideoPosition35),  // 35
    TODO(VideoPlayer_GetVideoPosition36),  // 36
    TODO(VideoPlayer_GetDuration),  // 37
    TODO(VideoPlayer_Cmd38),  // 38
    TODO(VideoPlayer_Cmd39),  // 39
    TODO(MediaPlayer_IsSubFlagSet),  // 40
    TODO(MediaPlayer_Cmd6),  // 41
    TODO(VideoPlayer_Open),  // 42
    TODO(MediaPlayer_Cmd8),  // 43
    TODO(MediaPlayer_Cmd9),  // 44
    TODO(VideoPlayer_SetPosition),  // 45
    TODO(VideoPlayer_Cmd46),  // 46
    TODO(VideoPlayer_Cmd47),  // 47
    TODO(MediaPlayer_Cmd11),  // 48
};

struct TypeCommands {
    int First;
    int Count;
    const CommandEntry* Entries;
};

const TypeCommands kTypes[qbk::kObjectTypeCount] = {
    {0, 3, kCondition},  // 0
    {0, 2, kLoop},  // 1
    {0, 2, kWindowCall},  // 2
    {31, 38, kWindow},  // 3
    {0, 31, kFileSystem},  // 4
    {0, 27, kApplication},  // 5
    {0, 4, kKeyboard},  // 6
    {0, 29, kMath},  // 7
    {0, 1, kMessageBox},  // 8
    {0, 25, kMouse},  // 9
    {0, 18, kSystem},  // 10
    {0, 13, kTime},  // 11
    {2, 9, kByteBuffer},  // 12
    {2, 14, kCdAudio},  // 13
    {2, 24, kRecordTable},  // 14
    {2, 8, kDllCall},  // 15
    {2, 16, kTextFile},  // 16
    {2, 16, kFont},  // 17
    {2, 7, kIniFile},  // 18
    {2, 9, kLocalNumber},  // 19
    {2, 14, kLocalText},  // 20
    {2, 23, kDataStream},  // 21
    {2, 12, kMenuBar},  // 22
    {2, 12, kPopupMenu},  // 23
    {2, 16, kMidiPlayer},  // 24
    {2, 6, kInternet},  // 25
    {2, 3, kClientSocket},  // 26
    {2, 8, kServerSocket},  // 27
    {2, 9, kNumberVariable},  // 28
    {2, 15, kArrayVariable},  // 29
    {2, 40, kDrawingTool},  // 30
    {2, 4, kObjectReference},  // 31
    {2, 14, kObjectList},  // 32
    {2, 12, kPrinter},  // 33
    {2, 4, kRegistry},  // 34
    {2, 9, kFileDialog},  // 35
    {2, 19, kSerialPort},  // 36
    {2, 7, kWaveSound},  // 37
    {2, 10, kMediaPlayer},  // 38
    {2, 14, kTextVariable},  // 39
    {2, 18, kStringList},  // 40
    {2, 21, kBitmap},  // 41
    {2, 5, kTrayIcon},  // 42
    {2, 14, kToolTip},  // 43
    {2, 13, kDvdPlayer},  // 44
    {31, 28, kAnimation},  // 45
    {0, 0, nullptr},  // 46 Button
    {31, 14, kImageButton},  // 47
    {31, 2, kCheckBox},  // 48
    {31, 13, kComboBox},  // 49
    {31, 14, kPicture},  // 50
    {31, 21, kEditBox},  // 51
    {31, 2, kExtension},  // 52
    {31, 39, kGrid},  // 53
    {0, 0, nullptr},  // 54 GroupBox
    {31, 30, kListView},  // 55
    {31, 11, kShapedImage},  // 56
    {31, 40, kCustomListView},  // 57
    {31, 18, kListBox},  // 58
    {31, 11, kMdiWindow},  // 59
    {31, 1, kPdfViewer},  // 60
    {31, 15, kWebBrowser},  // 61
    {31, 10, kFlashMovie},  // 62
    {31, 13, kProgressBar},  // 63
    {31, 4, kRadioButton},  // 64
    {31, 35, kRichEdit},  // 65
    {31, 11, kScrollBar},  // 66
    {31, 11, kSlider},  // 67
    {31, 2, kPanel},  // 68
    {31, 10, kTabControl},  // 69
    {31, 12, kScrollingWindow},  // 70
    {31, 10, kToolBar},  // 71
    {31, 36, kTreeView},  // 72
    {31, 18, kVideoPlayer},  // 73
};

const CommandEntry kObjectCommands[] = {CMD(Object_GetId), CMD(Object_GetName)};

const CommandEntry kControlCommands[] = {
    TODO(Control_Enable),  // 2
    TODO(Control_Setredraw),  // 3
    TODO(Control_GetHeight),  // 4
    TODO(Control_GetClientHeight),  // 5
    TODO(Control_GetClientWidth),  // 6
    TODO(Control_GetLeftBorder),  // 7
    TODO(Control_GetTopBorder),  // 8
    TODO(Control_GetText),  // 9
    TODO(Control_GetUserData),  // 10
    TODO(Control_GetWidth),  // 11
    TODO(Control_GetHandle),  // 12
    TODO(Control_GetLeft),  // 13
    TODO(Control_GetTop),  // 14
    TODO(Control_HasFocus),  // 15
    TODO(Control_IsEnabled),  // 16
    TODO(Control_IsVisible),  // 17
    TODO(Control_Redraw),  // 18
    TODO(Control_SetFocus),  // 19
    TODO(Control_SetFont),  // 20
    TODO(Control_Move),  // 21
    TODO(Control_Resize),  // 22
    TODO(Control_ResizeClient),  // 23
    TODO(Control_SetText),  // 24
    TODO(Control_SetUserData),  // 25
    TODO(Control_Show),  // 26
    TODO(Control_ClientToScreenX),  // 27
    TODO(Control_ScreenToClientX),  // 28
    TODO(Control_ClientToScreenY),  // 29
    TODO(Control_ScreenToClientY),  // 30
};

}  // namespace

const CommandEntry* ScriptCommandTable::FindOwn(int type, int command) const
{
    if (type < 0 || type >= qbk::kObjectTypeCount) return nullptr;
    const TypeCommands& commands = kTypes[type];
    if (command < commands.First || command >= commands.First + commands.Count) return nullptr;
    const CommandEntry& entry = commands.Entries[command - commands.First];
    return entry.Name ? &entry : nullptr;
}

const CommandEntry* ScriptCommandTable::FindObjectCommand(int command) const
{
    return command == 0 || command == 1 ? &kObjectCommands[command] : nullptr;
}

const CommandEntry* ScriptCommandTable::FindControlCommand(int command) const
{
    return command >= 2 && command <= 30 ? &kControlCommands[command - 2] : nullptr;
}

const ScriptCommandTable& GetScriptCommandTable()
{
    static const ScriptCommandTable table;
    return table;
}
