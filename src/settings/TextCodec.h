#pragma once

#include <string>
#include <string_view>

namespace rukcon::settings {

// Conversion between the program's UTF-8 strings and code page 932, the encoding of every
// settings file. Neither direction fails: what cannot be carried over is replaced, one
// replacement per character, so a single odd character never costs the rest of a file.
class TextCodec {
public:
    // A character that code page 932 cannot hold (an emoji, say) becomes "?", as the Windows
    // ANSI conversion writes it; so does a byte that is not valid UTF-8.
    static std::string ToCp932(std::string_view utf8);

    // A byte that does not start a valid code page 932 character becomes U+FFFD.
    static std::string FromCp932(std::string_view cp932);
};

} // namespace rukcon::settings
