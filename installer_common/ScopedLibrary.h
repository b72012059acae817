#pragma once
// A library loaded at run time, freed when the owner goes.
#include <windows.h>

#include <string>

class ScopedLibrary {
public:
    // Takes ownership of the module (null: nothing was loaded).
    explicit ScopedLibrary(HMODULE module) : module_(module) {}
    ~ScopedLibrary() {
        if (module_) FreeLibrary(module_);
    }
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // The exported function of that name; null when it is missing or nothing is loaded.
    void* Function(const std::string& name) const {
        return module_ ? reinterpret_cast<void*>(GetProcAddress(module_, name.c_str())) : nullptr;
    }

private:
    HMODULE module_;
};
