#include "ui/Fonts.h"

namespace rukcon::ui {

QStringList gothicFamilies()
{
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
            QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
}

QFont gothicFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(gothicFamilies());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace rukcon::ui
