#include "activex_host.h"

#include <ocidl.h>
#include <docobj.h>

#include <string>

// The container side that an in-place control talks to: the host window is its window and its frame.
class ActiveXSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit ActiveXSite(HWND window) : m_window(window) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceFrame || iid == IID_IOleInPlaceUIWindow)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override { return Refuse(out); }
    STDMETHODIMP GetContainer(IOleContainer** out) override { return Refuse(out); }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (of the site and of the frame)
    STDMETHODIMP GetWindow(HWND* out) override
    {
        if (!out) return E_POINTER;
        *out = m_window;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (document) *document = nullptr;
        if (position) ::GetClientRect(m_window, position);
        if (clip) ::GetClientRect(m_window, clip);
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = ::GetAncestor(m_window, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status line to share
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    virtual ~ActiveXSite() = default;
    template <class T>
    static HRESULT Refuse(T** out)
    {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }

    HWND m_window;
    ULONG m_references = 1;
};

namespace {

std::wstring Widen(const char* text)
{
    std::wstring wide;
    for (const char* c = text ? text : ""; *c; ++c) wide += WidenTextByte(*c);
    return wide;
}

template <class T>
void ReleaseInterface(T*& pointer)
{
    if (pointer) pointer->Release();
    pointer = nullptr;
}

}  // namespace

CActiveXHostWnd::~CActiveXHostWnd() { CloseControl(); }

bool CActiveXHostWnd::CreateControl(const char* progId, const char* caption, DWORD style, const RECT& rect,
                                    CWnd* parent, UINT id)
{
    if (FAILED(::CLSIDFromProgID(Widen(progId).c_str(), &m_classId))) return false;
    if (!CreateEx(0, "QUILLBRICKEMPTY", caption, style | WS_CLIPCHILDREN, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return false;
    IUnknown* control = nullptr;
    if (FAILED(::CoCreateInstance(m_classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&control))) ||
        !control) {
        DestroyWindow();
        return false;
    }
    if (SUCCEEDED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&m_object))) && m_object) {
        m_site = new ActiveXSite(m_hWnd);
        m_object->SetClientSite(m_site);
        IPersistStreamInit* persist = nullptr;
        if (SUCCEEDED(control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist))) && persist) {
            persist->InitNew();
            persist->Release();
        }
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site, 0, m_hWnd, &client);
    }
    // A control without the embedding interface is still driven.
    IDispatch* dispatch = nullptr;
    if (SUCCEEDED(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))) && dispatch) {
        m_dispatch = dispatch;
        m_driver.Attach(dispatch);
    }
    m_control = control;
    return true;
}

void CActiveXHostWnd::CloseControl()
{
    m_driver.Release();
    ReleaseInterface(m_dispatch);
    if (m_object) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) && inPlace) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
    }
    ReleaseInterface(m_object);
    ReleaseInterface(m_control);
    ReleaseInterface(m_site);
}

LRESULT CActiveXHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && m_object) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) && inPlace) {
            RECT client = {0, 0, LOWORD(lParam), HIWORD(lParam)};
            inPlace->SetObjectRects(&client, &client);
            inPlace->Release();
        }
    } else if (message == WM_DESTROY) {
        CloseControl();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---- Flash movie ----------------------------------------------------------------------------------

int CFlashMovieWnd::CurrentFrame()
{
    const VARIANT* frame = Driver().CallMethod("CurrentFrame");
    VARIANT value;
    ::VariantInit(&value);
    int answer = -1;
    if (frame && SUCCEEDED(::VariantChangeType(&value, const_cast<VARIANT*>(frame), 0, VT_I4))) answer = value.lVal;
    ::VariantClear(&value);
    return answer;
}

int CFlashMovieWnd::TotalFrames()
{
    const VARIANT* frames = Driver().GetProperty("TotalFrames");
    VARIANT value;
    ::VariantInit(&value);
    int answer = 0;
    if (frames && SUCCEEDED(::VariantChangeType(&value, const_cast<VARIANT*>(frames), 0, VT_I4))) answer = value.lVal;
    ::VariantClear(&value);
    return answer;
}

bool CFlashMovieWnd::LoadMovie(const char* path)
{
    CDispatchDriver& driver = Driver();
    const int index = driver.FindMember("LoadMovie", CDispatchDriver::Method);
    const bool layered = index >= 0 && driver.GetMember(index).Parameters.size() >= 2;
    const VARIANT* result =
        layered ? driver.CallMethod("LoadMovie", {0, path}) : driver.CallMethod("LoadMovie", {path});
    return result && result->vt != VT_EMPTY;
}

// ---- Web browser ----------------------------------------------------------------------------------

namespace {

constexpr DISPID kGoBack = 100, kGoForward = 101, kNavigate = 104, kStop = 106, kRefresh = -550;
constexpr DISPID kDocument = 203, kLocationName = 210, kLocationUrl = 211, kBusy = 212;
constexpr DISPID kStatusText = 404, kToolBar = 405, kMenuBar = 406, kAddressBar = 555, kResizable = 556;

VARIANT Text(const char* text)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(Widen(text).c_str());
    return value;
}

VARIANT Flag(bool on)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

CString Narrow(BSTR text)
{
    CString narrow;
    for (const WCHAR* c = text; c && *c; ++c) narrow += char(*c);
    return narrow;
}

}  // namespace

HRESULT CWebBrowserWnd::Call(DISPID id, WORD flags, std::vector<VARIANT> arguments, VARIANT* result, VARTYPE resultType)
{
    if (!DispatchInterface()) {
        for (VARIANT& argument : arguments) ::VariantClear(&argument);
        return E_POINTER;
    }
    return InvokeById(DispatchInterface(), id, flags, std::move(arguments), result, resultType);
}

bool CWebBrowserWnd::Navigate(const char* url)
{
    VARIANT empty[4];
    std::vector<VARIANT> arguments{Text(url)};
    for (VARIANT& optional : empty) {
        ::VariantInit(&optional);
        VARIANT reference;
        ::VariantInit(&reference);
        reference.vt = VT_BYREF | VT_VARIANT;
        reference.pvarVal = &optional;
        arguments.push_back(reference);
    }
    return SUCCEEDED(Call(kNavigate, DISPATCH_METHOD, std::move(arguments)));
}
bool CWebBrowserWnd::GoBack() { return SUCCEEDED(Call(kGoBack, DISPATCH_METHOD)); }
bool CWebBrowserWnd::GoForward() { return SUCCEEDED(Call(kGoForward, DISPATCH_METHOD)); }
bool CWebBrowserWnd::Refresh() { return SUCCEEDED(Call(kRefresh, DISPATCH_METHOD)); }
bool CWebBrowserWnd::Stop() { return SUCCEEDED(Call(kStop, DISPATCH_METHOD)); }

bool CWebBrowserWnd::GetBusy()
{
    VARIANT busy;
    const bool ok = SUCCEEDED(Call(kBusy, DISPATCH_PROPERTYGET, {}, &busy, VT_BOOL)) && busy.vt == VT_BOOL;
    return ok && busy.boolVal != VARIANT_FALSE;
}

CString CWebBrowserWnd::GetText(DISPID id)
{
    VARIANT text;
    CString answer;
    if (SUCCEEDED(Call(id, DISPATCH_PROPERTYGET, {}, &text, VT_BSTR)) && text.vt == VT_BSTR)
        answer = Narrow(text.bstrVal);
    ::VariantClear(&text);
    return answer;
}
CString CWebBrowserWnd::GetLocationName() { return GetText(kLocationName); }
CString CWebBrowserWnd::GetLocationURL() { return GetText(kLocationUrl); }
CString CWebBrowserWnd::GetStatusText() { return GetText(kStatusText); }

bool CWebBrowserWnd::SetStatusText(const char* text)
{
    return SUCCEEDED(Call(kStatusText, DISPATCH_PROPERTYPUT, {Text(text)}));
}

bool CWebBrowserWnd::PutFlag(DISPID id, bool on) { return SUCCEEDED(Call(id, DISPATCH_PROPERTYPUT, {Flag(on)})); }

bool CWebBrowserWnd::SetToolBar(int shown)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = shown != 0 ? 1 : 0;
    return SUCCEEDED(Call(kToolBar, DISPATCH_PROPERTYPUT, {value}));
}
bool CWebBrowserWnd::SetMenuBar(bool shown) { return PutFlag(kMenuBar, shown); }
bool CWebBrowserWnd::SetAddressBar(bool shown) { return PutFlag(kAddressBar, shown); }
bool CWebBrowserWnd::SetResizable(bool resizable) { return PutFlag(kResizable, resizable); }

void CWebBrowserWnd::PrintPreview()
{
    VARIANT document;
    if (FAILED(Call(kDocument, DISPATCH_PROPERTYGET, {}, &document)) ||
        (document.vt != VT_DISPATCH && document.vt != VT_UNKNOWN) || !document.punkVal) {
        ::VariantClear(&document);
        return;
    }
    IOleCommandTarget* target = nullptr;
    if (SUCCEEDED(document.punkVal->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(&target))) &&
        target) {
        target->Exec(nullptr, OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
        target->Release();
    }
    ::VariantClear(&document);
}
