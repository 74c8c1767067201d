#include "settings/FieldReader.h"

#include "settings/TextCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rukcon::settings {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Code page 932 trail bytes start at 0x40, so quotes, equals signs, commas, blanks and line
// ends found byte by byte are never half of a double-byte character.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The bytes of the next field; consumes the separator after it.
    std::string next()
    {
        const bool lineStart = m_atLineStart;
        skipBlanks();
        std::string value;
        if (lineStart && m_text.substr(m_pos, 2) == "=\"")
            value = doubledQuotes();
        else if (!atEnd() && m_text[m_pos] == '"')
            value = quoted();
        else
            value = unquoted();
        skipSeparator();
        return value;
    }

private:
    void skipBlanks()
    {
        while (!atEnd() && IsBlank(m_text[m_pos]))
            ++m_pos;
    }

    // ="value" with each quote inside doubled.
    std::string doubledQuotes()
    {
        m_pos += 2;
        std::string value;
        while (!atEnd() && !IsLineEnd(m_text[m_pos])) {
            const char c = m_text[m_pos++];
            if (c != '"') {
                value += c;
            } else if (!atEnd() && m_text[m_pos] == '"') {
                value += '"';
                ++m_pos;
            } else {
                // Closed: anything up to the separator is not part of any field.
                while (!atEnd() && m_text[m_pos] != ',' && !IsLineEnd(m_text[m_pos]))
                    ++m_pos;
                break;
            }
        }
        return value;
    }

    std::string_view quoted()
    {
        const size_t start = ++m_pos;
        for (size_t q = start; q < m_text.size() && !IsLineEnd(m_text[q]); ++q) {
            if (m_text[q] != '"')
                continue;
            size_t after = q + 1;
            while (after < m_text.size() && IsBlank(m_text[after]))
                ++after;
            if (after == m_text.size() || m_text[after] == ',' || IsLineEnd(m_text[after])) {
                m_pos = after;
                return m_text.substr(start, q - start);
            }
        }
        // Never closed: the rest of the line is the value.
        while (!atEnd() && !IsLineEnd(m_text[m_pos]))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    std::string_view unquoted()
    {
        const size_t start = m_pos;
        while (!atEnd() && m_text[m_pos] != ',' && !IsLineEnd(m_text[m_pos]))
            ++m_pos;
        size_t end = m_pos;
        while (end > start && IsBlank(m_text[end - 1]))
            --end;
        return m_text.substr(start, end - start);
    }

    void skipSeparator()
    {
        m_atLineStart = !atEnd() && IsLineEnd(m_text[m_pos]);
        if (atEnd())
            return;
        if (m_text[m_pos] == ',') {
            ++m_pos;
        } else if (m_text[m_pos] == '\r') {
            ++m_pos;
            if (!atEnd() && m_text[m_pos] == '\n')
                ++m_pos;
        } else if (m_text[m_pos] == '\n') {
            ++m_pos;
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    bool m_atLineStart = true;
};

// Reads at most limit bytes of a regular file. Opened non-blocking so that a dropped FIFO
// cannot hang the window.
bool ReadHead(const std::filesystem::path& path, size_t limit, std::string& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        const size_t wanted = static_cast<size_t>(info.st_size) < limit ? static_cast<size_t>(info.st_size) : limit;
        out.resize(wanted);
        size_t got = 0;
        while (got < wanted) {
            const ssize_t n = ::read(fd, out.data() + got, wanted - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0)
                break; // the file shrank meanwhile
            got += static_cast<size_t>(n);
        }
        out.resize(got);
    }
    ::close(fd);
    return ok;
}

} // namespace

std::vector<std::string> FieldReader::Parse(std::string_view cp932, size_t maxFields)
{
    std::vector<std::string> fields;
    FieldScanner scanner(cp932);
    while (!scanner.atEnd() && fields.size() < maxFields)
        fields.push_back(TextCodec::FromCp932(scanner.next()));
    return fields;
}

bool FieldReader::ReadFile(const std::filesystem::path& path, std::span<std::string> buffer, size_t* fieldsRead)
{
    if (fieldsRead)
        *fieldsRead = 0;
    std::string bytes;
    if (!ReadHead(path, kMaxFileBytes, bytes))
        return false;
    std::vector<std::string> fields = Parse(bytes, buffer.size());
    for (size_t i = 0; i < fields.size(); ++i)
        buffer[i] = std::move(fields[i]);
    if (fieldsRead)
        *fieldsRead = fields.size();
    return true;
}

} // namespace rukcon::settings
