#pragma once

#include <QFrame>

class QLabel;

// The band at the top of every dialog: the software code in large grey letters
// and the dialog's description below it.
class TitlePanel : public QFrame
{
    Q_OBJECT
public:
    explicit TitlePanel(QWidget *parent = nullptr);

    // The software code's look: 32 pixels, bold, grey (the main window shows it too).
    static void styleCode(QLabel *label);

    QLabel *L_SW_Code;
    QLabel *L_SW_Desc;
};
