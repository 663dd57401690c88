#pragma once

// Control events by number: an event's position in its control class's list of
// events, inherited events first.
namespace fw {

enum EventNumber : int {
    kEventClose = 0,
    kEventCreatePane = 1,
    kEventOpen = 2,
    kEventKeyDown = 9,
    kEventAction = 15,        // PushButton
    kEventError = 8,          // HTTPSocket
    kEventPageReceived = 10,  // HTTPSocket
};

}  // namespace fw
