#pragma once

#include "settings/appsettings.h"

#include <QRect>
#include <QWidget>

#include <functional>

class Dialogs;
class JoystickReader;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class SoundDevice;

// What a page of the options may need from the program.
struct OptionsServices
{
    using SoundDeviceFactory = std::function<SoundDevice *(QObject *parent)>;

    Dialogs &dialogs;
    // Makes the device a sound test plays on; may be empty.
    SoundDeviceFactory makeSoundDevice;
    // The values of every page as they stand, for rules that span pages.
    std::function<Settings()> workingCopy;
    // How the link to the hall stands now, in words; may be empty.
    std::function<QString()> hallLinkState = {};
    // The game controllers connected now, for the Controllers page; may be null.
    JoystickReader *joysticks = nullptr;
};

// One page of the options or of the settings window. A page shows its own settings and gives them
// back; it neither reads nor writes the fields of another page.
class OptionsPage : public QWidget
{
    Q_OBJECT

public:
    // Why the page's values cannot be saved, and the field to put right.
    struct Refusal
    {
        QString reason;
        QWidget *field = nullptr;
    };

    using QWidget::QWidget;

    virtual QString title() const = 0;
    virtual void load(const Settings &settings) = 0;
    virtual void store(Settings &settings) const = 0;
    // No reason when the values can be saved.
    virtual Refusal refusal() const { return {}; }
    // Writes what the page keeps in files of its own, once the options are
    // saved; why something could not be written, or nothing.
    virtual QString saveFiles() { return {}; }
    // Stops a sound the page plays, as its window closes.
    virtual void stopPlaying() {}

signals:
    // Asks the options to show `values` on every page: a choice on one page
    // that reaches beyond it, like a preset's rules.
    void valuesChosen(const Settings &values);

protected:
    // The controls the board has always had keep their places, in twips
    // from the top of the tab strip; a translated text may only widen them.
    static QRect onPage(double left, double top, double width, double height);
    static QPushButton *button(const QString &text, const char *name, QWidget *parent,
                               QRect geometry);
    static QGroupBox *group(const QString &caption, const char *name, QWidget *parent,
                            QRect geometry);
    static QLabel *framedLabel(const char *name, QWidget *parent, QRect geometry);
    // The page's layout, whose first cell holds the place of the controls
    // positioned so far: what came later goes beside and below them.
    QGridLayout *layoutAroundOriginalArea();
};

// A button placed where the original window had it, widened when its
// translated caption is longer than the original's.
void widenToText(QPushButton *button);
