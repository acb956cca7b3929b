#include "options/networkpage.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"
#include "web/remoteapi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

// The options page of the board on the network and the HTTP API.
class TestNetworkPage : public QObject
{
    Q_OBJECT

    ScriptedDialogs dialogs;
    const OptionsServices services{dialogs, {}, [] { return defaultSettings(); }};

private slots:
    void networkPageEditsOnlyItsFields()
    {
        NetworkPage page(services);
        Settings s = defaultSettings();
        s.WebServer = 1;
        s.WebPort = 8123;
        s.WebAddress = u"127.0.0.1"_s;
        page.load(s);
        auto *enabled = page.findChild<QCheckBox *>(u"chkWebServer"_s);
        auto *port = page.findChild<QSpinBox *>(u"spnWebPort"_s);
        auto *address = page.findChild<QComboBox *>(u"cboWebAddress"_s);
        QVERIFY(enabled && port && address);
        QVERIFY(enabled->isChecked());
        QCOMPARE(port->value(), 8123);
        QCOMPARE(address->currentText(), u"127.0.0.1"_s);

        enabled->setChecked(false);
        port->setValue(9090);
        address->setCurrentIndex(0); // every address
        Settings out = defaultSettings();
        out.HomeText = u"Lions"_s;
        page.store(out);
        QCOMPARE(out.WebServer, qint16(0));
        QCOMPARE(out.WebPort, 9090);
        QCOMPARE(out.WebAddress, QString());
        QCOMPARE(out.HomeText, u"Lions"_s);

        address->setEditText(u"192.0.2.7"_s);
        page.store(out);
        QCOMPARE(out.WebAddress, u"192.0.2.7"_s);
    }

    void networkPageMakesAndRenewsTheToken()
    {
        NetworkPage page(services);
        page.load(defaultSettings());
        auto *api = page.findChild<QCheckBox *>(u"chkApi"_s);
        auto *token = page.findChild<QLineEdit *>(u"edtApiToken"_s);
        QVERIFY(api && token);
        QVERIFY(!api->isChecked());
        QVERIFY(token->text().isEmpty());
        api->setChecked(true);
        const QString first = token->text();
        // 128 random bits in hex.
        QCOMPARE(first.size(), RemoteApi::TokenBits / 4);
        page.findChild<QPushButton *>(u"btnRenewApiToken"_s)->click();
        QVERIFY(token->text() != first);
        Settings out = defaultSettings();
        page.store(out);
        QCOMPARE(out.Api, qint16(1));
        QCOMPARE(out.ApiToken, token->text());
    }
};

CORVELLA_TEST_MAIN(TestNetworkPage)
#include "tst_networkpage.moc"
