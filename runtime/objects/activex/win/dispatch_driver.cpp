#include "dispatch_driver.h"

#include <cstdlib>

namespace {

BSTR Widen(const std::string& text)
{
    BSTR wide = ::SysAllocStringLen(nullptr, UINT(text.size()));
    if (!wide) return nullptr;
    for (size_t i = 0; i < text.size(); ++i) wide[i] = WidenTextByte(text[i]);
    return wide;
}

bool IsIntegerType(VARTYPE vt)
{
    switch (vt) {
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
    case VT_ERROR:
    case VT_HRESULT: return true;
    default: return false;
    }
}

// The integer cut to the width of its declared type.
void SetInteger(VARTYPE vt, long long value, VARIANT& out)
{
    out.vt = vt;
    switch (vt) {
    case VT_I1: out.cVal = CHAR(value); break;
    case VT_UI1: out.bVal = BYTE(value); break;
    case VT_I2: out.iVal = SHORT(value); break;
    case VT_UI2: out.uiVal = USHORT(value); break;
    case VT_UI4: out.ulVal = ULONG(value); break;
    case VT_UINT: out.uintVal = UINT(value); break;
    case VT_INT: out.intVal = INT(value); break;
    case VT_I8: out.llVal = LONGLONG(value); break;
    case VT_UI8: out.ullVal = ULONGLONG(value); break;
    case VT_ERROR: out.scode = SCODE(value); break;
    default:  // VT_I4, and an HRESULT, which a VARIANT does not carry
        out.vt = VT_I4;
        out.lVal = LONG(value);
        break;
    }
}

// The type a parameter or result is declared with, as a VARIANT carries it: pointers become by
// reference, aliases and enumerations their own types, interfaces VT_DISPATCH or VT_UNKNOWN.
VARTYPE VariantTypeOf(ITypeInfo* type, const TYPEDESC& desc, int depth = 0)
{
    if (depth > 8) return VT_I4;
    switch (desc.vt) {
    case VT_PTR: {
        const TYPEDESC& pointed = *desc.lptdesc;
        const VARTYPE inner = VariantTypeOf(type, pointed, depth + 1);
        if (pointed.vt == VT_USERDEFINED && (inner == VT_DISPATCH || inner == VT_UNKNOWN)) return inner;
        return VARTYPE((inner & ~VT_BYREF) | VT_BYREF);
    }
    case VT_SAFEARRAY: return VARTYPE(VariantTypeOf(type, *desc.lptdesc, depth + 1) | VT_ARRAY);
    case VT_USERDEFINED: {
        ITypeInfo* ref = nullptr;
        if (FAILED(type->GetRefTypeInfo(desc.hreftype, &ref)) || !ref) return VT_I4;
        TYPEATTR* attr = nullptr;
        VARTYPE vt = VT_I4;
        if (SUCCEEDED(ref->GetTypeAttr(&attr)) && attr) {
            switch (attr->typekind) {
            case TKIND_ALIAS: vt = VariantTypeOf(ref, attr->tdescAlias, depth + 1); break;
            case TKIND_DISPATCH: vt = VT_DISPATCH; break;
            case TKIND_INTERFACE:
            case TKIND_COCLASS: vt = VT_UNKNOWN; break;
            case TKIND_RECORD: vt = VT_RECORD; break;
            default: vt = VT_I4; break;  // enumerations
            }
            ref->ReleaseTypeAttr(attr);
        }
        ref->Release();
        return vt;
    }
    case VT_HRESULT: return VT_ERROR;
    case VT_LPSTR:
    case VT_LPWSTR: return VT_BSTR;
    default: return desc.vt;
    }
}

}  // namespace

long long DispatchArgument::AsInteger() const
{
    switch (m_kind) {
    case Kind::Integer: return m_integer;
    case Kind::Real: return (long long)(m_real);
    case Kind::Text: return std::atoll(m_text.c_str());
    case Kind::Pointer: return (long long)(reinterpret_cast<intptr_t>(m_pointer));
    case Kind::Variant: {
        VARIANT converted;
        ::VariantInit(&converted);
        long long value = 0;
        if (SUCCEEDED(::VariantChangeType(&converted, const_cast<VARIANT*>(m_variant), 0, VT_I8)))
            value = converted.llVal;
        ::VariantClear(&converted);
        return value;
    }
    }
    return 0;
}

double DispatchArgument::AsReal() const
{
    switch (m_kind) {
    case Kind::Real: return m_real;
    case Kind::Text: return std::atof(m_text.c_str());
    case Kind::Variant: {
        VARIANT converted;
        ::VariantInit(&converted);
        double value = 0;
        if (SUCCEEDED(::VariantChangeType(&converted, const_cast<VARIANT*>(m_variant), 0, VT_R8)))
            value = converted.dblVal;
        ::VariantClear(&converted);
        return value;
    }
    default: return double(AsInteger());
    }
}

void DispatchArgument::Natural(VARIANT& out) const
{
    ::VariantInit(&out);
    switch (m_kind) {
    case Kind::Integer:
        if (m_integer >= LONG_MIN && m_integer <= LONG_MAX) {
            out.vt = VT_I4;
            out.lVal = LONG(m_integer);
        } else {
            out.vt = VT_I8;
            out.llVal = m_integer;
        }
        break;
    case Kind::Real:
        out.vt = VT_R8;
        out.dblVal = m_real;
        break;
    case Kind::Text:
        out.vt = VT_BSTR;
        out.bstrVal = Widen(m_text);
        break;
    case Kind::Variant: ::VariantCopy(&out, const_cast<VARIANT*>(m_variant)); break;
    case Kind::Pointer:
        out.vt = VT_UNKNOWN;
        out.punkVal = static_cast<IUnknown*>(m_pointer);
        if (out.punkVal) out.punkVal->AddRef();
        break;
    }
}

void DispatchArgument::Convert(VARTYPE vt, VARIANT& out) const
{
    ::VariantInit(&out);
    if (vt & (VT_BYREF | VT_ARRAY)) {
        // Only an address can be passed by reference.
        if (m_kind == Kind::Pointer) {
            out.vt = vt;
            out.byref = m_pointer;
        } else {
            out.vt = VT_ERROR;
            out.scode = DISP_E_PARAMNOTFOUND;
        }
        return;
    }
    if (IsIntegerType(vt)) {
        SetInteger(vt, AsInteger(), out);
        return;
    }
    switch (vt) {
    case VT_R4:
        out.vt = VT_R4;
        out.fltVal = float(AsReal());
        return;
    case VT_R8:
        out.vt = VT_R8;
        out.dblVal = AsReal();
        return;
    case VT_DATE:
        out.vt = VT_DATE;
        out.date = AsReal();
        return;
    case VT_CY:
        out.vt = VT_CY;
        ::VarCyFromR8(AsReal(), &out.cyVal);
        return;
    case VT_BOOL:
        out.vt = VT_BOOL;
        out.boolVal = AsReal() != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return;
    case VT_VARIANT: Natural(out); return;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        out.vt = vt;
        if (m_kind == Kind::Pointer && m_pointer) {
            out.punkVal = static_cast<IUnknown*>(m_pointer);
            out.punkVal->AddRef();
        } else if (m_kind == Kind::Variant && (m_variant->vt == VT_DISPATCH || m_variant->vt == VT_UNKNOWN)) {
            out.punkVal = m_variant->punkVal;
            if (out.punkVal) out.punkVal->AddRef();
        }
        return;
    case VT_BSTR:
        if (m_kind == Kind::Text) {
            out.vt = VT_BSTR;
            out.bstrVal = Widen(m_text);
            return;
        }
        break;
    default:
        // A type the driver has no rule for takes the argument as the nearest integer kind.
        if (vt != VT_DECIMAL) {
            SetInteger(VT_I4, AsInteger(), out);
            return;
        }
        break;
    }
    VARIANT natural;
    Natural(natural);
    if (FAILED(::VariantChangeType(&out, &natural, 0, vt))) {
        ::VariantClear(&out);
        out.vt = vt;  // typed, and empty
    }
    ::VariantClear(&natural);
}

bool CDispatchDriver::Attach(IDispatch* dispatch)
{
    Release();
    if (!dispatch) return false;
    ITypeInfo* type = nullptr;
    if (FAILED(dispatch->GetTypeInfo(0, LOCALE_SYSTEM_DEFAULT, &type)) || !type) return false;
    const bool read = ReadMembers(type);
    type->Release();
    if (!read) return false;
    m_dispatch = dispatch;
    m_dispatch->AddRef();
    return true;
}

bool CDispatchDriver::ReadMembers(ITypeInfo* type)
{
    TYPEATTR* attr = nullptr;
    if (FAILED(type->GetTypeAttr(&attr)) || !attr) return false;
    ITypeInfo* used = nullptr;
    if (attr->typekind == TKIND_DISPATCH) {
        used = type;
        used->AddRef();
    } else if (attr->typekind == TKIND_COCLASS ||
               (attr->typekind == TKIND_INTERFACE && (attr->wTypeFlags & TYPEFLAG_FDUAL))) {
        // A class: its default interface. A dual interface: its dispatch side.
        const bool dual = attr->typekind == TKIND_INTERFACE;
        for (UINT i = 0; i < (dual ? 1u : attr->cImplTypes) && !used; ++i) {
            INT flags = 0;
            if (!dual && (FAILED(type->GetImplTypeFlags(i, &flags)) || !(flags & IMPLTYPEFLAG_FDEFAULT))) continue;
            HREFTYPE ref = 0;
            if (SUCCEEDED(type->GetRefTypeOfImplType(dual ? UINT(-1) : i, &ref))) type->GetRefTypeInfo(ref, &used);
        }
    }
    type->ReleaseTypeAttr(attr);
    if (!used) return false;
    TYPEATTR* usedAttr = nullptr;
    if (FAILED(used->GetTypeAttr(&usedAttr)) || !usedAttr) {
        used->Release();
        return false;
    }
    bool ok = true;
    const int functions = usedAttr->cFuncs, variables = usedAttr->cVars;
    m_members.resize(size_t(functions + 2 * variables));
    for (Member& member : m_members) ::VariantInit(&member.Result);
    for (int i = 0; i < functions && ok; ++i) {
        FUNCDESC* desc = nullptr;
        if (FAILED(used->GetFuncDesc(UINT(i), &desc)) || !desc) {
            ok = false;
            break;
        }
        Member& member = m_members[size_t(i)];
        member.Id = desc->memid;
        BSTR name = nullptr;
        UINT got = 0;
        if (SUCCEEDED(used->GetNames(desc->memid, &name, 1, &got)) && got > 0 && name) member.Name = name;
        ::SysFreeString(name);
        member.Kind = desc->invkind;
        member.VtableOffset = desc->oVft;
        member.CallingConvention = desc->callconv;
        const VARTYPE result = VariantTypeOf(used, desc->elemdescFunc.tdesc);
        member.ResultType = result == VT_VOID || result == VT_NULL || result == VT_ERROR ? VARTYPE(VT_EMPTY) : result;
        for (int p = 0; p < desc->cParams; ++p)
            member.Parameters.push_back(VariantTypeOf(used, desc->lprgelemdescParam[p].tdesc));
        used->ReleaseFuncDesc(desc);
    }
    for (int i = 0; i < variables && ok; ++i) {
        VARDESC* desc = nullptr;
        if (FAILED(used->GetVarDesc(UINT(i), &desc)) || !desc) {
            ok = false;
            break;
        }
        Member& get = m_members[size_t(functions + i)];
        Member& put = m_members[size_t(functions + variables + i)];
        get.Id = put.Id = desc->memid;
        BSTR name = nullptr;
        UINT got = 0;
        if (SUCCEEDED(used->GetNames(desc->memid, &name, 1, &got)) && got > 0 && name) get.Name = put.Name = name;
        ::SysFreeString(name);
        if (desc->varkind == VAR_DISPATCH) {
            const VARTYPE vt = VariantTypeOf(used, desc->elemdescVar.tdesc);
            get.Kind = PropertyGet;
            get.ResultType = vt;
            put.Kind = PropertyPut;
            put.Parameters.push_back(vt);
        }
        used->ReleaseVarDesc(desc);
    }
    used->ReleaseTypeAttr(usedAttr);
    used->Release();
    if (!ok) {
        m_members.clear();
        return false;
    }
    m_functionCount = functions;
    m_variableCount = variables;
    return true;
}

void CDispatchDriver::ClearException()
{
    if (!m_hasException) return;
    ::SysFreeString(m_exception.bstrSource);
    ::SysFreeString(m_exception.bstrDescription);
    ::SysFreeString(m_exception.bstrHelpFile);
    m_exception = {};
    m_hasException = false;
}

void CDispatchDriver::Release()
{
    ClearException();
    if (m_dispatch) m_dispatch->Release();
    m_dispatch = nullptr;
    for (Member& member : m_members) ::VariantClear(&member.Result);
    m_members.clear();
    m_functionCount = m_variableCount = 0;
}

int CDispatchDriver::FindMember(const char* name, int kind) const
{
    std::wstring wide;
    for (const char* c = name ? name : ""; *c; ++c) wide += WidenTextByte(*c);
    for (size_t i = 0; i < m_members.size(); ++i)
        if (m_members[i].Kind == kind && m_members[i].Name == wide) return int(i);
    return -1;
}

HRESULT CDispatchDriver::Invoke(Member& member, std::initializer_list<DispatchArgument> arguments)
{
    if (member.Kind == NotCallable) return S_FALSE;
    const size_t count = member.Parameters.size();
    // The interface takes its arguments last first.
    std::vector<VARIANT> slots(count);
    const DispatchArgument* given = arguments.begin();
    for (size_t i = 0; i < count; ++i) {
        VARIANT& slot = slots[count - 1 - i];
        if (i < arguments.size()) {
            given[i].Convert(member.Parameters[i], slot);
        } else {
            ::VariantInit(&slot);
            slot.vt = VT_ERROR;
            slot.scode = DISP_E_PARAMNOTFOUND;  // left out, as an optional parameter is
        }
    }
    DISPID put = DISPID_PROPERTYPUT;
    const bool putting = member.Kind == PropertyPut || member.Kind == PropertyPutRef;
    DISPPARAMS params = {count ? slots.data() : nullptr, putting ? &put : nullptr, UINT(count), putting ? 1u : 0u};
    ::VariantClear(&member.Result);
    ClearException();
    UINT argumentError = 0;
    const HRESULT hr = m_dispatch->Invoke(member.Id, IID_NULL, LOCALE_SYSTEM_DEFAULT, WORD(member.Kind), &params,
                                          &member.Result, &m_exception, &argumentError);
    for (VARIANT& slot : slots) ::VariantClear(&slot);
    if (SUCCEEDED(hr)) {
        // A result of another type is converted to the declared one, never just relabelled.
        const VARTYPE wanted = member.ResultType;
        if (wanted != VT_EMPTY && member.Result.vt != wanted && member.Result.vt != VT_EMPTY && !(wanted & VT_BYREF))
            ::VariantChangeType(&member.Result, &member.Result, 0, wanted);
    } else {
        ::VariantClear(&member.Result);
        if (hr == DISP_E_EXCEPTION) {
            if (m_exception.pfnDeferredFillIn) m_exception.pfnDeferredFillIn(&m_exception);
            m_hasException = true;
        } else {
            m_hasException = true;  // whatever the control wrote, it is freed
            ClearException();
        }
    }
    m_lastResult = hr;
    return hr;
}

const VARIANT* CDispatchDriver::CallMethod(const char* name, std::initializer_list<DispatchArgument> arguments)
{
    const int index = FindMember(name, Kind::Method);
    if (index < 0 || !m_dispatch) return nullptr;
    Member& member = m_members[size_t(index)];
    return SUCCEEDED(Invoke(member, arguments)) ? &member.Result : nullptr;
}

const VARIANT* CDispatchDriver::GetProperty(const char* name)
{
    const int index = FindMember(name, PropertyGet);
    if (index < 0 || !m_dispatch) return nullptr;
    Member& member = m_members[size_t(index)];
    return SUCCEEDED(Invoke(member, {})) ? &member.Result : nullptr;
}

bool CDispatchDriver::SetProperty(const char* name, std::initializer_list<DispatchArgument> arguments)
{
    const int index = FindMember(name, PropertyPut);
    if (index < 0 || !m_dispatch) return false;
    return Invoke(m_members[size_t(index)], arguments) == S_OK;
}

HRESULT InvokeById(IDispatch* dispatch, DISPID id, WORD flags, std::vector<VARIANT> arguments, VARIANT* result,
                   VARTYPE resultType)
{
    if (!dispatch) return E_POINTER;
    std::vector<VARIANT> slots(arguments.rbegin(), arguments.rend());
    DISPID put = DISPID_PROPERTYPUT;
    const bool putting = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params = {slots.empty() ? nullptr : slots.data(), putting ? &put : nullptr, UINT(slots.size()),
                         putting ? 1u : 0u};
    VARIANT local;
    ::VariantInit(&local);
    VARIANT* answer = result ? result : &local;
    ::VariantInit(answer);
    const HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_SYSTEM_DEFAULT, flags, &params, answer, nullptr, nullptr);
    for (VARIANT& slot : slots) ::VariantClear(&slot);
    if (SUCCEEDED(hr) && resultType != VT_EMPTY && answer->vt != resultType)
        if (FAILED(::VariantChangeType(answer, answer, 0, resultType))) ::VariantClear(answer);
    if (FAILED(hr)) ::VariantClear(answer);
    ::VariantClear(&local);
    return hr;
}
