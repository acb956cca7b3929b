#include "options/frmoptions.h"

#include "display/controls.h"
#include "display/twips.h"
#include "options/frmchoosekey.h"
#include "options/keyname.h"
#include "platform/dialogs.h"
#include "settings/appsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Positions on the tab pages are designed from the top of the tab strip,
// whose tabs take this much of it.
constexpr int TabHeaderTwips = 360;

QRect onPage(double left, double top, double width, double height)
{
    return twipsRect(left, top - TabHeaderTwips, width, height);
}

QPushButton *button(const QString &text, const char *name, QWidget *parent, QRect geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Enter does not press a button here
    return b;
}

QGroupBox *group(const QString &caption, const char *name, QWidget *parent, QRect geometry)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1StringView(name));
    g->setGeometry(geometry);
    return g;
}

QLabel *framedLabel(const char *name, QWidget *parent, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFont previewFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(points);
    return font;
}

} // namespace

frmOptions::frmOptions(Dialogs &dialogs, QWidget *parent) : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Corvella"));
    setFont(defaultWindowFont());
    setFixedSize(twipsToPixels(5265), twipsToPixels(4680));

    sstOptions = new QTabWidget(this);
    sstOptions->setObjectName(QStringLiteral("sstOptions"));
    sstOptions->setGeometry(twipsRect(120, 120, 5085, 3975));
    auto *keyboard = new QWidget;
    auto *colors = new QWidget;
    auto *texts = new QWidget;
    sstOptions->addTab(keyboard, QStringLiteral("Keyboard Controls"));
    sstOptions->addTab(colors, QStringLiteral("Color Controls"));
    sstOptions->addTab(texts, QStringLiteral("Text Controls"));
    createKeyboardTab(keyboard);
    createColorTab(colors);
    createTextTab(texts);

    auto *cmdOk = button(QStringLiteral("&Ok"), "cmdOk", this, twipsRect(1477, 4200, 1095, 375));
    auto *cmdCancel =
        button(QStringLiteral("&Cancel"), "cmdCancel", this, twipsRect(2692, 4200, 1095, 375));
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    lblGuestPreview = new QLabel(this);
    lblGuestPreview->setObjectName(QStringLiteral("lblGuestPreview"));
    lblGuestPreview->move(twipsToPixels(120), twipsToPixels(4200));
    lblGuestPreview->hide();
    lblHomePreview = new QLabel(this);
    lblHomePreview->setObjectName(QStringLiteral("lblHomePreview"));
    lblHomePreview->move(twipsToPixels(3960), twipsToPixels(4200));
    lblHomePreview->hide();

    Form_Load();
}

void frmOptions::createKeyboardTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *button, *label;
        int left;
        KeyFunction function;
    } keys[] = {
        {"Start / Stop Key:", "fraStartStopK", "cmdStartStopK", "lblStartStopK", 120, StartStop},
        {"Reset Clock Key:", "fraResetK", "cmdResetK", "lblResetK", 1800, Reset},
        {"Buzzer Key:", "fraBuzzerK", "cmdBuzzerK", "lblBuzzerK", 3480, Buzzer}};
    for (const auto &k : keys) {
        QGroupBox *frame =
            group(QString::fromLatin1(k.caption), k.frame, page, onPage(k.left, 480, 1455, 975));
        auto *change =
            button(QStringLiteral("Change"), k.button, frame, twipsRect(120, 240, 1215, 375));
        m_keyLabels[k.function] = framedLabel(k.label, frame, twipsRect(120, 600, 1215, 255));
        connect(change, &QPushButton::clicked, this, [this, f = k.function] { chooseKey(f); });
    }

    QGroupBox *sound =
        group(QStringLiteral("Buzzer Sound"), "fraBuzzerSound", page, onPage(120, 1680, 4815, 855));
    auto *cmdBuzzerSound =
        button(QStringLiteral("Change"), "cmdBuzzerSound", sound, twipsRect(120, 240, 735, 495));
    lblBuzzerSound = framedLabel("lblBuzzerSound", sound, twipsRect(840, 240, 3855, 495));
    connect(cmdBuzzerSound, &QPushButton::clicked, this, &frmOptions::cmdBuzzerSound_Click);

    auto *cmdResetKeys =
        button(QStringLiteral("Reset Keys"), "cmdResetKeys", page, onPage(3720, 3120, 1215, 375));
    connect(cmdResetKeys, &QPushButton::clicked, this, &frmOptions::cmdResetKeys_Click);
}

void frmOptions::createColorTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *swatch, *button;
        int left, top;
        PictureBox *&target;
    } colors[] = {
        {"Background:", "fraBackC", "picBackC", "cmdBackC", 120, 600, picBackC},
        {"Home Color:", "fraHomeC", "picHomeC", "cmdHomeC", 1800, 600, picHomeC},
        {"Guest Color:", "fraGuestC", "picGuestC", "cmdGuestC", 1800, 1440, picGuestC},
        {"Section Color:", "fraTextC", "picTextC", "cmdTextC", 1800, 2280, picTextC},
        {"LED Time Color:", "fraLedTimeC", "picLedTimeC", "cmdLedTimeC", 3480, 600, picLedTimeC},
        {"LED Score Color:", "fraLedScoreC", "picLedScoreC", "cmdLedScoreC", 3480, 1440,
         picLedScoreC},
        {"LED Back Color:", "fraLedBackC", "picLedBackC", "cmdLedBackC", 3480, 2280, picLedBackC}};
    for (const auto &c : colors) {
        QGroupBox *frame =
            group(QString::fromLatin1(c.caption), c.frame, page, onPage(c.left, c.top, 1455, 735));
        auto *swatch = new PictureBox(frame);
        swatch->setObjectName(QLatin1StringView(c.swatch));
        swatch->setGeometry(twipsRect(120, 240, 495, 375));
        swatch->setFocusPolicy(Qt::NoFocus);
        c.target = swatch;
        auto *change =
            button(QStringLiteral("Change"), c.button, frame, twipsRect(600, 240, 735, 375));
        connect(change, &QPushButton::clicked, this, [this, swatch] { pickColor(swatch); });
    }
    auto *cmdResetColors = button(QStringLiteral("Reset Colors"), "cmdResetColors", page,
                                  onPage(3720, 3120, 1215, 375));
    connect(cmdResetColors, &QPushButton::clicked, this, &frmOptions::cmdResetColors_Click);
}

void frmOptions::createTextTab(QWidget *page)
{
    const struct
    {
        const char *caption, *frame, *box;
        int top, limit;
        QLineEdit *&target;
    } texts[] = {{"Home Team Name:", "fraHomeText", "txtHomeText", 480, 20, txtHomeText},
                 {"Guest Team Name:", "fraGuestText", "txtGuestText", 1320, 20, txtGuestText},
                 {"Section 1 Name:", "Frame1", "txtSectText1", 2160, 18, txtSectText1},
                 {"Section 2 Name:", "Frame2", "txtSectText2", 3000, 18, txtSectText2}};
    for (const auto &t : texts) {
        QGroupBox *frame =
            group(QString::fromLatin1(t.caption), t.frame, page, onPage(240, t.top, 4575, 735));
        auto *box = new QLineEdit(frame);
        box->setObjectName(QLatin1StringView(t.box));
        box->setGeometry(twipsRect(120, 240, 4335, 375));
        box->setMaxLength(t.limit);
        box->setAlignment(Qt::AlignCenter);
        QFont font = box->font();
        font.setPointSizeF(9.75);
        box->setFont(font);
        t.target = box;
    }
    connect(txtHomeText, &QLineEdit::textChanged, this, [this](const QString &text) {
        lblHomePreview->setText(text);
        PreviewIt();
    });
    connect(txtGuestText, &QLineEdit::textChanged, this, [this](const QString &text) {
        lblGuestPreview->setText(text);
        PreviewIt();
    });
}

void frmOptions::Form_Load()
{
    picBackC->setBackColor(AppSettings.FormColor);
    picLedTimeC->setBackColor(AppSettings.LEDTimeColor);
    picLedScoreC->setBackColor(AppSettings.LEDScoreColor);
    picLedBackC->setBackColor(AppSettings.LEDBackColor);
    picHomeC->setBackColor(AppSettings.HomeColor);
    picGuestC->setBackColor(AppSettings.GuestColor);
    picTextC->setBackColor(AppSettings.TextColor);
    setKey(StartStop, AppSettings.StartStopClockKey);
    setKey(Reset, AppSettings.ResetClockKey);
    setKey(Buzzer, AppSettings.BuzzerKey);
    m_buzzerTemp = AppSettings.BuzzerFile;
    txtHomeText->setText(AppSettings.HomeText);
    txtGuestText->setText(AppSettings.GuestText);
    txtSectText1->setText(AppSettings.SectionText1);
    txtSectText2->setText(AppSettings.SectionText2);
    m_tempSize = AppSettings.TeamSize;
    lblBuzzerSound->setText(displayPath(m_buzzerTemp));
}

void frmOptions::setKey(KeyFunction function, int code)
{
    m_keys[function] = code;
    m_keyLabels[function]->setText(keyDisplayName(code));
}

void frmOptions::chooseKey(KeyFunction function)
{
    static const char *const purposes[] = {"start / stop the clock", "reset the clock",
                                           "sound the buzzer"};
    KeyChoice choice{QString::fromLatin1(purposes[function]), static_cast<qint16>(m_keys[function]),
                     0};
    frmChooseKey chooser(choice, m_keys, m_dialogs, this);
    chooser.exec();
    if (choice.ChosenKey != 0)
        setKey(function, choice.ChosenKey);
}

void frmOptions::pickColor(PictureBox *swatch)
{
    if (const auto chosen = m_dialogs.pickColor(this, swatch->backColor()))
        swatch->setBackColor(*chosen);
}

QString frmOptions::displayPath(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("[No File Selected]");
    if (path.size() <= 50)
        return path;
    const QFileInfo file(path);
    const QString bareName = file.isFile() ? file.fileName() : QString();
    return path.left(10) + QStringLiteral(" ...") + QDir::separator() + bareName;
}

void frmOptions::cmdBuzzerSound_Click()
{
    const QString chosen = m_dialogs.openFileName(this, QStringLiteral("Sounds *.wav (*.wav)"));
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return;
    m_buzzerTemp = chosen;
    lblBuzzerSound->setText(displayPath(m_buzzerTemp));
}

void frmOptions::cmdResetColors_Click()
{
    Settings defaults;
    applyDefaultColors(defaults);
    picBackC->setBackColor(defaults.FormColor);
    picLedTimeC->setBackColor(defaults.LEDTimeColor);
    picLedScoreC->setBackColor(defaults.LEDScoreColor);
    picLedBackC->setBackColor(defaults.LEDBackColor);
    picHomeC->setBackColor(defaults.HomeColor);
    picGuestC->setBackColor(defaults.GuestColor);
    picTextC->setBackColor(defaults.TextColor);
}

void frmOptions::cmdResetKeys_Click()
{
    Settings defaults;
    applyDefaultKeys(defaults);
    setKey(StartStop, defaults.StartStopClockKey);
    setKey(Reset, defaults.ResetClockKey);
    setKey(Buzzer, defaults.BuzzerKey);
}

qint16 frmOptions::previewSize(const QString &home, const QString &guest)
{
    // Measured with font metrics rather than by laying out labels, so the
    // search neither pumps events nor re-enters itself while the operator types.
    // The width of the board's team caption panels, so a name that fits here
    // is not cut off there.
    const double maxWidth = 2295 / twipsPerPixel();
    const double maxHeight = 600 / twipsPerPixel();
    for (int size = 60; size >= 10; --size) {
        const QFontMetricsF metrics(previewFont(size));
        if (metrics.horizontalAdvance(home) < maxWidth &&
            metrics.horizontalAdvance(guest) < maxWidth && metrics.height() < maxHeight)
            return static_cast<qint16>(size);
    }
    return 9;
}

void frmOptions::PreviewIt()
{
    m_tempSize = previewSize(lblHomePreview->text(), lblGuestPreview->text());
}

void frmOptions::cmdOk_Click()
{
    AppSettings.StartStopClockKey = static_cast<qint16>(m_keys[StartStop]);
    AppSettings.ResetClockKey = static_cast<qint16>(m_keys[Reset]);
    AppSettings.BuzzerKey = static_cast<qint16>(m_keys[Buzzer]);
    AppSettings.FormColor = picBackC->backColor();
    AppSettings.LEDTimeColor = picLedTimeC->backColor();
    AppSettings.LEDScoreColor = picLedScoreC->backColor();
    AppSettings.LEDBackColor = picLedBackC->backColor();
    AppSettings.HomeColor = picHomeC->backColor();
    AppSettings.GuestColor = picGuestC->backColor();
    AppSettings.TextColor = picTextC->backColor();
    AppSettings.HomeText = txtHomeText->text();
    AppSettings.GuestText = txtGuestText->text();
    AppSettings.SectionText1 = txtSectText1->text();
    AppSettings.SectionText2 = txtSectText2->text();
    AppSettings.TeamSize = m_tempSize;
    AppSettings.BuzzerFile = m_buzzerTemp;
    if (!SaveSettings()) {
        m_dialogs.showWarning(this, QStringLiteral("Corvella"),
                              QStringLiteral("The settings could not be saved. They apply until "
                                             "Corvella is closed, but will be lost then."));
    }
    accept();
}

void frmOptions::keyPressEvent(QKeyEvent *event)
{
    // Neither Enter nor Esc closes the options: only Ok, Cancel and the close box do.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
