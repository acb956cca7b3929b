#pragma once

#include "options/optionspage.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;

// The tab "Sponsors": whether the audience display shows the sponsors'
// slides, how long each stays and in which phases, and the pictures of
// their folder with a preview, or why one is not shown.
class SponsorsPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit SponsorsPage(const OptionsServices &services, QWidget *parent = nullptr,
                          const QString &folder = {});

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

    // Lists the folder's pictures again.
    void listPictures();

private:
    void openFolder();

    QString m_folder;
    QCheckBox *m_enabled;
    QSpinBox *m_seconds;
    QComboBox *m_during;
    QListWidget *m_pictures;
};
