#pragma once

#include "update/DeviceCheck.h"

#include <QString>

struct AppState;
struct Ports;
class Prompts;

// What the user asked for in the update dialog.
struct UpdateRequest
{
    QString IP_Address;  // the four address fields joined with "."
    int optionIndex = 0; // the selected item of the option list (-1: none)
    bool readBack = true;
};

// How an update attempt ended, and the message to show for it (if any).
struct UpdateResult
{
    enum class Step {
        DeviceNotChecked,        // the device check failed or was stopped; nothing changed
        ParameterFileNotWritten, // the choices were remembered; the updater was not started
        UpdaterNotStarted,
        UpdaterEnded,
        UpdaterStillRunning, // the wait ended at its limit; the updater runs on
    };
    enum class Box { None, Warning, Error, GeneralError };

    Step step = Step::DeviceNotChecked;
    Box box = Box::None;
    QString message;

    // Shows the message in its kind of box.
    void show(Prompts &prompts) const;
};

// The message for a device check that did not succeed: "Device Not Found!" for a
// silent device, "Error!!! Check the Ip Address" for an address the client could
// not use, how to allow ping when the system's settings forbid it, the client's
// own words when the computer cannot ping for another reason, nothing when the
// check was stopped.
UpdateResult checkFailure(const AppState &state, const DeviceCheck &check);

// One press of the update button: checks that the device at request.IP_Address
// answers; then remembers the address and the choices, writes Ethernet_Update.xml
// and runs the updater beside the configurator, waiting for it. The same address
// text is pinged, remembered and given to the updater.
UpdateResult runDeviceUpdate(AppState &state, Ports &ports, DeviceCheck &check, const UpdateRequest &request);
