#pragma once

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;
class QWidget;

// The modal questions and pickers the program asks the operator, and the
// system beep. Windows use them through this interface so that tests can
// answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A Yes/No question without an icon, Yes the default button.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void showWarning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void beep() = 0;
    // The chosen colour, or nothing when the picker was cancelled.
    virtual std::optional<QColor> pickColor(QWidget *parent, const QColor &initial) = 0;
    // The chosen file's full path, or empty when none was chosen. The dialog
    // opens in `folder`.
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
    // The path to write to, or empty when cancelled; `suggested` is filled in.
    virtual QString saveFileName(QWidget *parent, const QString &filter,
                                 const QString &suggested) = 0;
};

class QtDialogs : public Dialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    void showWarning(QWidget *parent, const QString &title, const QString &text) override;
    void beep() override;
    std::optional<QColor> pickColor(QWidget *parent, const QColor &initial) override;
    QString openFileName(QWidget *parent, const QString &filter, const QString &folder) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &suggested) override;
};

std::unique_ptr<QMessageBox> makeYesNoBox(QWidget *parent, const QString &text,
                                          const QString &title);

// A file-open dialog in `folder` whose name column widens to the longest name
// once the folder has been read.
std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget *parent, const QString &filter,
                                                const QString &folder);
