#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rukcon::settings {

// Turning field texts back into numbers and switches. Both conversions can fail; the
// loaders decide what a failure means.
class FieldConversion {
public:
    // Decimal integer with optional sign and surrounding blanks. Empty text, letters, a
    // fraction or a value outside int's range fail.
    static std::optional<int> ToInteger(std::string_view text);

    // "True"/"False" in any letter case, or an integer (non-zero is true).
    static std::optional<bool> ToBoolean(std::string_view text);

    static std::string FromBoolean(bool value);
};

} // namespace rukcon::settings
