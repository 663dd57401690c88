// Tessarook: encodes messages into codes of five-character groups and back.

#include "app/Startup.h"
#include "platform/Runtime.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv, "Tessarook");
    initialize();
    Main();
    fw::RuntimeRun();
    finalize();
    return fw::RuntimeExit();
}
