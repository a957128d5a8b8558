#include "platform/windows/ImportHook.h"

#include "platform/win/WindowsHeaders.h"

#include <cstring>

namespace platform {
namespace {

template <typename T>
T* At(BYTE* base, DWORD offset)
{
    return reinterpret_cast<T*>(base + offset);
}

void** FindImportSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<const IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return nullptr;
    for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0; ++entry) {
        if (_stricmp(At<const char>(base, entry->Name), dll) != 0 || entry->OriginalFirstThunk == 0)
            continue;
        auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = At<const IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value)
{
    DWORD oldProtection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
}

}  // namespace

void* SystemFunction(const char* dll, const char* function)
{
    return FunctionAddress(GetProcAddress(LoadLibraryA(dll), function));
}

ImportHook::ImportHook(const char* dll, const char* function, void* replacement)
    : m_pSlot(FindImportSlot(dll, function))
{
    if (m_pSlot == nullptr)
        return;
    m_pOriginal = *m_pSlot;
    WriteSlot(m_pSlot, replacement);
}

ImportHook::~ImportHook()
{
    if (m_pSlot != nullptr)
        WriteSlot(m_pSlot, m_pOriginal);
}

}  // namespace platform
