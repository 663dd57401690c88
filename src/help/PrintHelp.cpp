#include "help/PrintHelp.h"

#include <memory>
#include <string>

#include "help/Help.h"
#include "platform/Desktop.h"
#include "platform/base/Text.h"
#include "platform/print/Date.h"
#include "platform/print/Graphics.h"
#include "platform/print/PrinterSetup.h"
#include "platform/print/StyledTextPrinter.h"

namespace {

// The page is assumed to be 540 by 720 units; the printer is not asked.
constexpr int kPageWidth = 540;
constexpr int kPageHeight = 720;

void DrawFooter(fw::Graphics& g, int page, const std::string& stamp) {
    g.TextFont("Arial");
    g.Bold(false);
    g.DrawString("page " + fw::Str(page), 40, 720, 0, false);
    g.DrawString(stamp, 100, 720, 0, false);
}

}  // namespace

bool PrintHelp() {
    fw::PrinterSetup setup;
    setup.Landscape = false;
    const fw::Date now;
    // Taken once, before the dialog: every page of the run carries the same stamp.
    const std::string stamp = now.ShortTime() + ", " + now.ShortDate();
    int page = 1;

    if (std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog(setup)) {
        g->TextFont("Courier");
        g->TextSize(10);
        g->ForeColor(fw::RGB(0, 0, 0, 0));
        g->Bold(true);
        const std::unique_ptr<fw::StyledTextPrinter> body =
            Help::Instance()->TextArea1()->styledTextPrinter(*g, kPageWidth - 48);
        while (!body->Eof()) {
            body->DrawBlock(36, 36, kPageHeight - 48);
            if (!body->Eof()) {
                DrawFooter(*g, page, stamp);
                g->TextFont("Courier");
                g->Bold(true);
                ++page;
                g->NextPage();
            }
        }
        DrawFooter(*g, page, stamp);
    }

    Help::Instance()->Close();
    return true;
}
