#pragma once

#include <QDialog>

class LinkOpener;

// The About box: fixed texts, not from the language table.
class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(LinkOpener &links, QWidget *parent = nullptr);
};
