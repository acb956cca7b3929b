#include "platform/dialogs.h"

#include "display/colors.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

std::unique_ptr<QMessageBox> makeYesNoBox(QWidget *parent, const QString &text,
                                          const QString &title)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

bool QtDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    return makeYesNoBox(parent, text, title)->exec() == QMessageBox::Yes;
}

void QtDialogs::showWarning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

void QtDialogs::beep()
{
    QApplication::beep();
}

std::optional<qint32> QtDialogs::pickColor(QWidget *parent, qint32 initial)
{
    const QColor chosen = QColorDialog::getColor(fromBgr(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return toBgr(chosen);
}

QString QtDialogs::openFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}
