#pragma once

#include "options/optionspage.h"

class QLineEdit;

// The tab "Text Controls": the team and section captions, with the size the
// board shows the team names at.
class TextPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit TextPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

    // The largest caption size from 60 down to 10 at which both team names fit
    // their place on the board; 9 when none does.
    static qint16 previewSize(const QString &home, const QString &guest);

private:
    void createCaptions();
    void updatePreview();

    QLineEdit *m_homeText = nullptr, *m_guestText = nullptr;
    QLineEdit *m_sectionText1 = nullptr, *m_sectionText2 = nullptr;
    QLabel *m_homePreview, *m_guestPreview;
    qint16 m_captionSize = 0;
};
