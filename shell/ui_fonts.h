// The face the windows were drawn for. IPA P Gothic keeps the Windows Japanese Gothic
// metrics, so captions fit their boxes where the Windows face is missing.
#pragma once

#include <QFont>
#include <QStringList>

namespace ui {

inline QFont gothicFont(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace ui
