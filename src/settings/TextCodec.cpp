#include "settings/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace rukcon::settings {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// One iconv descriptor per direction, opened once per thread; glibc descriptors keep shift
// state and must not be shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can. Returns the number of input bytes consumed; stops at the
    // first byte sequence it cannot convert (or at the end).
    size_t convert(std::string_view in, std::string& out)
    {
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        while (inLeft > 0) {
            char chunk[1024];
            char* outPtr = chunk;
            size_t outLeft = sizeof chunk;
            const size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(chunk, static_cast<size_t>(outPtr - chunk));
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno != E2BIG) {
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // forget any half-read state
                break;
            }
        }
        return in.size() - inLeft;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with lead, or 1 for a byte that cannot start one,
// so an invalid byte is skipped alone.
size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// Most fields are numbers and key names in plain ASCII, which both encodings share.
bool IsAscii(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string TextCodec::ToCp932(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        size_t used = 0;
        if (converter.valid())
            used = converter.convert(utf8, out);
        else
            while (used < utf8.size() && static_cast<unsigned char>(utf8[used]) < 0x80)
                out += utf8[used++]; // without iconv only ASCII survives
        utf8.remove_prefix(used);
        if (utf8.empty())
            break;
        out += '?';
        // One "?" per character: skip the lead byte and the continuation bytes that belong to it.
        const size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8.front()));
        size_t skip = 1;
        while (skip < length && skip < utf8.size() && (static_cast<unsigned char>(utf8[skip]) & 0xC0) == 0x80)
            ++skip;
        utf8.remove_prefix(skip);
    }
    return out;
}

std::string TextCodec::FromCp932(std::string_view cp932)
{
    if (IsAscii(cp932))
        return std::string(cp932);
    thread_local Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    while (!cp932.empty()) {
        size_t used = 0;
        if (converter.valid())
            used = converter.convert(cp932, out);
        else
            while (used < cp932.size() && static_cast<unsigned char>(cp932[used]) < 0x80)
                out += cp932[used++];
        cp932.remove_prefix(used);
        if (cp932.empty())
            break;
        // Skip only the offending byte: in "82 20" the blank after a broken lead byte survives.
        out += kReplacementCharacter;
        cp932.remove_prefix(1);
    }
    return out;
}

} // namespace rukcon::settings
