#include "ui/Fonts.h"

#include <QFontInfo>

namespace rukcon::ui {

QStringList gothicFamilies()
{
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
            QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
}

QFont gothicFont(qreal pointSize, bool bold)
{
    // Resolved once: a family list whose first faces are missing sends every text layout of every
    // widget through the font database's search again, which made most of the window's build time.
    static const QString family = [] {
        QFont probe;
        probe.setFamilies(gothicFamilies());
        return QFontInfo(probe).family();
    }();
    QFont font;
    font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace rukcon::ui
