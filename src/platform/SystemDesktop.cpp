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

// The explanation's first `characters` characters, and "…" when that is not all.
QString Cut(const QString& explanation, int characters) {
    const int end = Utf16Offset(explanation, characters);
    if (end >= explanation.size()) {
        return explanation;
    }
    return explanation.left(end).trimmed() + QChar(0x2026);
}

// Shortens the box's explanation, whatever it holds, until the box fits in nine
// tenths of its screen's height (the rest is left to the title bar), so that its
// buttons stay within reach. The box lays itself out only while it is shown:
// it is measured shown off the screen.
void FitOnScreen(QMessageBox& box, const QString& explanation) {
    box.setAttribute(Qt::WA_DontShowOnScreen);
    box.show();
    const QScreen* screen = box.screen();
    const int limit = screen ? screen->availableGeometry().height() * 9 / 10 : QWIDGETSIZE_MAX;
    if (box.height() > limit) {
        int fits = 0;
        int tooMany = CharactersBefore(explanation, static_cast<int>(explanation.size()));
        while (tooMany - fits > 1) {
            const int middle = fits + (tooMany - fits) / 2;
            box.setInformativeText(Cut(explanation, middle));
            (box.height() <= limit ? fits : tooMany) = middle;
        }
        box.setInformativeText(Cut(explanation, fits));
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
    FitOnScreen(box, box.informativeText());
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
