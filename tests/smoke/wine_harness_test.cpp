// The harness itself: Win32 programs run under Wine with windows and a registry of their own.
#include <gtest/gtest.h>
#include <windows.h>

#include "scratch_dir.h"

namespace {

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) return 42;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WineHarness, CreatesAndDestroysAHiddenWindow) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KorvanHarnessWindow";
    ASSERT_NE(RegisterClassA(&windowClass), 0);

    HWND window = CreateWindowExA(0, "KorvanHarnessWindow", "Harness", WS_OVERLAPPEDWINDOW, 10,
                                  20, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 42);
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Harness");

    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(UnregisterClassA("KorvanHarnessWindow", windowClass.hInstance));
}

TEST(WineHarness, WritesReadsAndDeletesARegistryKey) {
    const char* path = "Software\\KorvanTests\\Harness";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const char value[] = "present";
    ASSERT_EQ(RegSetValueExA(key, "Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             sizeof value),
              ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key), ERROR_SUCCESS);
    char read[32] = {};
    DWORD size = sizeof read;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Probe", nullptr, &type, reinterpret_cast<BYTE*>(read), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(read, "present");

    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvanTests");
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST(WineHarness, ScratchFolderIsAWindowsFolder) {
    testsupport::ScratchDir scratch;
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "probe.bin", std::string("a\0b", 3)));
    DWORD attributes = GetFileAttributesA((scratch / "probe.bin").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(testsupport::ReadFileBytes(scratch / "probe.bin"), std::string("a\0b", 3));
}

}  // namespace
