#include "gui/fonts.h"

#include <QStringList>

namespace orvalis::gui {

namespace {

QFont WithFallbacks(const QString& first, int point_size) {
    QFont font;
    font.setFamilies(QStringList{first, QStringLiteral("NanumGothic"),
                                 QStringLiteral("NanumBarunGothic"),
                                 QStringLiteral("Noto Sans CJK KR"),
                                 QStringLiteral("Malgun Gothic"), QStringLiteral("UnDotum")});
    font.setPointSize(point_size);
    return font;
}

}  // namespace

QFont CaptionFont() {
    return WithFallbacks(QStringLiteral("휴먼편지체"), 9);
}
QFont ButtonFont() {
    return WithFallbacks(QStringLiteral("휴먼매직체"), 9);
}
QFont ListFont() {
    return WithFallbacks(QStringLiteral("굴림"), 9);
}

QFont GridFont() {
    QFont font;
    // Hangul falls through to the Korean fonts further down the list.
    font.setFamilies(QStringList{QStringLiteral("NanumGothicCoding"), QStringLiteral("D2Coding"),
                                 QStringLiteral("Consolas"), QStringLiteral("DejaVu Sans Mono"),
                                 QStringLiteral("NanumGothic"), QStringLiteral("Malgun Gothic"),
                                 QStringLiteral("굴림체")});
    font.setPointSize(10);
    return font;
}

}  // namespace orvalis::gui
