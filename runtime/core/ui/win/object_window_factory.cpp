// The window of every object that shows something (or needs a window of its own): the control or
// window class behind its type, its geometry, font, colours and the type's properties.
#include <cstdlib>
#include <memory>

#include "activex_host.h"
#include "anim_ctrl.h"
#include "control_notify.h"
#include "custom_list_wnd.h"
#include "extension_plugin.h"
#include "digit_display_rules.h"
#include "flat_button.h"
#include "folder_tree_ctrl.h"
#include "fw_controls.h"
#include "grid_ctrl.h"
#include "group_box.h"
#include "key_edit.h"
#include "notify_button.h"
#include "image_bitmap.h"
#include "image_progress_ctrl.h"
#include "panel_wnd.h"
#include "scrolling_wnd.h"
#include "picture_static.h"
#include "shape_button.h"
#include "print_job_part.h"
#include "project_window.h"
#include "string_tokenizer.h"
#include "tool_bar_wnd.h"
#include "window_services.h"

namespace {

constexpr int kControlIdBase = 3000;
constexpr int kMaxToolTipControls = 16;
constexpr int kMaxTabs = 8;
constexpr int kMaxToolBarButtons = 16;
constexpr DWORD kRichEditEvents = ENM_CHANGE | ENM_SCROLL | ENM_KEYEVENTS | ENM_MOUSEEVENTS;
constexpr COLORREF kImageTransparent = RGB(255, 0, 255);
constexpr UINT kDigitStripResource = 110;
constexpr int kDigitStripCell = 13;  // the width of a cell of the built-in strip
constexpr int kDigitHeight = 17;

// What every row of the factory works with.
struct Making {
    CProjectRuntime& Runtime;
    WindowRecord& Window;
    ObjectRecord& Object;
    CWnd* Parent;
    UINT Id;
    RECT Rect;

    CString Property(const char* name) const { return GetPropertyValue(name, Object.Properties); }
    // The window's font to the new control.
    void SetFont(CWnd& control) const
    {
        auto* window = dynamic_cast<CProjectWnd*>(Parent);
        control.SendMessage(WM_SETFONT, WPARAM(window ? window->FontHandle() : nullptr), TRUE);
    }
};

// A property counts as set when it is neither empty nor "None" in any case.
bool IsSet(const CString& value) { return !value.IsEmpty() && value.CompareNoCase("None") != 0; }

// "Content": the texts of a list, separated by '|', quoted with '"'.
template <class List>
void AddContent(const Making& make, List& list)
{
    CStringTokenizer pieces(make.Property("Content"));
    const int count = pieces.Split("|", '"', 0);
    for (int i = 0; i < count; ++i) list.AddString(pieces.GetAt(i));
}

// The picture a property names, loaded as a BMP from the project's embedded files; null when the
// property is not set or the picture does not load.
std::unique_ptr<CImageBitmap> LoadPropertyImage(const Making& make, const char* property)
{
    const CString name = make.Property(property);
    if (!IsSet(name)) return nullptr;
    CMemFile* file = make.Runtime.OpenEmbeddedFile(name);
    auto image = std::make_unique<CImageBitmap>();
    if (!file || !image->LoadBmp(file)) return nullptr;
    return image;
}

// "Transparent Color" as a colour; -1 (none) when it is -1 or not there at all.
COLORREF TransparentColor(const Making& make)
{
    const CString value = make.Property("Transparent Color");
    return value.IsEmpty() ? COLORREF(-1) : COLORREF(atoi(value));
}

COLORREF ColorOr(int colour, int systemColour) { return colour == -1 ? ::GetSysColor(systemColour) : COLORREF(colour); }

// 1 for the word of the middle, 2 for the word of the far side, else 0.
int AlignOf(const CString& word, const char* middleWord, const char* farWord)
{
    return word.CompareNoCase(middleWord) == 0 ? 1 : word.CompareNoCase(farWord) == 0 ? 2 : 0;
}

CString Numbered(const char* name, int i)
{
    CString text;
    text.Format("%s %d", name, i);
    return text;
}

// An "Object" property "window:object" turns into the ids of that object.
void ResolveObjectReference(const Making& make)
{
    const CString target = make.Property("Object");
    const int colon = target.Find(':');
    if (colon < 0) return;
    const CString windowName = target.Left(colon), objectName = target.Mid(colon + 1);
    if (!CProjectRuntime::IsValidName(windowName) || !CProjectRuntime::IsValidName(objectName)) return;
    const WindowRecord* window = make.Runtime.FindWindowByName(windowName);
    if (!window) return;
    for (const auto& object : window->Objects) {
        if (object->Name != objectName) continue;
        make.Object.Numbers = {double(window->Id), double(object->Id)};
        return;
    }
}

// The tips of a ToolTip object: a control of the window's own, kept apart from the object's window,
// that sees every message of the main loop.
void MakeToolTip(const Making& make)
{
    auto tip = std::make_unique<CToolTipCtrl>();
    tip->Create(make.Parent, 0);
    make.SetFont(*tip);
    make.Runtime.m_forwardWindows.push_back(tip.get());
    for (int i = 0; i < kMaxToolTipControls; ++i) {
        const CString name = make.Property(Numbered("Control", i));
        if (!IsSet(name)) break;
        for (const auto& object : make.Window.Objects)
            if (object->Name == name && object->WindowObject)
                tip->AddTool(object->WindowObject, make.Property(Numbered("Text", i)));
    }
    CWnd* old = make.Object.SecondWindowObject;
    make.Object.SecondWindowObject = tip.release();
    if (old) {
        const int forward = make.Runtime.FindForwardingIndex(old);
        if (forward >= 0) make.Runtime.m_forwardWindows.erase(make.Runtime.m_forwardWindows.begin() + forward);
        DestroyWindowInstance(old);
    }
}

std::unique_ptr<CWnd> MakeWindowOfClass(const Making& make, const char* className, DWORD exStyle, DWORD style,
                                        const RECT& rect)
{
    auto window = std::make_unique<CWnd>();
    window->CreateEx(exStyle, className, "", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     make.Parent ? make.Parent->GetSafeHwnd() : nullptr,
                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(make.Id)));
    return window;
}

std::unique_ptr<CWnd> MakeMdiClient(const Making& make)
{
    DWORD style = make.Object.Style;
    if (style & 0x114) style |= 0x115;
    CLIENTCREATESTRUCT creation = {nullptr, 0};
    auto client = std::make_unique<CMdiClientWnd>(make.Runtime, make.Window, make.Object);
    client->CreateEx(make.Object.ExStyle, "MDICLIENT", nullptr, style, make.Rect.left, make.Rect.top,
                     make.Rect.right - make.Rect.left, make.Rect.bottom - make.Rect.top,
                     make.Parent ? make.Parent->GetSafeHwnd() : nullptr,
                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(make.Id)), &creation);
    if (client->GetSafeHwnd())
        ::SetClassLongA(*client, GCL_STYLE, LONG(::GetClassLongA(*client, GCL_STYLE) | CS_DBLCLKS));
    make.Window.Self()->HasMdiClient = 1;
    return client;
}

// The object's colour, or the system colour `fallback` for -1.
COLORREF ColourOr(int colour, int fallback) { return colour == -1 ? ::GetSysColor(fallback) : COLORREF(colour); }

// The image a property names, read as a BMP from the project's embedded file of that name.
bool LoadEmbeddedBmp(const Making& make, const char* property, CImageBitmap& image)
{
    const CString name = make.Property(property);
    if (!IsSet(name)) return false;
    CMemFile* file = make.Runtime.OpenEmbeddedFile(name);
    return file && image.LoadBmp(file);
}

// The animation notifies its window of the mouse; its "Image" is an animation file of the project,
// and only an animation that loads takes the colours and starts by itself.
std::unique_ptr<CWnd> MakeAnimation(const Making& make)
{
    auto animation = std::make_unique<CAnimCtrl>();
    animation->Create(make.Object.Style, make.Parent, make.Rect, make.Id);
    animation->SetNotify(true);
    const CString name = make.Property("Image");
    if (!IsSet(name)) return animation;
    CMemFile* file = make.Runtime.OpenEmbeddedFile(name);
    if (!file || !animation->LoadStream(file)) return animation;
    if (make.Object.BackColor != -1) animation->SetBackColor(COLORREF(make.Object.BackColor));
    const int transparent = atoi(make.Property("Transparent Color"));
    if (transparent != -1) animation->SetTransparentColor(transparent);
    if (atoi(make.Property("Auto Play")) != 0) animation->Play();
    return animation;
}

std::unique_ptr<CWnd> MakeProgressBar(const Making& make)
{
    auto bar = std::make_unique<CImageProgressCtrl>();
    bar->Create(make.Object.Style, make.Rect, make.Parent, make.Id);
    bar->SetBackColor(ColourOr(make.Object.BackColor, COLOR_WINDOW));
    // The range first: a position outside the control's present range would be cut to it.
    bar->SetRange32(atoi(make.Property("Min Value")), atoi(make.Property("Max Value")));
    bar->SetPos(atoi(make.Property("Value")));
    CImageBitmap image;
    if (LoadEmbeddedBmp(make, "Image", image) && image.CopyTo(&bar->Image())) bar->UpdateBitmapSize();
    return bar;
}

std::unique_ptr<CWnd> MakePanel(const Making& make)
{
    auto panel = std::make_unique<CPanelWnd>();
    panel->Create("", make.Object.Style, make.Rect, make.Parent, make.Id);
    panel->SetBorder(make.Object.ExtraStyle, make.Object.Flags);
    panel->SetColor(ColourOr(make.Object.BackColor, COLOR_BTNFACE));
    return panel;
}

// A number property counts as on when it reads as a number other than 0.
bool IsOn(const Making& make, const char* property) { return atoi(make.Property(property)) != 0; }

std::unique_ptr<CWnd> MakeScrollingWindow(const Making& make)
{
    auto ticker = std::make_unique<CScrollingWnd>();
    ticker->Create(make.Object.Caption, make.Object.Style, make.Rect, make.Parent, make.Id);
    make.SetFont(*ticker);
    ticker->SetBackColor(ColourOr(make.Object.BackColor, COLOR_BTNFACE));
    ticker->SetTextColor(ColourOr(make.Object.TextColor, COLOR_BTNTEXT));
    ticker->SetTextFormat(make.Object.Flags);
    ticker->SetTransparent(IsOn(make, "Transparency"));
    ticker->SetStretch(IsOn(make, "Stretch Mode"));
    if (LoadEmbeddedBmp(make, "Image", ticker->Image())) ticker->ShowImage(true);
    ticker->Redraw();
    return ticker;
}

std::unique_ptr<CWnd> MakeTabControl(const Making& make)
{
    auto tabs = std::make_unique<CTabCtrl>();
    tabs->Create(make.Object.Style, make.Rect, make.Parent, make.Id);
    make.SetFont(*tabs);
    for (int i = 0; i < kMaxTabs; ++i) {
        const CString text = make.Property(Numbered("Tab", i));
        if (text.IsEmpty()) break;
        tabs->InsertItem(i, text);
    }
    return tabs;
}

// The bar's buttons come from its "Button Image" properties, read by content; one that does not
// load is left out. Only buttons, not separators, take the tip texts, numbered among themselves.
std::unique_ptr<CWnd> MakeToolBar(const Making& make)
{
    auto bar = std::make_unique<CToolBarWnd>();
    bar->Create(make.Object.Style, make.Parent, make.Rect, make.Id);
    if (make.Object.BackColor != -1) bar->SetColor(COLORREF(make.Object.BackColor));
    int button = 0;
    for (int i = 0; i < kMaxToolBarButtons; ++i) {
        const CString name = make.Property(Numbered("Button Image", i));
        if (!IsSet(name)) break;
        CMemFile* file = make.Runtime.OpenEmbeddedFile(name);
        CImageBitmap image;
        if (!file || !image.LoadStream(file)) continue;
        const bool separator = make.Property(Numbered("Button Separator", i)) == "1";
        if (!bar->AddButton(&image, kImageTransparent, separator) || separator) continue;
        bar->SetButtonToolTip(button++, make.Property(Numbered("Button ToolTip", i)));
    }
    if (IsOn(make, "Tool Tip")) bar->ActivateToolTips(true);
    return bar;
}

// A control made with the object's caption and the given style, in the window's font.
template <class Control>
std::unique_ptr<Control> MakeCaptioned(const Making& make, DWORD style)
{
    auto control = std::make_unique<Control>();
    control->Create(make.Object.Caption, style, make.Rect, make.Parent, make.Id);
    make.SetFont(*control);
    return control;
}

std::unique_ptr<CWnd> MakeImageButton(const Making& make)
{
    auto button = MakeCaptioned<CFlatButton>(make, make.Object.Style);
    const COLORREF back = ColorOr(make.Object.BackColor, COLOR_BTNFACE);
    const COLORREF text = ColorOr(make.Object.TextColor, COLOR_BTNTEXT);
    button->SetColor(CFlatButton::BackActive, back, true);
    button->SetColor(CFlatButton::BackNormal, back, true);
    button->SetColor(CFlatButton::TextActive, text, true);
    button->SetColor(CFlatButton::TextNormal, text, true);
    std::unique_ptr<CImageBitmap> normal = LoadPropertyImage(make, "Image");
    if (!normal) return button;
    std::unique_ptr<CImageBitmap> hover = LoadPropertyImage(make, "Image Over");
    button->SetBitmaps(normal.release(), kImageTransparent, hover.release(), kImageTransparent);
    button->SetAlign(AlignOf(make.Property("Image Align"), "Top", "Right"));
    return button;
}

// A digit display sized to its strip: the project's "Image" or the built-in one, as many digits as
// fit the width; the object's width becomes a multiple of the built-in cell.
std::unique_ptr<CWnd> MakeDigitDisplay(const Making& make)
{
    ObjectRecord& object = make.Object;
    RECT rect = make.Rect;
    rect.bottom = rect.top + kDigitHeight;
    auto display = std::make_unique<CPictureStatic>();
    display->Create("", object.Style, rect, make.Parent, make.Id);
    display->SetValue(0, true);
    const int width = rect.right - rect.left;
    if (IsSet(make.Property("Image"))) {
        CBitmap& strip = display->GetBitmap();
        if (std::unique_ptr<CImageBitmap> image = LoadPropertyImage(make, "Image")) {
            const CSize size = image->GetSize();
            if (image->CopyTo(&strip)) {
                display->SetBitmap();
                rect.bottom = rect.top + size.cy;
                display->SetDigitCount(qbk::DigitsForWidth(width, display->GetCellWidth()));
            }
        }
    } else {
        display->LoadStrip(kDigitStripResource, width / kDigitStripCell);
    }
    const COLORREF transparent = TransparentColor(make);
    if (transparent != COLORREF(-1)) display->SetTransparentColor(transparent);
    rect.right = rect.left + width / kDigitStripCell * kDigitStripCell;
    ::SetWindowPos(*display, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    object.Left = rect.left, object.Top = rect.top;
    object.Width = rect.right - rect.left, object.Height = rect.bottom - rect.top;
    return display;
}

std::unique_ptr<CWnd> MakeShapedImage(const Making& make)
{
    ObjectRecord& object = make.Object;
    auto shape = std::make_unique<CShapeButton>();
    RECT rect = make.Rect;
    if (std::unique_ptr<CImageBitmap> image = LoadPropertyImage(make, "Image")) {
        shape->Image().Assign(*image);
        if (make.Property("Auto Resize").CompareNoCase("1") == 0) {
            const CSize size = image->GetSize();
            object.Width = size.cx, object.Height = size.cy;
            rect.right = rect.left + size.cx, rect.bottom = rect.top + size.cy;
        }
    }
    shape->Create("", object.Style, rect, make.Parent, make.Id);
    if (object.BackColor != -1) shape->SetBackColor(COLORREF(object.BackColor));
    const COLORREF transparent = TransparentColor(make);
    if (transparent != COLORREF(-1)) shape->SetTransparentColor(transparent);
    if (atoi(make.Property("Stretch Mode")) != 0) shape->SetStretch(true);
    shape->SetAlign(AlignOf(make.Property("Horizontal Align"), "Center", "Right"),
                    AlignOf(make.Property("Vertical Align"), "Center", "Bottom"));
    return shape;
}

std::unique_ptr<CWnd> MakeTreeView(const Making& make)
{
    auto tree = std::make_unique<CFolderTreeCtrl>();
    tree->Create(make.Object.Style, make.Rect, make.Parent, make.Id);
    make.SetFont(*tree);
    if (make.Object.BackColor != -1) tree->SendMessage(TVM_SETBKCOLOR, 0, LPARAM(make.Object.BackColor));
    if (make.Object.TextColor != -1) tree->SendMessage(TVM_SETTEXTCOLOR, 0, LPARAM(make.Object.TextColor));
    return tree;
}

// The list reports through the runtime's notice routine; its options come from the properties.
std::unique_ptr<CWnd> MakeCustomList(const Making& make)
{
    auto list = std::make_unique<CCustomListWnd>();
    list->Create(make.Object.Style, make.Parent, make.Rect, make.Id);
    auto* window = dynamic_cast<CProjectWnd*>(make.Parent);
    list->SetFont(window ? window->FontHandle() : nullptr, TRUE);
    if (make.Object.BackColor != -1) {
        list->SetColour(CCustomListWnd::Back, COLORREF(make.Object.BackColor));
        list->Redraw();
    }
    if (IsOn(make, "Label")) list->SetLabels(true);
    if (IsOn(make, "Drag and Drop")) list->SetDragDrop(true);
    if (IsOn(make, "Selection")) list->SetSelection(true);
    if (IsOn(make, "Ex Selection")) list->SetMultipleSelection(true);
    if (IsOn(make, "Sort")) list->SetSorted(true);
    list->SetForward(&ControlNotify);
    return list;
}

// A host of the control its class names; null when the control cannot be made (not installed).
template <class Host>
std::unique_ptr<CWnd> MakeActiveXHost(const Making& make, bool withFont)
{
    auto host = std::make_unique<Host>();
    if (!host->CreateControl(Host::kProgId, make.Object.Caption, make.Object.Style, make.Rect, make.Parent, make.Id))
        return nullptr;
    if (withFont) make.SetFont(*host);
    return host;
}

// The new instance of the object's type; null for the types without one.
std::unique_ptr<CWnd> MakeInstance(const Making& make)
{
    ObjectRecord& object = make.Object;
    const DWORD style = object.Style;
    switch (object.Type) {
    case qbk::TypeClientSocket:
    case qbk::TypeServerSocket: return MakeWindowOfClass(make, "QUILLBRICKSOCKET", 0, WS_CHILD, RECT{0, 0, 0, 0});
    case qbk::TypeAnimation: return MakeAnimation(make);
    case qbk::TypeButton: return MakeCaptioned<CNotifyButton>(make, style);
    case qbk::TypeImageButton: return MakeImageButton(make);
    case qbk::TypePicture: return MakeDigitDisplay(make);
    case qbk::TypeShapedImage: return MakeShapedImage(make);
    case qbk::TypeEditBox: {
        auto edit = std::make_unique<CKeyEdit>();
        edit->CreateEx(object.ExStyle, object.Caption, style, make.Rect, make.Parent, make.Id);
        make.SetFont(*edit);
        return edit;
    }
    case qbk::TypeGroupBox: return MakeCaptioned<CGroupBox>(make, style);
    case qbk::TypeCheckBox:
    case qbk::TypeRadioButton: {
        const bool check = object.Type == qbk::TypeCheckBox;
        auto button = MakeCaptioned<CButton>(make, style | (check ? BS_CHECKBOX : BS_RADIOBUTTON));
        if (!check) object.Numbers = {double(atoi(make.Property("Group")))};
        return button;
    }
    case qbk::TypeComboBox: {
        auto combo = std::make_unique<CComboBox>();
        combo->Create(style, make.Rect, make.Parent, make.Id);
        make.SetFont(*combo);
        AddContent(make, *combo);
        return combo;
    }
    case qbk::TypeExtension: {
        auto control = MakeCaptioned<CStatic>(make, style);
        LoadExtensionPlugin(make.Runtime, make.Window.Id, object, make.Parent ? make.Parent->GetSafeHwnd() : nullptr,
                            control->GetSafeHwnd());
        return control;
    }
    case qbk::TypeGrid: {
        auto grid = std::make_unique<CGridCtrl>(0, 0, 0, 0);
        grid->Create(make.Rect, make.Parent, make.Id, style);
        make.SetFont(*grid);
        return grid;
    }
    case qbk::TypeListView: {
        auto list = std::make_unique<CListCtrl>();
        list->Create(style, make.Rect, make.Parent, make.Id);
        make.SetFont(*list);
        list->SetExtendedStyle(list->GetExtendedStyle() | object.ExtraStyle);
        return list;
    }
    case qbk::TypeCustomListView: return MakeCustomList(make);
    case qbk::TypeListBox: {
        auto list = std::make_unique<CListBox>();
        list->CreateEx(object.ExStyle, style | LBS_NOTIFY, make.Rect, make.Parent, make.Id);
        make.SetFont(*list);
        AddContent(make, *list);
        return list;
    }
    case qbk::TypeMdiWindow: return MakeMdiClient(make);
    case qbk::TypePdfViewer: return MakeActiveXHost<CPdfViewerWnd>(make, false);
    case qbk::TypeWebBrowser: return MakeActiveXHost<CWebBrowserWnd>(make, true);
    case qbk::TypeFlashMovie: return MakeActiveXHost<CFlashMovieWnd>(make, true);
    case qbk::TypeProgressBar: return MakeProgressBar(make);
    case qbk::TypePanel: return MakePanel(make);
    case qbk::TypeScrollingWindow: return MakeScrollingWindow(make);
    case qbk::TypeRichEdit: {
        auto edit = std::make_unique<CRichEditCtrl>();
        edit->Create(style, make.Rect, make.Parent, make.Id);
        make.SetFont(*edit);
        edit->SetWindowText(object.Caption);
        edit->SetEventMask(kRichEditEvents);
        return edit;
    }
    case qbk::TypeScrollBar: {
        auto bar = std::make_unique<CScrollBar>();
        bar->Create(style, make.Rect, make.Parent, make.Id);
        bar->SetScrollRange(0, 100, FALSE);
        bar->SetScrollPos(0, TRUE);
        if (object.Numbers.empty()) object.Numbers = {1, 10};
        return bar;
    }
    case qbk::TypeSlider: {
        auto slider = std::make_unique<CSliderCtrl>();
        slider->Create(style | TBS_DOWNISLEFT, make.Rect, make.Parent, make.Id);
        return slider;
    }
    case qbk::TypeTabControl: return MakeTabControl(make);
    case qbk::TypeToolBar: return MakeToolBar(make);
    case qbk::TypeTreeView: return MakeTreeView(make);
    case qbk::TypeVideoPlayer:
        return MakeWindowOfClass(make, "QUILLBRICKVIDEO", object.ExStyle, style | WS_CLIPCHILDREN, make.Rect);
    default: return nullptr;
    }
}

bool DrawsTransparent(int type)
{
    return type == qbk::TypePicture || type == qbk::TypeGroupBox || type == qbk::TypeShapedImage ||
           type == qbk::TypeScrollingWindow;
}

}  // namespace

void CreateObjectWindow(CProjectRuntime& runtime, int windowId, ObjectRecord& object, CWnd* parent)
{
    WindowRecord* window = runtime.FindWindowRecordById(windowId);
    if (!window || object.Type < qbk::TypeClientSocket || object.Type > qbk::TypeVideoPlayer) return;
    const Making make{runtime,
                      *window,
                      object,
                      parent,
                      UINT(object.Id + kControlIdBase),
                      {object.Left, object.Top, object.Left + object.Width, object.Top + object.Height}};
    switch (object.Type) {
    case qbk::TypeObjectReference: ResolveObjectReference(make); return;
    case qbk::TypeToolTip: MakeToolTip(make); return;
    case qbk::TypePrinter: object.Part = std::make_unique<PrintJobPart>(); return;
    default: break;
    }
    std::unique_ptr<CWnd> made = MakeInstance(make);
    if (!made) return;
    // The old window goes only once the new one exists.
    CWnd* old = object.WindowObject;
    object.WindowObject = made.release();
    DestroyWindowInstance(old);
    if (const HWND handle = object.WindowObject->GetSafeHwnd()) {
        const DWORD exStyle = object.ExStyle | (DrawsTransparent(object.Type) ? WS_EX_TRANSPARENT : 0);
        ::SetWindowLongPtrA(handle, GWL_EXSTYLE, LONG_PTR(exStyle));
        ::SetWindowPos(handle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}
