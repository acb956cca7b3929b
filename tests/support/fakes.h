#pragma once

#include "game/timesource.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "settings/bgrcolor.h"
#include "tests/support/scripteddevice.h"

#include <QList>
#include <QPointer>
#include <functional>

// A clock that moves only when the test says so.
class ManualTimeSource : public TimeSource
{
public:
    qint64 now = 1'000'000;
    qint64 elapsedMs() const override { return now; }
};

// Answers every question and picker as the test scripted it.
class ScriptedDialogs : public Dialogs
{
public:
    bool yes = true;
    std::optional<qint32> color;
    QString fileName;
    int questions = 0;
    int beeps = 0;
    QStringList warnings;
    QString lastText, lastTitle;
    // Runs while a question is open, as the event loop does behind a real one.
    std::function<void()> whileAsking;
    qint32 lastInitialColor = -1;

    bool askYesNo(QWidget *, const QString &text, const QString &title) override
    {
        ++questions;
        lastText = text;
        lastTitle = title;
        if (whileAsking)
            whileAsking();
        return yes;
    }
    void showWarning(QWidget *, const QString &title, const QString &text) override
    {
        warnings << title + QStringLiteral(": ") + text;
    }
    void beep() override { ++beeps; }
    std::optional<QColor> pickColor(QWidget *, const QColor &initial) override
    {
        lastInitialColor = toBgr(initial);
        return color ? std::optional(fromBgr(*color)) : std::nullopt;
    }
    QString lastFolder;
    QString openFileName(QWidget *, const QString &, const QString &folder) override
    {
        lastFolder = folder;
        return fileName;
    }
    QString suggestedSave, saveName;
    QString saveFileName(QWidget *, const QString &, const QString &suggested) override
    {
        suggestedSave = suggested;
        return saveName;
    }
};

// The services of one test, with the sound devices the windows made.
struct FakeServices
{
    ManualTimeSource time;
    ScriptedDialogs dialogs;
    QList<QPointer<ScriptedSoundDevice>> devices;

    Services services()
    {
        return {&time, &dialogs, [this](QObject *parent) {
                    auto *device = new ScriptedSoundDevice(parent);
                    devices << device;
                    return device;
                }};
    }
    ScriptedSoundDevice *device() const
    {
        return devices.isEmpty() ? nullptr : devices.last().data();
    }
};
