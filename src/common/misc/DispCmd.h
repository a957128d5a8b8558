// Calls on one automation object by member name, with typed getters and setters that
// convert between the program's ANSI texts, integers, flags and dates and VARIANTs.
#pragma once

#include "platform/WinCompat.h"

// Results: negative is the failure of the underlying call, S_OK success, S_FALSE not
// done (a null output pointer, or a value of another type than asked for: the output is
// then left as it was).
class CDispCmd {
public:
    // Holds one reference to pDisp (which may be null) for the life of the object.
    explicit CDispCmd(IDispatch* pDisp);
    ~CDispCmd();
    CDispCmd(const CDispCmd&) = delete;
    CDispCmd& operator=(const CDispCmd&) = delete;

    // The core of every other call. E_INVALIDARG without an object or a name.
    HRESULT InvokeByName(LPCOLESTR szName, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult);
    // pArgs in COM order: the member's last argument first.
    HRESULT Call(LPCOLESTR szName, VARIANT* pArgs, UINT nArgs, VARIANT* pResult, WORD wFlags = DISPATCH_METHOD,
                 DISPID* pNamedArgs = nullptr, UINT nNamedArgs = 0);
    HRESULT GetProperty(LPCOLESTR szName, VARIANT* pResult);
    HRESULT PutProperty(LPCOLESTR szName, VARIANT* pValue);

    // The wrapped object, without a new reference.
    IDispatch* GetDispatch() const { return m_pDisp; }

    // At most nSize - 1 bytes of text arrive, cut after a whole character; always terminated.
    HRESULT GetString(LPCOLESTR szName, char* szBuf, int nSize);
    HRESULT GetLong(LPCOLESTR szName, LONG* pnValue);
    HRESULT GetBool(LPCOLESTR szName, bool* pbValue);
    HRESULT GetDate(LPCOLESTR szName, DATE* pdValue);
    // The reference passes to the caller; *ppDisp is null unless the value is an object,
    // and may be null even then.
    HRESULT GetObject(LPCOLESTR szName, IDispatch** ppDisp);

    // An empty text is never sent, so a value cannot be cleared this way; at most
    // MAX_PUT_STRING - 1 UTF-16 units are sent.
    HRESULT PutString(LPCOLESTR szName, LPCSTR szValue);
    HRESULT PutLong(LPCOLESTR szName, LONG nValue);
    HRESULT PutBool(LPCOLESTR szName, bool bValue);
    // A date within a hair of 0 counts as no date and is not sent.
    HRESULT PutDate(LPCOLESTR szName, DATE dValue);

    static constexpr int MAX_PUT_STRING = 20480;

private:
    IDispatch* m_pDisp;
};
