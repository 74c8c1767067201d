#pragma once

#include "settings/DiskIo.h"

#include <filesystem>
#include <span>
#include <string>

namespace rukcon::settings {

// Writes settings files: every field on a line of its own, in code page 932, CR LF after it.
//  - A value without a double quote is written as it always was: "value".
//  - A value holding a double quote is written as ="value" with every quote in it doubled:
//    He said "hi", ok becomes ="He said ""hi"", ok". Earlier versions wrote such a value raw
//    between quotes, which a comma after a quote split into two fields. Every line they wrote
//    starts with a quote, so no line of theirs starts with = and old files read as before.
class FieldWriter {
public:
    // The file image of the given UTF-8 fields. A line break inside a value would split the
    // record and shift every later field, so it is written as a blank.
    static std::string Format(std::span<const std::string> fields);

    // Replaces the file at path by the fields (see ReplaceFile); false when it could not.
    static bool WriteFile(const std::filesystem::path& path, std::span<const std::string> fields, DiskIo& io);
};

} // namespace rukcon::settings
