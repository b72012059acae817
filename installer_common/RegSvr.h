#pragma once
// COM self-registration of an installed server.
#include <string>

// Calls DllRegisterServer (doRegister) or DllUnregisterServer of a ".ocx" or ".dll" file with
// OLE initialised. True only when the library loaded, the entry exists and it returned 0; any
// other file extension is refused without loading it.
bool RegisterServer(const std::string& file, bool doRegister);
