#pragma once

#include <QIcon>

// The pictures of the main window's buttons, drawn so they stay sharp at any size.
namespace Icons {

enum class Kind { Information, Options, Close, New, Open, Communication, Variables, Description, Update };

QIcon icon(Kind kind);

} // namespace Icons
