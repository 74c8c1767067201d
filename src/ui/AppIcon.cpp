#include "ui/AppIcon.h"

#include "ui/ProgramIconDrawing.h"
#include "ui/ProgramIconPixels.h" // made by the build

#include <QPixmap>

namespace rukcon::ui {

QIcon programIcon()
{
    // Made once for the window, the tray window and the tray icon, from the pixels the build drew.
    // Never destroyed: its pixmaps must not outlive the application object, which a static would.
    static const QIcon* const icon = [] {
        auto* made = new QIcon;
        for (size_t i = 0; i < kProgramIconSizes.size(); ++i) {
            const int size = kProgramIconSizes[i];
            const QImage pixels(reinterpret_cast<const uchar*>(generated::kProgramIconPixels[i]), size, size,
                                QImage::Format_ARGB32_Premultiplied);
            made->addPixmap(QPixmap::fromImage(pixels));
        }
        return made;
    }();
    return *icon;
}

} // namespace rukcon::ui
