// Writes the program's icons from the logo: a square SVG and PNGs of the
// usual sizes, all from the one source image.
#include "app/logo.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeSquareSvg(const QString &logoPath, const QString &outPath)
{
    QFile logo(logoPath);
    if (!logo.open(QIODevice::ReadOnly))
        return false;
    QString body = QString::fromUtf8(logo.readAll());
    const qsizetype start = body.indexOf(u'>', body.indexOf(QStringLiteral("<svg"))) + 1;
    const qsizetype end = body.lastIndexOf(QStringLiteral("</svg>"));
    const int side = LogoSize.width();
    const double offset = (side - LogoSize.height()) / 2.0;
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream(&out) << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << side
                      << "\" height=\"" << side << "\" viewBox=\"0 0 " << side << ' ' << side
                      << "\">\n<g transform=\"translate(0 " << offset << ")\">"
                      << body.mid(start, end - start) << "</g>\n</svg>\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: makeicons LOGO.svg OUTPUT-FOLDER");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    bool ok = writeSquareSvg(QString::fromLocal8Bit(argv[1]), folder + QStringLiteral("/icon.svg"));
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        ok = iconImage(side).save(folder + QStringLiteral("/icon-%1.png").arg(side)) && ok;
    return ok ? 0 : 1;
}
