#include "platform/win/Com.h"

namespace {

struct ApartmentState {
    int depth = 0;
    DWORD model = COINIT_APARTMENTTHREADED;
};

thread_local ApartmentState t_apartment;

}  // namespace

HRESULT CoInitializeEx(LPVOID, DWORD dwCoInit)
{
    const DWORD model = dwCoInit & COINIT_APARTMENTTHREADED;
    if (t_apartment.depth > 0) {
        if (model != t_apartment.model)
            return RPC_E_CHANGED_MODE;
        ++t_apartment.depth;
        return S_FALSE;
    }
    t_apartment.model = model;
    t_apartment.depth = 1;
    return S_OK;
}

HRESULT CoInitialize(LPVOID pvReserved) { return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED); }

void CoUninitialize()
{
    if (t_apartment.depth > 0)
        --t_apartment.depth;
}

namespace platform {

int ComInitializeDepth() { return t_apartment.depth; }

DWORD ComApartmentModel() { return t_apartment.model; }

}  // namespace platform
