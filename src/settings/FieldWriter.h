#pragma once

#include "settings/DiskIo.h"

#include <filesystem>
#include <span>
#include <string>

namespace rukcon::settings {

// Writes settings files: every field on a line of its own, "value" + CR LF, in code page 932.
class FieldWriter {
public:
    // The file image of the given UTF-8 fields. A line break inside a value would split the
    // record and shift every later field, so it is written as a blank.
    static std::string Format(std::span<const std::string> fields);

    // Replaces the file at path by the fields (see ReplaceFile); false when it could not.
    static bool WriteFile(const std::filesystem::path& path, std::span<const std::string> fields, DiskIo& io);
};

} // namespace rukcon::settings
