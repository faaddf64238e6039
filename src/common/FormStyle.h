#pragma once

#include <QColor>
#include <QString>

class QWidget;
class QPushButton;

// The look that every window of the configurator shares.
namespace FormStyle {

inline const QColor Face(0xF8, 0xF7, 0xED);    // window and button face
inline const QColor Pressed(0xFF, 0x80, 0x00); // a button while pressed
inline const QColor Hot(0xFF, 0xE0, 0xB8);     // a button under the mouse

// Background colour, font (Verdana, 11 pixels) and the button look.
void applyForm(QWidget *form);

// The flat picture-button look: face colour, hot-track highlight, orange when pressed.
void applyButton(QPushButton *button);

// Makes a translated caption fit its fixed-size button: the font shrinks a little
// (down to 9 pixels) when the text would be cut.
void fitCaption(QPushButton *button);

} // namespace FormStyle
