#pragma once

// The page setup handed to the print dialog: for now only the paper orientation.

namespace fw {

struct PrinterSetup {
    bool Landscape = false;
};

}  // namespace fw
