#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The four address fields of the update dialog, E_IP1 to E_IP4.
using AddressFields = std::array<QString, 4>;

// Splits a remembered address text into the four fields: the text is trimmed, the
// part before the first "." (trimmed) is the first field, and so on along the
// trimmed rest; the rest after the third "." is the fourth. Succeeds only with at
// least three dots and four parts that are decimal numbers from 0 to 255, so a
// fourth dot fails. The fields keep the parts' text ("010" stays "010").
std::optional<AddressFields> splitAddress(const QString &text);

// The fields joined with ".", as typed: the host text of the device check, the
// remembered address and the address the updater is given.
QString joinAddress(const AddressFields &fields);

// The fields of an address text split at every dot; nothing when the text does not
// have exactly three dots. The parts are kept as they stand.
std::optional<AddressFields> addressFieldsOf(const QString &text);

// The device address that the echo client pings: exactly four decimal numbers from
// 0 to 255 joined by dots, without blanks, signs or leading zeros (a leading zero
// reads as octal to some programs, so the device pinged and the device updated
// could differ), and the address of one host: not 0.x.x.x, not multicast, not the
// broadcast address. No name look-up ever happens. Gives the address in host order.
std::optional<quint32> deviceAddress(QStringView text);
