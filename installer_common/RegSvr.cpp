#include "RegSvr.h"

#include <windows.h>

#include "ScopedLibrary.h"
#include "Utils.h"

namespace {

class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace

bool RegisterServer(const std::string& file, bool doRegister) {
    if (!EndsWithText(file, ".ocx") && !EndsWithText(file, ".dll")) return false;
    OleSession ole;
    if (!ole.Ok()) return false;

    // A server that cannot load must not stop the installation with a system error box.
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ScopedLibrary library(LoadLibraryExA(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    SetErrorMode(previousMode);
    if (!library.Loaded()) return false;

    using EntryFn = HRESULT(STDAPICALLTYPE*)();
    auto entry = reinterpret_cast<EntryFn>(
        library.Function(doRegister ? "DllRegisterServer" : "DllUnregisterServer"));
    return entry && entry() == 0;
}
