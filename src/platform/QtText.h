#pragma once

// Conversions between the framework's UTF-8 texts and Qt's, and a common way to
// reach Qt's two text editors, for the Qt side of the framework layer only.

#include <QFont>
#include <QPlainTextEdit>
#include <QString>
#include <QTextEdit>
#include <string>
#include <string_view>

namespace fw {

QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);
// Stored texts separate lines with CR; widgets show LF line breaks.
QString WithLineFeeds(std::string_view utf8);
// "System" is the desktop's default font; other names fall back to a
// metric-compatible font where the named one is missing. Size 0 keeps the
// default size; other sizes are points of the layout, drawn as as many pixels.
QFont FontFor(const std::string& family, double points);
// Number of characters (code points) in the first `utf16Units` of `text`.
int CharactersBefore(const QString& text, int utf16Units);
// UTF-16 offset of character `characters` in `text` (clamped to the end).
int Utf16Offset(const QString& text, int characters);

// Runs `f` on a text area's widget as whichever editor it is (plain or rich
// text); both editors offer the same calls under the same names.
template <typename F>
auto WithEditor(QWidget* widget, F f) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return f(plain);
    }
    return f(static_cast<QTextEdit*>(widget));
}

}  // namespace fw
