#pragma once

// Ways to start a print job. The application's print dialog goes through a
// replaceable dialog interface that calls one of these.

#include <memory>
#include <string>

#include "platform/print/Graphics.h"
#include "platform/print/PrinterSetup.h"

namespace fw {

// Shows the system's print dialog (application-modal, no parent window) and starts
// the job on the printer chosen there; nullptr when the user cancels or the job
// cannot start.
std::unique_ptr<Graphics> RunSystemPrintDialog(const PrinterSetup& setup);

// Starts a job that prints into the PDF file at `path`; nullptr when the file
// cannot be written.
std::unique_ptr<Graphics> OpenPdfGraphics(const std::string& path, const PrinterSetup& setup);

}  // namespace fw
