#include "main/engine/Apputil.h"

#include "common/misc/CxIniUtil.h"

#include <cstddef>
#include <cstring>
#include <string>

TAppSettings AppSettings{};

const char* const SETTINGS_SECTION = "Brindle";
const char* const DEBUG_LOG_NAME = "appdebug.log";

namespace {

enum class TSettingType { Int, Bool, Text };

// One INI key: where its field lies in TAppSettings and what it holds when missing.
struct TSettingRow {
    const char* szKey;
    TSettingType type;
    std::size_t nOffset;
    std::size_t nSize;
    int nDefault;
};

#define SETTING_ROW(field, type, nDefault) \
    TSettingRow { #field, type, offsetof(TAppSettings, field), sizeof(TAppSettings::field), nDefault }

// In the order the keys are read and written.
const TSettingRow kSettingRows[] = {
    SETTING_ROW(AppMode, TSettingType::Int, MODE_O2C),
    SETTING_ROW(AppFlag, TSettingType::Int, FLAG_ADDR),
    SETTING_ROW(CsvAddrFile, TSettingType::Text, 0),
    SETTING_ROW(CsvDateFile, TSettingType::Text, 0),
    SETTING_ROW(CsvTaskFile, TSettingType::Text, 0),
    SETTING_ROW(CsvNoteFile, TSettingType::Text, 0),
    SETTING_ROW(QuoteMark, TSettingType::Text, 0),
    SETTING_ROW(AppendCSV, TSettingType::Int, 0),
    SETTING_ROW(EnableDebug, TSettingType::Bool, 0),
    SETTING_ROW(LogLevel, TSettingType::Int, LOG_LEVEL_LOW),
    SETTING_ROW(AddTitle, TSettingType::Bool, 0),
    SETTING_ROW(Delimiter, TSettingType::Int, DELIMITER_COMMA),
    SETTING_ROW(Encoding, TSettingType::Int, ENCODING_DETECT),
    SETTING_ROW(ByteOrderMark, TSettingType::Bool, 0),
};

#undef SETTING_ROW

template <typename T>
T& FieldOf(const TSettingRow& row)
{
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(&AppSettings) + row.nOffset);
}

// Creates the folder unless it exists already.
bool EnsureFolder(const std::string& szFolder)
{
    const DWORD nAttributes = GetFileAttributesA(szFolder.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES)
        return (nAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return CreateDirectoryA(szFolder.c_str(), nullptr) != FALSE;
}

}  // namespace

void LoadSettings()
{
    std::memset(&AppSettings, 0, sizeof AppSettings);
    for (const TSettingRow& row : kSettingRows) {
        switch (row.type) {
        case TSettingType::Int:
            FieldOf<int>(row) = AppIni.ReadInt(SETTINGS_SECTION, row.szKey, row.nDefault);
            break;
        case TSettingType::Bool:
            FieldOf<bool>(row) = AppIni.ReadBool(SETTINGS_SECTION, row.szKey, row.nDefault != 0);
            break;
        case TSettingType::Text:
            AppIni.ReadString(SETTINGS_SECTION, row.szKey, &FieldOf<char>(row), static_cast<int>(row.nSize), "");
            break;
        }
    }
}

void SaveSettings()
{
    for (const TSettingRow& row : kSettingRows) {
        switch (row.type) {
        case TSettingType::Int:
            AppIni.WriteInt(SETTINGS_SECTION, row.szKey, FieldOf<int>(row));
            break;
        case TSettingType::Bool:
            AppIni.WriteBool(SETTINGS_SECTION, row.szKey, FieldOf<bool>(row));
            break;
        case TSettingType::Text:
            AppIni.WriteString(SETTINGS_SECTION, row.szKey, &FieldOf<char>(row));
            break;
        }
    }
}

bool GetAppDataFolder(LPSTR szFolder)
{
    if (szFolder == nullptr)
        return false;
    char szCommon[MAX_PATH] = "";
    if (SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, szCommon) != S_OK)
        return false;

    std::string folder = std::string(szCommon) + "/corvane/";
    if (!EnsureFolder(folder))
        return false;
    folder += "Brindle/";
    if (folder.size() >= MAX_PATH || !EnsureFolder(folder))
        return false;
    std::memcpy(szFolder, folder.c_str(), folder.size() + 1);
    return true;
}
