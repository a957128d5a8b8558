#include "platform/win/ClassRegistry.h"

#include <utility>

namespace platform {

ScopedClassRegistration::ScopedClassRegistration(OleStringView progId, const CLSID& clsid,
                                                 ClassFactory factory, DWORD context)
    : m_progId(progId)
{
    RegisterClassFactory(progId, clsid, std::move(factory), context);
}

ScopedClassRegistration::~ScopedClassRegistration() { UnregisterClass(m_progId); }

}  // namespace platform
