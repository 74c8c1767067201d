// Feeds arbitrary bytes to the settings-file reader, as a hand-edited or foreign file would.
// Besides crashes and sanitizer reports it checks what the reader promises:
//  - never more fields than asked for, each valid UTF-8;
//  - what was read, written back and read again, is read the same way from then on;
//  - every value survives writing and reading unchanged, quotes, commas and blanks included,
//    except that a byte that was not code page 932 (read as U+FFFD) is written back as "?".
#include "settings/FieldConversion.h"
#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using rukcon::settings::FieldConversion;
using rukcon::settings::FieldReader;
using rukcon::settings::FieldWriter;

namespace {

constexpr size_t kMenuFields = 650;

bool IsValidUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t length = 0;
        uint32_t min = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2, min = 0x80, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, min = 0x800, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> fields = FieldReader::Parse(input, kMenuFields);
    Require(fields.size() <= kMenuFields);
    bool anyReplaced = false;
    for (const std::string& field : fields) {
        Require(IsValidUtf8(field));
        anyReplaced = anyReplaced || field.find("\xEF\xBF\xBD") != std::string::npos;
        (void)FieldConversion::ToInteger(field);
        (void)FieldConversion::ToBoolean(field);
    }

    const std::vector<std::string> once = FieldReader::Parse(FieldWriter::Format(fields), SIZE_MAX);
    const std::vector<std::string> twice = FieldReader::Parse(FieldWriter::Format(once), SIZE_MAX);
    Require(once == twice);
    if (!anyReplaced)
        Require(once == fields);
    return 0;
}
