#include "main/engine/FileReplace.h"

#include "platform/ReplacementFile.h"

std::optional<std::string> ReplaceFileWith(const std::string& path, std::string_view bytes)
{
    platform::ReplacementFile file;
    if (!file.Create(path) || !file.Write(bytes) || !file.Finish() || !file.PutInPlace())
        return file.FailureReason();
    return std::nullopt;
}
