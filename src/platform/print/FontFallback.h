#pragma once

// The font family that stands for a font name of the application's layouts and
// drawing: "System" is the desktop's general font; "Arial" and "Courier" fall back
// to metric-compatible families where they are missing. For the Qt side of the
// framework layer only.

#include <QFont>
#include <QString>
#include <string>

namespace fw {

struct FontChoice {
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
};

FontChoice ChooseFont(const std::string& name);

}  // namespace fw
