// Late binding: the members of a control's dispatch interface, read once from its type information,
// called by name with arguments converted to each parameter's declared type, and results converted
// to the member's declared type.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <vector>

// Texts cross as UTF-16 with each byte one unit, sign-extended, as these controls have always
// received them.
inline wchar_t WidenTextByte(char c) { return wchar_t(WORD(short(static_cast<signed char>(c)))); }

// One argument of a call, held as given; the call converts it to the parameter's type.
class DispatchArgument {
public:
    DispatchArgument(int value) : m_kind(Kind::Integer), m_integer(value) {}  // NOLINT: passes as itself
    DispatchArgument(long long value) : m_kind(Kind::Integer), m_integer(value) {}  // NOLINT
    DispatchArgument(double value) : m_kind(Kind::Real), m_real(value) {}  // NOLINT
    DispatchArgument(const char* text) : m_kind(Kind::Text), m_text(text ? text : "") {}  // NOLINT
    DispatchArgument(const VARIANT& value) : m_kind(Kind::Variant), m_variant(&value) {}  // NOLINT
    // An address for a by-reference parameter, or an interface for an object parameter.
    DispatchArgument(void* pointer) : m_kind(Kind::Pointer), m_pointer(pointer) {}  // NOLINT

    // The VARIANT of parameter type vt made of the argument (owned by the caller, cleared after).
    void Convert(VARTYPE vt, VARIANT& out) const;

private:
    enum class Kind { Integer, Real, Text, Variant, Pointer };
    // The argument as the VARIANT of its own kind.
    void Natural(VARIANT& out) const;
    long long AsInteger() const;
    double AsReal() const;

    Kind m_kind;
    long long m_integer = 0;
    double m_real = 0;
    std::string m_text;
    const VARIANT* m_variant = nullptr;
    void* m_pointer = nullptr;
};

class CDispatchDriver {
public:
    enum Kind { NotCallable = 0, Method = 1, PropertyGet = 2, PropertyPut = 4, PropertyPutRef = 8 };

    struct Member {
        DISPID Id = DISPID_UNKNOWN;
        std::wstring Name;
        int Kind = NotCallable;
        short VtableOffset = -1;
        int CallingConvention = CC_STDCALL;
        VARTYPE ResultType = VT_EMPTY;  // VT_EMPTY: keep the type the control answers with
        VARIANT Result;
        std::vector<VARTYPE> Parameters;
    };

    CDispatchDriver() = default;
    ~CDispatchDriver() { Release(); }
    CDispatchDriver(const CDispatchDriver&) = delete;
    CDispatchDriver& operator=(const CDispatchDriver&) = delete;

    // Holds the interface and reads its members; false (and nothing held) when its type
    // information cannot be read.
    bool Attach(IDispatch* dispatch);
    void Release();
    bool IsAttached() const { return m_dispatch != nullptr; }
    IDispatch* Dispatch() const { return m_dispatch; }

    // The first member of that name and kind, or -1. The name's bytes are widened one by one.
    int FindMember(const char* name, int kind) const;
    int GetMemberCount() const { return int(m_members.size()); }
    const Member& GetMember(int index) const { return m_members[size_t(index)]; }

    // The member's result, or null when the member is missing or the call failed.
    const VARIANT* CallMethod(const char* name, std::initializer_list<DispatchArgument> arguments = {});
    const VARIANT* GetProperty(const char* name);
    bool SetProperty(const char* name, std::initializer_list<DispatchArgument> arguments);

    HRESULT GetLastResult() const { return m_lastResult; }
    // The control's exception of the last call that raised one; null otherwise.
    const EXCEPINFO* GetException() const { return m_hasException ? &m_exception : nullptr; }

private:
    bool ReadMembers(ITypeInfo* type);
    HRESULT Invoke(Member& member, std::initializer_list<DispatchArgument> arguments);
    void ClearException();

    IDispatch* m_dispatch = nullptr;
    std::vector<Member> m_members;
    HRESULT m_lastResult = S_OK;
    EXCEPINFO m_exception = {};
    bool m_hasException = false;
    int m_variableCount = 0;
    int m_functionCount = 0;
};

// A call by dispatch id, for interfaces whose ids are fixed: flags DISPATCH_METHOD,
// DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT; arguments in declaration order. The result
// (optional) is converted to resultType unless that is VT_EMPTY. The arguments are cleared after the call.
HRESULT InvokeById(IDispatch* dispatch, DISPID id, WORD flags, std::vector<VARIANT> arguments, VARIANT* result,
                   VARTYPE resultType = VT_EMPTY);
