#include "app/startscreen.h"

#include "app/instructions.h"
#include "app/logo.h"
#include "display/twips.h"
#include "settings/appsettings.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>

#include <cmath>

namespace {

QLabel *label(const QString &text, const char *name, QWidget *parent, QRect geometry,
              const QFont &font, Qt::Alignment alignment)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1StringView(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(alignment | Qt::AlignTop);
    // A translation longer than the design's text grows the label away from
    // its aligned side, so that none is cut.
    const int wanted = l->sizeHint().width();
    if (wanted > geometry.width()) {
        const int left =
            alignment & Qt::AlignRight ? geometry.right() + 1 - wanted : geometry.left();
        l->setGeometry(left, geometry.top(), wanted, geometry.height());
    }
    return l;
}

QFont makeFont(const char *family, double points)
{
    QFont f{QLatin1StringView(family)};
    f.setPointSizeF(points);
    return f;
}

} // namespace

StartScreen::StartScreen(Dialogs &dialogs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(corvellaIcon());
    createControls();
    m_unfoldTimer.setObjectName(QStringLiteral("tmrResize"));
    m_unfoldTimer.setInterval(10);
    connect(&m_unfoldTimer, &QTimer::timeout, this, &StartScreen::unfoldStep);
    load();
}

QString StartScreen::versionText()
{
    return tr("Version %1.%2.%3")
        .arg(CORVELLA_VERSION_MAJOR)
        .arg(CORVELLA_VERSION_MINOR)
        .arg(CORVELLA_VERSION_PATCH);
}

QString StartScreen::platformName()
{
    const QString kernel = QSysInfo::kernelType();
    if (kernel == QLatin1StringView("linux"))
        return QStringLiteral("Linux");
    return QSysInfo::prettyProductName();
}

void StartScreen::createControls()
{
    const QFont defaultFont = defaultWindowFont();
    setFont(defaultFont);
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("frameSplash"));
    m_frame->setGeometry(twipsRect(120, 0, 6000, 5760));

    label(QStringLiteral("Corvella"), "lblName", m_frame, twipsRect(180, 240, 5655, 735),
          makeFont("Times New Roman", 27.75), Qt::AlignHCenter);
    label(tr("Click to continue."), "lblClick", m_frame, twipsRect(2520, 960, 1335, 255),
          defaultFont, Qt::AlignLeft);
    label(platformName(), "lblSystem", m_frame, twipsRect(4200, 960, 1455, 375),
          makeFont("Times New Roman", 15.75), Qt::AlignRight);
    label(versionText(), "lblVersion", m_frame, twipsRect(3480, 1440, 2175, 375),
          makeFont("Times New Roman", 15.75), Qt::AlignRight);
    label(tr("Custom Created by Brannick"), "lblMadeBy", m_frame, twipsRect(3120, 2760, 2655, 255),
          defaultFont, Qt::AlignRight);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("picLogo"));
    m_logo->setPixmap(logoPixmap(devicePixelRatioF()));
    m_logo->move(twipsToPixels(360), twipsToPixels(1560));
    m_logo->resize(LogoSize);

    auto *instructionsButton = new QPushButton(tr("&Instructions"), this);
    instructionsButton->setObjectName(QStringLiteral("cmdInstr"));
    instructionsButton->setGeometry(twipsRect(3120, 2160, 1215, 375));
    connect(instructionsButton, &QPushButton::clicked, this, &StartScreen::instructionsClicked);
    auto *optionsButton = new QPushButton(tr("&Options"), this);
    optionsButton->setObjectName(QStringLiteral("cmdOptions"));
    optionsButton->setGeometry(twipsRect(4680, 2160, 1215, 375));
    connect(optionsButton, &QPushButton::clicked, this, &StartScreen::optionsClicked);

    m_instructions = new QPlainTextEdit(this);
    m_instructions->setObjectName(QStringLiteral("txtInstr"));
    m_instructions->setGeometry(twipsRect(240, 3240, 5775, 2295));
    m_instructions->setReadOnly(true);
    m_instructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_instructions->setFont(makeFont("Arial", 9.75));

    instructionsButton->setFocus();
}

void StartScreen::load()
{
    const double tpp = twipsPerPixel();
    resize(twipsToPixels(WidthTwips), twipsToPixels(CollapsedTwips));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const double top = (area.height() * tpp - ExpandedTwips) / 2;
        const double left = (area.width() * tpp - WidthTwips) / 2;
        move(area.left() + static_cast<int>(std::lround(left / tpp)),
             area.top() + static_cast<int>(std::lround(top / tpp)));
    }
    m_frame->resize(m_frame->width(), twipsToPixels(CollapsedTwips - 120));
    toggleInstructions();
}

void StartScreen::setSettings(const Settings &settings)
{
    m_settings = settings;
    toggleInstructions();
}

void StartScreen::toggleInstructions()
{
    m_instructions->setPlainText(instructionsText(m_settings));
}

int StartScreen::heightTwips() const
{
    return static_cast<int>(std::lround(pixelsToTwips(height())));
}

int StartScreen::setHeightTwips(double twips)
{
    // A step smaller than a pixel still grows the window by one, so the
    // animation always reaches its end.
    const int pixels = std::min(std::max(twipsToPixels(twips), height() + 1), maximumHeight());
    resize(width(), pixels);
    m_frame->resize(m_frame->width(), pixels - twipsToPixels(120));
    return pixels;
}

void StartScreen::unfoldStep()
{
    const int current = heightTwips();
    if (current >= m_totalHeight || height() >= maximumHeight()) {
        m_unfoldTimer.stop();
        return;
    }
    // A window manager answers a resize some time later, and on a screen too
    // small for the unfolded window it answers with less. The next step waits
    // for the answer; a smaller one, or none within half a second, ends the
    // unfolding, which would otherwise never reach its height.
    if (height() < m_requestedHeight) {
        if (height() != m_heightBeforeStep || ++m_ticksWaited > 50)
            m_unfoldTimer.stop();
        return;
    }
    m_heightBeforeStep = height();
    m_ticksWaited = 0;
    m_requestedHeight = setHeightTwips(current + (m_totalHeight - current) * 0.17 + 1);
}

void StartScreen::instructionsClicked()
{
    m_totalHeight = ExpandedTwips;
    m_requestedHeight = -1;
    m_unfoldTimer.start();
}

void StartScreen::optionsClicked()
{
    emit optionsRequested();
}

void StartScreen::goToScoreboard()
{
    // The scoreboard is shown before this window goes, so that the program
    // never finds itself without a window.
    m_unfoldTimer.stop();
    emit scoreboardRequested();
    done(Accepted);
}

void StartScreen::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        goToScoreboard();
}

void StartScreen::keyPressEvent(QKeyEvent *event)
{
    // The start screen has no keys of its own: Esc does not close it.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
