#pragma once

#include <QByteArray>
#include <QString>

// Tests whose address text is not a loopback address, and every test that needs
// a silent device or a changed ping setting, run in a network namespace of their
// own where nothing can leave the machine: the test program runs the current test
// again under "unshare -n", and that copy brings loopback up first.
//
//     if (!inOwnNetwork())
//         return; // the copy ran the test; its result was checked
//     ... the test itself ...
bool inOwnNetwork();

// Sets a kernel value of the own network namespace, e.g.
// setNetworkSetting("net/ipv4/icmp_echo_ignore_all", "1").
bool setNetworkSetting(const char *name, const QByteArray &value);

// Takes CAP_NET_RAW from this process and every program it starts.
bool dropRawSockets();
