#include "platform/print/Date.h"

#include <QDateTime>
#include <QLocale>

namespace fw {

namespace {

QDateTime ToLocal(std::chrono::system_clock::time_point moment) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ms)).toLocalTime();
}

}  // namespace

Date::Date() : moment_(std::chrono::system_clock::now()) {}

Date::Date(std::chrono::system_clock::time_point moment) : moment_(moment) {}

std::string Date::ShortTime() const {
    return QLocale::system().toString(ToLocal(moment_).time(), QLocale::ShortFormat).toStdString();
}

std::string Date::ShortDate() const {
    return QLocale::system().toString(ToLocal(moment_).date(), QLocale::ShortFormat).toStdString();
}

}  // namespace fw
