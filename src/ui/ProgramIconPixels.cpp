// Draws the program's icon at every size and writes the pixels as a header, so the program does
// not draw them at each start (before its window shows):  rukcon_program_icon_pixels OUTPUT_HEADER
#include "ui/ProgramIconDrawing.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: rukcon_program_icon_pixels OUTPUT_HEADER\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Made at build time by rukcon_program_icon_pixels from ui/ProgramIconDrawing.cpp.\n"
           "#pragma once\n\n#include <cstdint>\n\nnamespace rukcon::ui::generated {\n\n";
    for (const int size : rukcon::ui::kProgramIconSizes) {
        const QImage image = rukcon::ui::drawProgramIcon(size);
        out << "inline constexpr uint32_t kProgramIcon" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
            out << "\n   ";
            for (int x = 0; x < size; ++x) {
                char pixel[16];
                std::snprintf(pixel, sizeof pixel, " 0x%08x,", static_cast<unsigned>(line[x]));
                out << pixel;
            }
        }
        out << "\n};\n\n";
    }
    out << "// In the order of kProgramIconSizes.\ninline constexpr const uint32_t* kProgramIconPixels[] = {";
    for (const int size : rukcon::ui::kProgramIconSizes)
        out << "kProgramIcon" << size << ", ";
    out << "};\n\n} // namespace rukcon::ui::generated\n";
    out.close();
    return out ? 0 : 1;
}
