// Redirecting the program's own calls of one imported function, for test seams over Windows
// functions (the clock, file versions, the shell). Everything is linked into one module,
// whose import table every call of the function goes through. The compiler may keep an
// import's address in a register across the hook's coming or going, so a replacement must
// give the system's answer whenever its seam is not in force.
#pragma once

namespace platform {

class ImportHook {
public:
    // Sends the module's calls of dll!function to replacement; nothing is redirected when
    // the module does not import the function, since then nothing calls it.
    ImportHook(const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

private:
    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};

// The system's own function, wherever the program's calls of it go.
void* SystemFunction(const char* dll, const char* function);

// Converts a function pointer for the import table and back.
template <typename F>
void* FunctionAddress(F* function)
{
    return reinterpret_cast<void*>(function);
}

template <typename F>
F* FunctionFrom(void* address)
{
    return reinterpret_cast<F*>(address);
}

}  // namespace platform
