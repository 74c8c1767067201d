#include "settings/FieldWriter.h"

#include "settings/TextCodec.h"

#include <string_view>

namespace rukcon::settings {

namespace {

// The reader closes a quoted value at the first quote followed by nothing but blanks and then a
// comma or the line end. Written between quotes, the value's own closing quote is followed by the
// line end, and a line break inside it is already a blank, so only a quote, blanks and a comma
// within the value end it early.
bool PlainFormSplits(std::string_view value)
{
    for (size_t q = value.find('"'); q != std::string_view::npos; q = value.find('"', q + 1)) {
        size_t after = q + 1;
        while (after < value.size() && (value[after] == ' ' || value[after] == '\t'))
            ++after;
        if (after < value.size() && value[after] == ',')
            return true;
    }
    return false;
}

} // namespace

std::string FieldWriter::Format(std::span<const std::string> fields)
{
    std::string out;
    for (const std::string& field : fields) {
        std::string value = TextCodec::ToCp932(field);
        for (char& c : value)
            if (c == '\r' || c == '\n')
                c = ' ';
        if (!PlainFormSplits(value)) {
            out += '"';
            out += value;
        } else {
            out += "=\"";
            for (char c : value) {
                out += c;
                if (c == '"')
                    out += '"';
            }
        }
        out += "\"\r\n";
    }
    return out;
}

bool FieldWriter::WriteFile(const std::filesystem::path& path, std::span<const std::string> fields, DiskIo& io)
{
    return ReplaceFile(path, Format(fields), io);
}

} // namespace rukcon::settings
