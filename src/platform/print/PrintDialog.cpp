#include "platform/print/PrintDialog.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "platform/print/PrinterGraphics.h"

namespace fw {

namespace {

std::unique_ptr<QPrinter> MakePrinter(const PrinterSetup& setup) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer;
}

}  // namespace

std::unique_ptr<Graphics> RunSystemPrintDialog(const PrinterSetup& setup) {
    auto printer = MakePrinter(setup);
    QPrintDialog dialog(printer.get(), nullptr);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return PrinterGraphics::Begin(std::move(printer));
}

std::unique_ptr<Graphics> OpenPdfGraphics(const std::string& path, const PrinterSetup& setup) {
    auto printer = MakePrinter(setup);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return PrinterGraphics::Begin(std::move(printer));
}

}  // namespace fw
