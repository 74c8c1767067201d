#pragma once

#include "settings/DiskIo.h"

#include <filesystem>
#include <span>
#include <string>

namespace rukcon::settings {

// Writes settings files: every field on a line of its own, in code page 932, CR LF after it.
//  - A value is written as it always was, "value", quotes inside it and all, whenever it reads
//    back the same: other readers of these files know only this form.
//  - A value in which a double quote is followed by blanks and a comma would end at that quote
//    and spill its rest into the next field. It is written as ="value" with every quote in it
//    doubled: He said "hi", ok becomes ="He said ""hi"", ok". Every line of the plain form
//    starts with a quote, so no such line starts with = and older files read as before.
class FieldWriter {
public:
    // The file image of the given UTF-8 fields. A line break inside a value would split the
    // record and shift every later field, so it is written as a blank.
    static std::string Format(std::span<const std::string> fields);

    // Replaces the file at path by the fields (see ReplaceFile); false when it could not.
    static bool WriteFile(const std::filesystem::path& path, std::span<const std::string> fields, DiskIo& io);
};

} // namespace rukcon::settings
