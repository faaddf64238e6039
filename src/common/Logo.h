#pragma once

#include <QPixmap>

// The maker's logo, drawn at the given size.
QPixmap makerLogo(int size);
