// The 74 object types of a project: their names and how many event scripts each one has.
// Header-only so that the project writer (a native tool) shares the same table.
#pragma once

namespace qbk {

constexpr int kObjectTypeCount = 74;
// Entries 0 to 11 of every window are its built-in objects, entry i of type i.
constexpr int kBuiltInObjectCount = 12;
constexpr int kWindowObjectIndex = 3;

enum ObjectType : int {
    TypeCondition = 0,
    TypeLoop = 1,
    TypeWindowCall = 2,
    TypeWindow = 3,
    TypeFileSystem = 4,
    TypeApplication = 5,
    TypeKeyboard = 6,
    TypeMath = 7,
    TypeMessageBox = 8,
    TypeMouse = 9,
    TypeSystem = 10,
    TypeTime = 11,
    TypeByteBuffer = 12,
    TypeCdAudio = 13,
    TypeRecordTable = 14,
    TypeDllCall = 15,
    TypeTextFile = 16,
    TypeFont = 17,
    TypeIniFile = 18,
    TypeLocalNumber = 19,
    TypeLocalText = 20,
    TypeDataStream = 21,
    TypeMenuBar = 22,
    TypePopupMenu = 23,
    TypeMidiPlayer = 24,
    TypeInternet = 25,
    TypeClientSocket = 26,
    TypeServerSocket = 27,
    TypeNumberVariable = 28,
    TypeArrayVariable = 29,
    TypeDrawingTool = 30,
    TypeObjectReference = 31,
    TypeObjectList = 32,
    TypePrinter = 33,
    TypeRegistry = 34,
    TypeFileDialog = 35,
    TypeSerialPort = 36,
    TypeWaveSound = 37,
    TypeMediaPlayer = 38,
    TypeTextVariable = 39,
    TypeStringList = 40,
    TypeBitmap = 41,
    TypeTrayIcon = 42,
    TypeToolTip = 43,
    TypeDvdPlayer = 44,
    TypeAnimation = 45,
    TypeButton = 46,
    TypeImageButton = 47,
    TypeCheckBox = 48,
    TypeComboBox = 49,
    TypePicture = 50,
    TypeEditBox = 51,
    TypeExtension = 52,
    TypeGrid = 53,
    TypeGroupBox = 54,
    TypeListView = 55,
    TypeShapedImage = 56,
    TypeCustomListView = 57,
    TypeListBox = 58,
    TypeMdiWindow = 59,
    TypePdfViewer = 60,
    TypeWebBrowser = 61,
    TypeFlashMovie = 62,
    TypeProgressBar = 63,
    TypeRadioButton = 64,
    TypeRichEdit = 65,
    TypeScrollBar = 66,
    TypeSlider = 67,
    TypePanel = 68,
    TypeTabControl = 69,
    TypeScrollingWindow = 70,
    TypeToolBar = 71,
    TypeTreeView = 72,
    TypeVideoPlayer = 73,
};

// Types by group: the built-in objects (0 to 11; the window itself is type 3), the objects without
// a window of their own (12 to 44) and the visual controls (45 to 73).
constexpr int kFirstNonVisualType = TypeByteBuffer;
constexpr int kFirstVisualType = TypeAnimation;

// Command numbers by group. Commands 0 and 1 (object id and name) are shared by the window and by
// every type from 12 on; commands 2 to 30 (the control commands) by the window and the visual
// controls. A type's own commands follow its shared ones; the built-in types other than the window
// have no shared commands and number their own from 0.
constexpr int kFirstObjectCommand = 0;
constexpr int kLastObjectCommand = 1;
constexpr int kFirstControlCommand = 2;
constexpr int kLastControlCommand = 30;

// A type number beyond the last type takes the shared commands of the visual controls.
constexpr bool HasObjectCommands(int type) { return type == TypeWindow || type >= kFirstNonVisualType; }
constexpr bool HasControlCommands(int type) { return type == TypeWindow || type >= kFirstVisualType; }
constexpr int FirstOwnCommand(int type)
{
    return HasControlCommands(type) ? kLastControlCommand + 1 : HasObjectCommands(type) ? kLastObjectCommand + 1 : 0;
}

inline const char* ObjectTypeName(int type)
{
    static const char* const names[kObjectTypeCount] = {
        "Condition",      "Loop",           "WindowCall",      "Window",
        "FileSystem",     "Application",    "Keyboard",        "Math",
        "MessageBox",     "Mouse",          "System",          "Time",
        "ByteBuffer",     "CdAudio",        "RecordTable",     "DllCall",
        "TextFile",       "Font",           "IniFile",         "LocalNumber",
        "LocalText",      "DataStream",     "MenuBar",         "PopupMenu",
        "MidiPlayer",     "Internet",       "ClientSocket",    "ServerSocket",
        "NumberVariable", "ArrayVariable",  "DrawingTool",     "ObjectReference",
        "ObjectList",     "Printer",        "Registry",        "FileDialog",
        "SerialPort",     "WaveSound",      "MediaPlayer",     "TextVariable",
        "StringList",     "Bitmap",         "TrayIcon",        "ToolTip",
        "DvdPlayer",      "Animation",      "Button",          "ImageButton",
        "CheckBox",       "ComboBox",       "Picture",         "EditBox",
        "Extension",      "Grid",           "GroupBox",        "ListView",
        "ShapedImage",    "CustomListView", "ListBox",         "MdiWindow",
        "PdfViewer",      "WebBrowser",     "FlashMovie",      "ProgressBar",
        "RadioButton",    "RichEdit",       "ScrollBar",       "Slider",
        "Panel",          "TabControl",     "ScrollingWindow", "ToolBar",
        "TreeView",       "VideoPlayer"};
    return type >= 0 && type < kObjectTypeCount ? names[type] : "";
}

// Number of event scripts of each type; fixed, not stored in the project.
inline int ObjectTypeEventCount(int type)
{
    switch (type) {
    case 2: return 100;
    case 3: return 18;
    case 6: return 3;
    case 9: return 2;
    case 11: return 1;
    case 22: return 1;
    case 23: return 1;
    case 26: return 2;
    case 27: return 4;
    case 38: return 1;
    case 42: return 6;
    case 45: return 12;
    case 46: return 6;
    case 47: return 4;
    case 48: return 3;
    case 49: return 4;
    case 51: return 5;
    case 52: return 1;
    case 53: return 1;
    case 55: return 12;
    case 56: return 12;
    case 57: return 16;
    case 58: return 4;
    case 59: return 9;
    case 64: return 3;
    case 65: return 16;
    case 66: return 1;
    case 67: return 1;
    case 69: return 1;
    case 71: return 1;
    case 72: return 14;
    case 73: return 11;
    default: return 0;
    }
}

}  // namespace qbk
