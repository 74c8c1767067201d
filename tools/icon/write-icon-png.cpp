// Writes the program's icon, as the program paints it, to a PNG of the given size, for desktops
// that want a bitmap beside the scalable icon. Usage: write-icon-png SIZE FILE
#include "ui/AppIcon.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage: write-icon-png SIZE FILE\n", stderr);
        return 2;
    }
    // Painting needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[1]);
    const QPixmap pixmap = rukcon::ui::programIcon().pixmap(size, size);
    if (pixmap.width() != size || !pixmap.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "write-icon-png: cannot write a %d px icon to %s\n", size, argv[2]);
        return 1;
    }
    return 0;
}
