// Owners for the raw COM resources: a BSTR, a VARIANT and an interface reference, each
// freed or released exactly once when its owner goes away.
#pragma once

#include "platform/OleText.h"
#include "platform/win/Com.h"
#include "platform/win/Variant.h"

#include <utility>

namespace platform {

class BstrHolder {
public:
    BstrHolder() = default;
    explicit BstrHolder(const OLECHAR* text) : m_bstr(SysAllocString(text)) {}
    explicit BstrHolder(OleStringView text)
        : m_bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())))
    {
    }
    ~BstrHolder() { SysFreeString(m_bstr); }
    BstrHolder(BstrHolder&& other) noexcept : m_bstr(other.Detach()) {}
    BstrHolder& operator=(BstrHolder&& other) noexcept
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }
    BstrHolder(const BstrHolder&) = delete;
    BstrHolder& operator=(const BstrHolder&) = delete;

    BSTR Get() const { return m_bstr; }
    UINT Length() const { return SysStringLen(m_bstr); }
    OleStringView View() const { return {m_bstr ? m_bstr : OLESTR(""), Length()}; }

    // Takes ownership of bstr, freeing the string held so far.
    void Reset(BSTR bstr = nullptr)
    {
        if (bstr != m_bstr)
            SysFreeString(m_bstr);
        m_bstr = bstr;
    }
    // Hands the string to the caller, who frees it.
    BSTR Detach() { return std::exchange(m_bstr, nullptr); }
    // Frees the string held and gives the slot to a function that returns a new one.
    BSTR* Put()
    {
        Reset();
        return &m_bstr;
    }

private:
    BSTR m_bstr = nullptr;
};

class VariantHolder {
public:
    VariantHolder() { VariantInit(&m_value); }
    ~VariantHolder() { VariantClear(&m_value); }
    VariantHolder(VariantHolder&& other) noexcept : m_value(other.Detach()) {}
    VariantHolder& operator=(VariantHolder&& other) noexcept
    {
        if (this != &other) {
            VariantClear(&m_value);
            m_value = other.Detach();
        }
        return *this;
    }
    VariantHolder(const VariantHolder&) = delete;
    VariantHolder& operator=(const VariantHolder&) = delete;

    VARIANT* Get() { return &m_value; }
    const VARIANT* Get() const { return &m_value; }
    VARIANT* operator->() { return &m_value; }
    const VARIANT* operator->() const { return &m_value; }

    // Frees what the VARIANT holds and leaves it empty.
    void Clear() { VariantClear(&m_value); }
    // Hands the value, and whatever it owns, to the caller; the holder is left empty.
    VARIANT Detach()
    {
        const VARIANT value = m_value;
        VariantInit(&m_value);
        return value;
    }

private:
    VARIANT m_value;
};

// One reference to a COM object.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Shares the object: adds a reference of its own.
    explicit ComPtr(T* object) : m_object(object)
    {
        if (m_object)
            m_object->AddRef();
    }
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr& other) : ComPtr(other.m_object) {}
    ComPtr(ComPtr&& other) noexcept : m_object(other.Detach()) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }

    // Takes over a reference the caller already holds.
    static ComPtr Adopt(T* object)
    {
        ComPtr result;
        result.m_object = object;
        return result;
    }

    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    void Reset()
    {
        if (T* object = std::exchange(m_object, nullptr))
            object->Release();
    }
    // Hands the reference to the caller, who releases it.
    T* Detach() { return std::exchange(m_object, nullptr); }
    // Releases the object held and gives the slot to a function that returns a new reference.
    T** Put()
    {
        Reset();
        return &m_object;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // QueryInterface for another interface of the same object.
    template <typename U>
    HRESULT QueryInto(REFIID iid, ComPtr<U>& target) const
    {
        if (!m_object)
            return E_POINTER;
        return m_object->QueryInterface(iid, target.PutVoid());
    }

private:
    T* m_object = nullptr;
};

}  // namespace platform
