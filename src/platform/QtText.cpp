#include "platform/QtText.h"

#include <QApplication>
#include <QFontDatabase>
#include <algorithm>
#include <cmath>

#include "platform/base/Text.h"
#include "platform/print/FontFallback.h"

namespace fw {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return SanitizeUtf8(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString WithLineFeeds(std::string_view utf8) {
    QString text = ToQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QFont FontFor(const std::string& family, double points) {
    QFont font = QApplication::font();
    if (family != "System" && !family.empty()) {
        const FontChoice choice = ChooseFont(family);
        font.setFamilies({choice.family});
        font.setStyleHint(choice.hint);
    }
    if (points > 0) {
        // Window layouts are measured in pixels at 72 per inch, where a point is a
        // pixel; sizing the font in pixels keeps text inside the boxes laid out for it
        // whatever the screen's resolution.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(points))));
    }
    return font;
}

int CharactersBefore(const QString& text, int utf16Units) {
    int characters = 0;
    const int end = std::min<int>(utf16Units, static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i) {
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) {
            ++characters;
        }
    }
    return characters;
}

int Utf16Offset(const QString& text, int characters) {
    int i = 0;
    const int size = static_cast<int>(text.size());
    while (characters > 0 && i < size) {
        i += (text.at(i).isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) ? 2
                                                                                               : 1;
        --characters;
    }
    return i;
}

}  // namespace fw
