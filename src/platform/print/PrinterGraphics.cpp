#include "platform/print/PrinterGraphics.h"

#include "platform/print/FontFallback.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace fw {

namespace {

constexpr double kPageWidth = 540;
constexpr double kPageHeight = 720;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

struct PrinterGraphics::Impl {
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    // Device pixels per page unit, and the factor by which the page is shrunk.
    double scale = 1;
    double shrink = 1;

    std::string fontName = "System";
    double size = 12;
    Color color;
    bool bold = false;

    std::map<std::string, FontChoice> chosenFonts;
    std::optional<QFont> font;
    std::optional<QFontMetricsF> metrics;

    ~Impl() {
        if (painter.isActive()) {
            painter.end();
        }
    }

    void StateChanged() {
        font.reset();
        metrics.reset();
    }

    const QFont& Font() {
        if (!font) {
            auto found = chosenFonts.find(fontName);
            if (found == chosenFonts.end()) {
                found = chosenFonts.emplace(fontName, ChooseFont(fontName)).first;
            }
            QFont f(found->second.family);
            f.setStyleHint(found->second.hint);
            // Points on the printer come out as page units once the page is shrunk.
            f.setPointSizeF(std::max(size * shrink, 0.1));
            f.setBold(bold);
            font = QFont(f, printer.get());
        }
        return *font;
    }

    const QFontMetricsF& Metrics() {
        if (!metrics) {
            metrics.emplace(Font(), printer.get());
        }
        return *metrics;
    }
};

std::unique_ptr<PrinterGraphics> PrinterGraphics::Begin(std::unique_ptr<QPrinter> printer) {
    if (!printer) {
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->printer = std::move(printer);
    if (!impl->painter.begin(impl->printer.get())) {
        return nullptr;
    }
    const QRectF area = impl->printer->pageRect(QPrinter::DevicePixel);
    const double pixelsPerPoint = impl->printer->resolution() / 72.0;
    impl->shrink = std::min({1.0, area.width() / (kPageWidth * pixelsPerPoint),
                             area.height() / (kPageHeight * pixelsPerPoint)});
    impl->scale = pixelsPerPoint * impl->shrink;
    return std::unique_ptr<PrinterGraphics>(new PrinterGraphics(std::move(impl)));
}

PrinterGraphics::PrinterGraphics(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

PrinterGraphics::~PrinterGraphics() = default;

void PrinterGraphics::TextFont(const std::string& name) {
    impl_->fontName = name;
    impl_->StateChanged();
}

std::string PrinterGraphics::TextFont() const {
    return impl_->fontName;
}

void PrinterGraphics::TextSize(double points) {
    impl_->size = points;
    impl_->StateChanged();
}

double PrinterGraphics::TextSize() const {
    return impl_->size;
}

void PrinterGraphics::ForeColor(Color color) {
    impl_->color = color;
}

Color PrinterGraphics::ForeColor() const {
    return impl_->color;
}

void PrinterGraphics::Bold(bool bold) {
    impl_->bold = bold;
    impl_->StateChanged();
}

bool PrinterGraphics::Bold() const {
    return impl_->bold;
}

void PrinterGraphics::DrawString(const std::string& text, double x, double y, double wrapWidth,
                                 bool condense) {
    Impl& d = *impl_;
    QPainter& p = d.painter;
    p.setFont(d.Font());
    p.setPen(QColor(d.color.red, d.color.green, d.color.blue));
    const QPointF baseline(x * d.scale, y * d.scale);
    QString string = ToQString(text);
    if (wrapWidth <= 0) {
        p.drawText(baseline, string);
    } else if (condense) {
        p.drawText(baseline, d.Metrics().elidedText(string, Qt::ElideRight, wrapWidth * d.scale));
    } else {
        const QRectF box(baseline.x(), baseline.y() - d.Metrics().ascent(), wrapWidth * d.scale,
                         d.printer->height());
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, string);
    }
}

void PrinterGraphics::NextPage() {
    impl_->printer->newPage();
}

double PrinterGraphics::StringWidth(std::string_view text) const {
    return impl_->Metrics().horizontalAdvance(ToQString(text)) / impl_->scale;
}

double PrinterGraphics::TextHeight() const {
    return impl_->Metrics().lineSpacing() / impl_->scale;
}

double PrinterGraphics::TextAscent() const {
    return impl_->Metrics().ascent() / impl_->scale;
}

}  // namespace fw
