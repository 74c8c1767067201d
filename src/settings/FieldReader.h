#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rukcon::settings {

// The buffer most settings files are read into: entries 0 … 100.
inline constexpr size_t kFieldBufferSize = 101;
using FieldBuffer = std::array<std::string, kFieldBufferSize>;

// Reads settings files field by field. A field is either quoted ("value") or unquoted (up to
// the next comma or line end, blanks around it dropped); fields are separated by commas or
// line ends (CR LF, LF or CR). A quoted field ends at the first quote that is followed, after
// optional blanks, by a comma or the end of the line, so a value holding a quote reads back
// whole: "ab"cd" is ab"cd, while "a","b" stays two fields. A quote that never closes takes
// the rest of its line.
// A line that starts (after blanks) with =" holds the form FieldWriter uses for values with a
// double quote: "" inside is one quote and a single quote ends the field; what follows it up
// to the next comma or line end is dropped, and a field never closed takes the rest of its
// line. Only at the start of a line: earlier versions began every line they wrote with a quote,
// but a field spilled after a comma of theirs may start with =" and keeps its old reading.
class FieldReader {
public:
    // No settings file comes near this; a larger file (a dropped video, say) is read only
    // this far, so it costs neither time nor memory.
    static constexpr size_t kMaxFileBytes = 1 << 20;

    // Splits code page 932 bytes into at most maxFields UTF-8 values.
    static std::vector<std::string> Parse(std::string_view cp932, size_t maxFields);

    // Reads the file's fields into buffer, the first field into buffer[0], and stops when the
    // buffer is full. Entries the file does not reach keep what they held. fieldsRead (when
    // given) receives how many entries were filled. False when the path cannot be opened or
    // is not a regular file; the buffer is then untouched.
    static bool ReadFile(const std::filesystem::path& path, std::span<std::string> buffer,
                         size_t* fieldsRead = nullptr);
};

} // namespace rukcon::settings
