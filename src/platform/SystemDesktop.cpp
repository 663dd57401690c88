#include "platform/SystemDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "platform/MessageDialog.h"
#include "platform/QtText.h"
#include "platform/print/Graphics.h"
#include "platform/print/PrintDialog.h"

namespace fw {

namespace {

QMessageBox::Icon IconOf(int icon) {
    switch (icon) {
        case 1:
            return QMessageBox::Warning;
        case 2:
            return QMessageBox::Critical;
        case 3:
            return QMessageBox::Question;
        default:
            return QMessageBox::Information;
    }
}

// The text's first `characters` characters, and "…" when that is not all.
QString Cut(const QString& text, int characters) {
    const int end = Utf16Offset(text, characters);
    if (end >= text.size()) {
        return text;
    }
    return text.left(end).trimmed() + QChar(0x2026);
}

bool Fits(const QMessageBox& box, QSize limit) {
    return box.width() <= limit.width() && box.height() <= limit.height();
}

// Gives the box, through `set`, as much of `text` as lets it fit within `limit`
// (none of it, when even that is too big).
void CutToFit(QMessageBox& box, const QString& text, QSize limit,
              void (QMessageBox::*set)(const QString&)) {
    int fits = 0;
    int tooMany = CharactersBefore(text, static_cast<int>(text.size()));
    while (tooMany - fits > 1) {
        const int middle = fits + (tooMany - fits) / 2;
        (box.*set)(Cut(text, middle));
        (Fits(box, limit) ? fits : tooMany) = middle;
    }
    (box.*set)(Cut(text, fits));
}

// Shortens the box's texts, whatever they hold, until the box fits in nine
// tenths of its screen (the rest is left to the title bar and the frame), so
// that its buttons stay within reach: the explanation first, then, if ever that
// is not enough, the message. Text wraps at word boundaries, so a word wider
// than the screen is cut too. The box lays itself out only while it is shown:
// it is measured shown off the screen.
void FitOnScreen(QMessageBox& box) {
    box.setAttribute(Qt::WA_DontShowOnScreen);
    box.show();
    const QScreen* screen = box.screen();
    // Never less than the box needs for its icon and buttons: on a screen too
    // small even for those, no text would help, so none is cut for it.
    const QString text = box.text();
    const QString explanation = box.informativeText();
    box.setText(Cut(text, 0));
    box.setInformativeText(Cut(explanation, 0));
    const QSize least = box.size();
    box.setText(text);
    box.setInformativeText(explanation);
    const QSize limit = screen ? (screen->availableGeometry().size() * 9 / 10).expandedTo(least)
                               : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (!Fits(box, limit)) {
        CutToFit(box, explanation, limit, &QMessageBox::setInformativeText);
    }
    if (!Fits(box, limit)) {
        CutToFit(box, text, limit, &QMessageBox::setText);
    }
    box.hide();
    box.setAttribute(Qt::WA_DontShowOnScreen, false);
}

}  // namespace

void SystemDesktop::MsgBox(const std::string& text) {
    // No parent: the box must outlive any window that closes while it is open.
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QApplication::applicationName());
    box.setTextFormat(Qt::PlainText);
    box.setText(WithLineFeeds(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Desktop::Button SystemDesktop::ShowMessageDialog(const MessageDialog& dialog) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(ToQString(dialog.Title));
    box.setIcon(IconOf(dialog.Icon));
    box.setTextFormat(Qt::PlainText);
    box.setText(WithLineFeeds(dialog.Message));
    box.setInformativeText(WithLineFeeds(dialog.Explanation));
    QPushButton* action = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* alternate = nullptr;
    if (dialog.ActionButton.Visible) {
        action = box.addButton(ToQString(dialog.ActionButton.Caption), QMessageBox::AcceptRole);
        box.setDefaultButton(action);
    }
    if (dialog.AlternateActionButton.Visible) {
        alternate =
            box.addButton(ToQString(dialog.AlternateActionButton.Caption), QMessageBox::ActionRole);
    }
    if (dialog.CancelButton.Visible) {
        cancel = box.addButton(ToQString(dialog.CancelButton.Caption), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    }
    FitOnScreen(box);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr) {
        return Button::None;
    }
    if (clicked == action) {
        return Button::Action;
    }
    if (clicked == cancel) {
        return Button::Cancel;
    }
    if (clicked == alternate) {
        return Button::Alternate;
    }
    return Button::None;
}

void SystemDesktop::Beep() {
    QApplication::beep();
}

void SystemDesktop::ShowURL(const std::string& url) {
    const QUrl target = QUrl::fromUserInput(ToQString(url));
    if (target.isValid() && !url.empty()) {
        QDesktopServices::openUrl(target);
    }
}

std::unique_ptr<Graphics> SystemDesktop::OpenPrinterDialog(const PrinterSetup& setup) {
    return RunSystemPrintDialog(setup);
}

}  // namespace fw
