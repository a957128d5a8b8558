#include "platform/WinCompat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kTestKey = "SOFTWARE\\Brindle Registry Test";

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, kTestKey); }

    static std::string Key(const std::string& below) { return std::string(kTestKey) + "\\" + below; }

    // The text value, or a description of the failure.
    static std::string Read(HKEY hKey, const char* name)
    {
        char buffer[64];
        DWORD size = sizeof buffer;
        DWORD type = 0;
        const LSTATUS status = RegQueryValueExA(hKey, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
        if (status != ERROR_SUCCESS)
            return "error " + std::to_string(status);
        if (type != REG_SZ)
            return "type " + std::to_string(type);
        return std::string(buffer, size - 1) + (buffer[size - 1] == '\0' ? "" : " (unterminated)");
    }

    static LSTATUS Open(const std::string& path, HKEY* phKey)
    {
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, phKey);
    }
};

TEST_F(RegistryTest, ReadsAValueThatWasSet)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/opt/office/");
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(Read(hKey, "Path"), "/opt/office/");
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreCase)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App Paths\\OUTLOOK.EXE"), "Path", "/a/");
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("app paths\\outlook.exe"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(Read(hKey, "PATH"), "/a/");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, ChangingAValueReplacesIt)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/first/");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/second/");
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(Read(hKey, "Path"), "/second/");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, KeysAboveASetValueExistAndOpenRelatively)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("A\\B\\C"), "Name", "deep");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("A\\B C"), "Name", "sibling");
    HKEY hParent = nullptr;
    ASSERT_EQ(Open(Key("A\\B"), &hParent), ERROR_SUCCESS);
    EXPECT_EQ(Read(hParent, "Name"), "error " + std::to_string(ERROR_FILE_NOT_FOUND));
    HKEY hChild = nullptr;
    ASSERT_EQ(RegOpenKeyExA(hParent, "C", 0, KEY_READ, &hChild), ERROR_SUCCESS);
    EXPECT_EQ(Read(hChild, "Name"), "deep");
    RegCloseKey(hChild);
    RegCloseKey(hParent);
}

TEST_F(RegistryTest, MissingKeysAndValuesAreNotFound)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/a/");
    HKEY hKey = reinterpret_cast<HKEY>(0x1);
    EXPECT_EQ(Open(Key("Other"), &hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(Key("Ap"), &hKey), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(Read(hKey, "Missing"), "error " + std::to_string(ERROR_FILE_NOT_FOUND));
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, SizeQueriesAndSmallBuffers)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/opt/office/");  // 12 bytes + terminator
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Path", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 13u);

    char small[8] = "unused";
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(hKey, "Path", nullptr, nullptr, reinterpret_cast<LPBYTE>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 13u);
    EXPECT_STREQ(small, "unused");

    char exact[13];
    size = sizeof exact;
    EXPECT_EQ(RegQueryValueExA(hKey, "Path", nullptr, nullptr, reinterpret_cast<LPBYTE>(exact), &size), ERROR_SUCCESS);
    EXPECT_STREQ(exact, "/opt/office/");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, DeletingAValueKeepsTheKey)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/a/");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Other", "kept");
    platform::RegistryDeleteValue(HKEY_LOCAL_MACHINE, Key("App"), "path");
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(Read(hKey, "Path"), "error " + std::to_string(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Read(hKey, "Other"), "kept");
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, DeletingAKeyRemovesItsSubkeysButNotItsSiblings)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("A"), "Name", "a");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("A\\B"), "Name", "b");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("A B"), "Name", "sibling");
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("AB"), "Name", "other");
    HKEY hOpen = nullptr;
    ASSERT_EQ(Open(Key("A\\B"), &hOpen), ERROR_SUCCESS);

    platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, Key("a"));

    HKEY hKey = nullptr;
    EXPECT_EQ(Open(Key("A"), &hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open(Key("A\\B"), &hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Read(hOpen, "Name"), "error " + std::to_string(ERROR_KEY_DELETED));
    RegCloseKey(hOpen);
    for (const char* survivor : {"A B", "AB"}) {
        ASSERT_EQ(Open(Key(survivor), &hKey), ERROR_SUCCESS) << survivor;
        EXPECT_NE(Read(hKey, "Name").rfind("error", 0), 0u) << survivor;
        RegCloseKey(hKey);
    }
}

TEST_F(RegistryTest, HandlesAreCheckedAndCloseOnce)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, Key("App"), "Path", "/a/");
    HKEY hKey = nullptr;
    ASSERT_EQ(Open(Key("App"), &hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hKey), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Read(hKey, "Path"), "error " + std::to_string(ERROR_INVALID_HANDLE));
    HKEY hChild = nullptr;
    EXPECT_EQ(RegOpenKeyExA(hKey, "x", 0, KEY_READ, &hChild), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
}

}  // namespace
