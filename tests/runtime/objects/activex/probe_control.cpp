// An in-process ActiveX control for the tests: embeds itself in place as a static window whose text
// is the log of the calls it got, and answers late-bound calls described by its type library.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdio>
#include <string>

namespace {

const CLSID kClassId = {0x6d1a3f0e, 0x5b1c, 0x4c8e, {0x9a, 0x51, 0x2f, 0x7d, 0x3c, 0x0b, 0x9e, 0x13}};
HMODULE g_module = nullptr;
LONG g_objects = 0;

std::string Narrow(BSTR text)
{
    std::string narrow;
    for (const WCHAR* c = text; c && *c; ++c) narrow += *c < 0x80 ? char(*c) : '?';
    return narrow;
}

BSTR Wide(const std::string& text)
{
    std::wstring wide(text.begin(), text.end());
    return SysAllocString(wide.c_str());
}

// The argument i (in declaration order) of the call.
VARIANT* Arg(DISPPARAMS* params, UINT i)
{
    return i < params->cArgs ? &params->rgvarg[params->cArgs - 1 - i] : nullptr;
}

// The argument as the type wanted, or 0 / "".
long LongArg(DISPPARAMS* params, UINT i)
{
    VARIANT v;
    VariantInit(&v);
    long value = 0;
    if (VARIANT* a = Arg(params, i))
        if (SUCCEEDED(VariantChangeType(&v, a, 0, VT_I4))) value = v.lVal;
    VariantClear(&v);
    return value;
}

std::string TextArg(DISPPARAMS* params, UINT i)
{
    VARIANT* a = Arg(params, i);
    return a && a->vt == VT_BSTR ? Narrow(a->bstrVal) : std::string("?");
}

class Probe : public IDispatch, public IOleObject, public IOleInPlaceObject {
public:
    Probe() { InterlockedIncrement(&g_objects); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch)
            *out = static_cast<IDispatch*>(this);
        else if (iid == IID_IOleObject)
            *out = static_cast<IOleObject*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
            *out = static_cast<IOleInPlaceObject*>(this);
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

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** out) override
    {
        *out = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        ITypeLib* library = LoadLibraryTypes();
        if (!library) return TYPE_E_CANTLOADLIBRARY;
        const HRESULT hr = library->GetTypeInfoOfGuid(kClassId, out);  // the class, as many controls answer
        library->Release();
        return hr;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                        UINT*) override;

    // IOleObject: only what embedding in place needs
    STDMETHODIMP SetClientSite(IOleClientSite* site) override
    {
        if (m_site) m_site->Release();
        m_site = site;
        if (m_site) m_site->AddRef();
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** out) override
    {
        *out = m_site;
        if (m_site) m_site->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override
    {
        InPlaceDeactivate();
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT rect) override
    {
        if (verb != OLEIVERB_INPLACEACTIVATE && verb != OLEIVERB_SHOW) return E_NOTIMPL;
        if (!m_window && parent) {
            m_window =
                CreateWindowExA(0, "STATIC", "probe", WS_CHILD | WS_VISIBLE, rect->left, rect->top,
                                rect->right - rect->left, rect->bottom - rect->top, parent, nullptr, g_module, nullptr);
            Log("");
        }
        return S_OK;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* out) override
    {
        *out = kClassId;
        return S_OK;
    }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* out) override
    {
        *out = 0;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* out) override
    {
        *out = m_window;
        return m_window ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override
    {
        if (m_window) DestroyWindow(m_window);
        m_window = nullptr;
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT) override
    {
        if (m_window)
            MoveWindow(m_window, position->left, position->top, position->right - position->left,
                       position->bottom - position->top, TRUE);
        return S_OK;
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

private:
    virtual ~Probe()
    {
        InPlaceDeactivate();
        if (m_site) m_site->Release();
        InterlockedDecrement(&g_objects);
    }
    static ITypeLib* LoadLibraryTypes()
    {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(g_module, path, MAX_PATH);
        ITypeLib* library = nullptr;
        return SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, &library)) ? library : nullptr;
    }
    void Log(const std::string& entry)
    {
        if (!entry.empty()) m_log += (m_log.empty() ? "" : ";") + entry;
        if (m_window) SetWindowTextA(m_window, m_log.empty() ? "probe" : m_log.c_str());
    }

    ULONG m_references = 1;
    IOleClientSite* m_site = nullptr;
    HWND m_window = nullptr;
    std::string m_log;
    bool m_loop = false;
    long m_frame = 0;
    std::string m_url;
    std::wstring m_status;  // as it came
};

STDMETHODIMP Probe::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* exception, UINT*)
{
    VARIANT ignored;
    if (!result) result = &ignored;
    VariantInit(result);
    const bool put = flags & DISPATCH_PROPERTYPUT;
    const bool get = flags & DISPATCH_PROPERTYGET;
    char text[512];
    switch (id) {
    case 1:  // Loop
        if (put) {
            m_loop = LongArg(params, 0) != 0;
            Log(std::string("Loop=") + (m_loop ? "1" : "0"));
        } else {
            result->vt = VT_BOOL;
            result->boolVal = m_loop ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
    case 2:
        result->vt = VT_I4;
        result->lVal = 24;
        return S_OK;
    case 3: Log("LoadFile(" + TextArg(params, 0) + ")"); return S_OK;
    case 4: Log("Play"); return S_OK;
    case 5: Log("Back"); return S_OK;
    case 6: Log("Forward"); return S_OK;
    case 7:  // answered as a real: the caller converts it to the declared long
        result->vt = VT_R8;
        result->dblVal = m_frame + 0.25;
        return S_OK;
    case 8:
        m_frame = LongArg(params, 0);
        Log("GotoFrame(" + std::to_string(m_frame) + ")");
        return S_OK;
    case 9: Log("Zoom(" + std::to_string(LongArg(params, 0)) + ")"); return S_OK;
    case 10:
        Log("LoadMovie(" + std::to_string(LongArg(params, 0)) + "," + TextArg(params, 1) + ")");
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        return S_OK;
    case 20: {  // each argument with the type it came as
        std::string described;
        for (UINT i = 0; i < params->cArgs; ++i) {
            VARIANT* a = Arg(params, i);
            VARIANT shown;
            VariantInit(&shown);
            std::string value = "?";
            if (a->vt == VT_CY)
                value = std::to_string(a->cyVal.int64);
            else if (a->vt == VT_R4 || a->vt == VT_R8 || a->vt == VT_DATE) {
                VariantChangeType(&shown, a, 0, VT_R8);
                std::snprintf(text, sizeof text, "%g", shown.dblVal);
                value = text;
            } else if (SUCCEEDED(VariantChangeType(&shown, a, VARIANT_NOVALUEPROP, VT_BSTR)))
                value = Narrow(shown.bstrVal);
            VariantClear(&shown);
            std::snprintf(text, sizeof text, "%s%d:%s", i ? " " : "", a->vt, value.c_str());
            described += text;
        }
        result->vt = VT_BSTR;
        result->bstrVal = Wide(described);
        return S_OK;
    }
    case 21: {  // declared long, answered as the real it was given
        VARIANT* a = Arg(params, 0);
        result->vt = VT_R8;
        result->dblVal = a && a->vt == VT_R8 ? a->dblVal : -1;
        return S_OK;
    }
    case 22:
        if (exception) {
            *exception = {};
            exception->wCode = 1001;
            exception->bstrDescription = SysAllocString(L"refused");
        }
        return DISP_E_EXCEPTION;
    case 23: {  // flips a flag given by reference
        VARIANT* a = Arg(params, 0);
        if (!a || a->vt != (VT_BYREF | VT_BOOL)) return DISP_E_TYPEMISMATCH;
        *a->pboolVal = *a->pboolVal ? VARIANT_FALSE : VARIANT_TRUE;
        return S_OK;
    }
    case 100: Log("GoBack"); return S_OK;
    case 101: Log("GoForward"); return S_OK;
    case 104: {
        m_url = TextArg(params, 0);
        int references = 0;
        for (UINT i = 1; i < params->cArgs; ++i)
            if (Arg(params, i)->vt == (VT_BYREF | VT_VARIANT)) ++references;
        Log("Navigate(" + m_url + "," + std::to_string(references) + ")");
        return S_OK;
    }
    case 106: Log("Stop"); return S_OK;
    case DISPID_REFRESH: Log("Refresh"); return S_OK;
    case 200:
    case 203:
        result->vt = VT_DISPATCH;
        result->pdispVal = nullptr;
        return S_OK;
    case 210:
        result->vt = VT_BSTR;
        result->bstrVal = Wide("Title of " + m_url);
        return S_OK;
    case 211:
        result->vt = VT_BSTR;
        result->bstrVal = Wide(m_url);
        return S_OK;
    case 212:
        result->vt = VT_BOOL;
        result->boolVal = m_url.rfind("busy", 0) == 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    case 404:
        if (put) {
            VARIANT* a = Arg(params, 0);
            m_status = a && a->vt == VT_BSTR && a->bstrVal ? a->bstrVal : L"";
            Log("StatusText=" + TextArg(params, 0));
        } else if (get) {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(m_status.c_str());
        }
        return S_OK;
    case 405: Log("ToolBar=" + std::to_string(LongArg(params, 0))); return S_OK;
    case 406: Log("MenuBar=" + std::to_string(LongArg(params, 0))); return S_OK;
    case 555: Log("AddressBar=" + std::to_string(LongArg(params, 0))); return S_OK;
    case 556: Log("Resizable=" + std::to_string(LongArg(params, 0))); return S_OK;
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

class Factory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        Probe* probe = new Probe;
        const HRESULT hr = probe->QueryInterface(iid, out);
        probe->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};
Factory g_factory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID id, REFIID iid, void** out)
{
    if (id != kClassId) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }
