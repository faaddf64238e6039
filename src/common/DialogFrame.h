#pragma once

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;
class TitlePanel;

// The frame the configurator's dialogs share: the title band across the top and,
// at the foot, the OK / Cancel pair.
namespace DialogFrame {

// The dialog's own layout, without margins or spacing, holding the title band;
// the body and the buttons go below it.
QVBoxLayout *titled(QWidget *dialog, TitlePanel *title);

struct OkCancel
{
    QPushButton *ok;     // Btn_OK
    QPushButton *cancel; // Btn_Cancel
    QHBoxLayout *row;    // both, right-aligned
};

// The OK and Cancel buttons in the button look, at least 90 x 28 pixels. Neither
// takes Enter for itself: what Enter does is the dialog's choice.
OkCancel okCancel(QWidget *parent);

} // namespace DialogFrame
