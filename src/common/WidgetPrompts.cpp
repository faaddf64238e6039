#include "common/WidgetPrompts.h"

#include "common/Product.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget *owner()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void box(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox m(icon, Product::SW_Code, text, QMessageBox::Ok, owner());
    m.exec();
}

} // namespace

void WidgetPrompts::error(const QString &text) { box(QMessageBox::Critical, text); }

void WidgetPrompts::warning(const QString &text) { box(QMessageBox::Warning, text); }

void WidgetPrompts::information(const QString &text) { box(QMessageBox::Information, text); }

void WidgetPrompts::generalError(const QString &text) { box(QMessageBox::Critical, text); }

bool WidgetPrompts::confirm(const QString &text)
{
    QMessageBox m(QMessageBox::Question, Product::SW_Code, text, QMessageBox::Yes | QMessageBox::No, owner());
    m.setDefaultButton(QMessageBox::Yes);
    return m.exec() == QMessageBox::Yes;
}

QString WidgetPrompts::saveFileName(const QString &initialFolder, const QString &filterName, const QString &pattern,
                                    const QString &proposedName)
{
    const QString filter = QStringLiteral("%1 (%2)").arg(filterName, pattern);
    return QFileDialog::getSaveFileName(owner(), QString(), QDir(initialFolder).filePath(proposedName), filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}
