#pragma once

#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace rukcon::test {

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// UTF-8 to code page 932 straight through iconv, independent of the library's converter; a
// character it cannot carry fails the test.
inline std::string Sjis(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* o = out.data();
    size_t outLeft = out.size();
    if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1))
        ADD_FAILURE() << "test text not in code page 932: " << utf8;
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// The file image the settings files use: each value between quotes, CR LF, code page 932. (A
// value in which a quote is followed by blanks and a comma is written otherwise; none here is.)
inline std::string FileImage(const std::vector<std::string>& values)
{
    std::string out;
    for (const std::string& v : values)
        out += "\"" + Sjis(v) + "\"\r\n";
    return out;
}

// Bytes no settings file holds, with commas and line ends aplenty, the same on every run.
inline std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// Lines of a file, without the line ends, still in code page 932.
inline std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Compares two file images line by line, so a mismatch in a 600-line file names the line
// instead of printing both files whole.
inline void ExpectSameFile(const std::string& actual, const std::string& expected)
{
    const std::vector<std::string> a = SplitLines(actual);
    const std::vector<std::string> e = SplitLines(expected);
    for (size_t i = 0; i < a.size() && i < e.size(); ++i)
        if (a[i] != e[i]) {
            ADD_FAILURE() << "line " << i + 1 << " is " << ::testing::PrintToString(a[i]) << ", expected "
                          << ::testing::PrintToString(e[i]);
            return;
        }
    EXPECT_EQ(a.size(), e.size()) << "line count";
    if (a.size() == e.size() && actual != expected)
        ADD_FAILURE() << "same lines, different line ends or bytes";
}

// Files besides the temp files a writer may leave: a folder's entries, names only.
inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace rukcon::test
