#include "platform/print/FontFallback.h"

#include <QFontDatabase>
#include <initializer_list>

namespace fw {

FontChoice ChooseFont(const std::string& name) {
    struct Fallback {
        const char* name;
        QFont::StyleHint hint;
        std::initializer_list<const char*> families;
    };
    static const Fallback kFallbacks[] = {
        {"Arial", QFont::SansSerif, {"Arial", "Liberation Sans", "Arimo", "Nimbus Sans"}},
        {"Helvetica", QFont::SansSerif, {"Helvetica", "Liberation Sans", "Nimbus Sans"}},
        {"Courier",
         QFont::TypeWriter,
         {"Courier", "Courier New", "Liberation Mono", "Cousine", "Nimbus Mono PS"}},
        {"Courier New",
         QFont::TypeWriter,
         {"Courier New", "Liberation Mono", "Cousine", "Nimbus Mono PS"}},
    };
    if (name == "System" || name.empty()) {
        return {QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), QFont::AnyStyle};
    }
    const QString requested = QString::fromStdString(name);
    for (const Fallback& fallback : kFallbacks) {
        if (requested.compare(QLatin1String(fallback.name), Qt::CaseInsensitive) != 0) {
            continue;
        }
        for (const char* family : fallback.families) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
                return {QString::fromLatin1(family), fallback.hint};
            }
        }
        return {requested, fallback.hint};
    }
    return {requested, QFont::AnyStyle};
}

}  // namespace fw
