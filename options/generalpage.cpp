#include "options/generalpage.h"

#include "i18n/language.h"
#include "options/keyboardpage.h"
#include "platform/dialogs.h"
#include "platform/sounddevice.h"
#include "platform/soundfilecheck.h"
#include "settings/appsettings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

GeneralPage::GeneralPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services)
{
    setObjectName(QStringLiteral("generalPage"));
    auto *page = new QVBoxLayout(this);
    page->addWidget(createCredit());
    page->addWidget(createLanguageChoice());
    page->addWidget(createSoundTest());
    page->addStretch(1);
}

GeneralPage::~GeneralPage()
{
    stopPlaying();
}

QString GeneralPage::title() const
{
    return tr("General");
}

QWidget *GeneralPage::createCredit()
{
    auto *credit = new QGroupBox(tr("Board Credit:"), this);
    credit->setObjectName(QStringLiteral("fraCreditText"));
    m_creditText = new QLineEdit(credit);
    m_creditText->setObjectName(QStringLiteral("txtCreditText"));
    m_creditText->setMaxLength(int(SettingsLimits::CreditTextLength));
    m_creditText->setAlignment(Qt::AlignCenter);
    m_creditText->setPlaceholderText(tr("none on the board"));
    (new QVBoxLayout(credit))->addWidget(m_creditText);
    return credit;
}

QWidget *GeneralPage::createLanguageChoice()
{
    auto *frame = new QGroupBox(tr("Language:"), this);
    frame->setObjectName(QStringLiteral("fraLanguage"));
    m_language = new QComboBox(frame);
    m_language->setObjectName(QStringLiteral("cboLanguage"));
    m_language->setToolTip(tr("Takes effect when Corvella is next started."));
    m_language->addItem(tr("Desktop's"), QString());
    // Each language by its own name, so that it can be found whatever the
    // language on show.
    QStringList codesShown = translatedLanguages();
    codesShown << QStringLiteral("en");
    QMap<QString, QString> codes;
    for (const QString &code : std::as_const(codesShown))
        codes.insert(languageName(code), code);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        m_language->addItem(it.key(), it.value());
    auto *row = new QHBoxLayout(frame);
    row->addWidget(m_language);
    row->addStretch(1);
    return frame;
}

// The sound is chosen in the options; here it can be heard.
QWidget *GeneralPage::createSoundTest()
{
    auto *sound = new QGroupBox(tr("Buzzer Sound"), this);
    sound->setObjectName(QStringLiteral("fraSoundTest"));
    m_buzzerFile = new QLabel(sound);
    m_buzzerFile->setObjectName(QStringLiteral("lblTestSound"));
    auto *test = new QPushButton(tr("Test"), sound);
    test->setObjectName(QStringLiteral("cmdTestSound"));
    test->setAutoDefault(false);
    connect(test, &QPushButton::clicked, this, &GeneralPage::testBuzzerSound);
    auto *row = new QHBoxLayout(sound);
    row->addWidget(m_buzzerFile, 1);
    row->addWidget(test);
    return sound;
}

void GeneralPage::load(const Settings &settings)
{
    m_creditText->setText(settings.CreditText);
    m_language->setCurrentIndex(std::max(0, m_language->findData(settings.Language)));
    showBuzzerFile();
}

void GeneralPage::store(Settings &settings) const
{
    settings.CreditText = m_creditText->text();
    settings.Language = m_language->currentData().toString();
}

void GeneralPage::showEvent(QShowEvent *event)
{
    showBuzzerFile();
    OptionsPage::showEvent(event);
}

void GeneralPage::showBuzzerFile()
{
    if (!m_services.workingCopy)
        return;
    const QString path = m_services.workingCopy().BuzzerFile;
    m_buzzerFile->setText(KeyboardPage::displayPath(path));
    m_buzzerFile->setToolTip(path);
}

void GeneralPage::testBuzzerSound()
{
    const QString file = m_services.workingCopy().BuzzerFile;
    if (const QString problem = soundFileProblem(file); !problem.isEmpty()) {
        m_services.dialogs.showWarning(this, QStringLiteral("Corvella"),
                                       tr("This file cannot be played: ") + problem);
        return;
    }
    stopPlaying();
    if (!m_services.makeSoundDevice)
        return;
    // A fresh device for every test: a device played a second time may stay
    // silent.
    SoundDevice *device = m_services.makeSoundDevice(this);
    m_testSound = device;
    connect(device, &SoundDevice::playbackFinished, device, &QObject::deleteLater);
    device->setFileName(file);
    device->open();
    device->play();
}

void GeneralPage::stopPlaying()
{
    if (m_testSound)
        m_testSound->close();
}
