#include "platform/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

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

std::optional<QColor> QtDialogs::pickColor(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget *parent, const QString &filter,
                                                const QString &folder)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), folder, filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setViewMode(QFileDialog::Detail);
    // Qt's own dialog opens small, with a name column that cuts off the long
    // names sound files tend to have.
    dialog->resize(dialog->sizeHint().expandedTo(QSize(760, 480)));
    auto *model = dialog->findChild<QFileSystemModel *>();
    auto *view = dialog->findChild<QTreeView *>();
    if (model && view) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, view,
                         [view] { view->resizeColumnToContents(0); });
    }
    return dialog;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    const auto dialog = makeOpenFileDialog(parent, filter, folder);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &filter, const QString &suggested)
{
    QFileDialog dialog(parent, QString(), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
