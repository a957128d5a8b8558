// OLE Automation values under their Windows names: BSTR, VARIANT and the
// argument blocks of IDispatch::Invoke.
#pragma once

#include "platform/win/Com.h"
#include "platform/win/Types.h"

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

// Days since 1899-12-30, local time; the fraction is the time of day.
using DATE = double;

// Length-prefixed UTF-16: a 4-byte byte count stands before the first character and the
// characters are followed by a terminator. The pointer is to the first character.
using BSTR = OLECHAR*;

using VARTYPE = unsigned short;
using VARIANT_BOOL = SHORT;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        CHAR cVal;
        USHORT uiVal;
        ULONG ulVal;
        ULONGLONG ullVal;
        INT intVal;
        UINT uintVal;
        LONG* plVal;
        SHORT* piVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        DATE* pdate;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        PVOID byref;
    };
};
using VARIANTARG = VARIANT;
using LPVARIANT = VARIANT*;
using LPVARIANTARG = VARIANT*;

struct DISPPARAMS {
    VARIANTARG* rgvarg;          // arguments in reverse order: the last one first
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
};

struct EXCEPINFO {
    WORD wCode;
    WORD wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    DWORD dwHelpContext;
    PVOID pvReserved;
    HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
    SCODE scode;
};

// Null for a null source; the text is copied up to its terminator.
BSTR SysAllocString(const OLECHAR* psz);
// A string of cch characters copied from strIn; with strIn null they are zeros here, but
// Windows leaves them unset, so fill them before use.
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT cch);
void SysFreeString(BSTR bstrString);
// Characters in the string (0 for null), embedded terminators included.
UINT SysStringLen(BSTR bstr);
UINT SysStringByteLen(BSTR bstr);

void VariantInit(VARIANTARG* pvarg);
// Frees an owned BSTR and releases an owned object, then leaves the VARIANT empty.
// By-reference values belong to someone else and are left alone. A type no VARIANT may hold
// (15, VT_VOID and above, VT_EMPTY or VT_NULL by reference; arrays and records have no
// stand-in) gives DISP_E_BADVARTYPE and leaves the VARIANT as it was.
HRESULT VariantClear(VARIANTARG* pvarg);
// A deep copy: the string is duplicated, the object gains a reference. DISP_E_BADVARTYPE,
// with the target as it was, when either VARIANT holds a type VariantClear refuses.
HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc);

#endif  // _WIN32

namespace platform {

// BSTRs allocated and not yet freed, process-wide; tests use it to prove every string
// that crossed an automation call was freed.
long LiveBstrCount();

}  // namespace platform
