#include "settings/FieldWriter.h"

#include "settings/TextCodec.h"

namespace rukcon::settings {

std::string FieldWriter::Format(std::span<const std::string> fields)
{
    std::string out;
    for (const std::string& field : fields) {
        std::string value = TextCodec::ToCp932(field);
        for (char& c : value)
            if (c == '\r' || c == '\n')
                c = ' ';
        if (value.find('"') == std::string::npos) {
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
