#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace rukcon::test {

// What a file holds now; empty while it does not exist.
inline std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace rukcon::test
