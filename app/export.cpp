#include "app/export.h"

#include "game/printedresult.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// Gives the export's messages their translation context.
class ExportText
{
    Q_DECLARE_TR_FUNCTIONS(Export)
};

bool writeInPlace(const QString &path, const std::function<bool(QIODevice &)> &write, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *why = file.errorString();
        return false;
    }
    if (!write(file) || !file.flush()) {
        *why = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return false;
    }
    return true;
}

bool replaceWhole(const QString &path, const std::function<bool(QIODevice &)> &write, QString *why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString writeExportFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // A link stays a link and a device stays a device: only what the link
    // points to, or the device, receives the bytes.
    const QFileInfo info(path);
    const bool inPlace = info.isSymLink() || (info.exists() && !info.isFile());
    QString why;
    if (!(inPlace ? writeInPlace(path, write, &why) : replaceWhole(path, write, &why)))
        return ExportText::tr("cannot write %1: %2").arg(path, why);
    return {};
}

QString exportLog(const QString &log, const QString &path, CsvStyle csv)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"csv" && suffix != u"json" && suffix != u"pdf")
        return ExportText::tr("cannot tell the format of %1: name it .csv, .json or .pdf")
            .arg(path);
    GameLogReader reader;
    QString why;
    if (!reader.open(log, &why))
        return why;
    if (suffix == u"pdf") {
        // The printed result is small whatever the game's length, so it is
        // made before the file is touched.
        PrintedResult result(reader.header());
        while (const auto e = reader.next())
            result.add(*e);
        result.setDamagedLines(reader.damagedLines());
        return writeExportFile(path, [&](QIODevice &out) {
            return writeResultPdf(result, reader.header(), localPageSize(), out);
        });
    }
    return writeExportFile(path, [&](QIODevice &out) {
        return suffix == u"csv" ? writeCsv(reader, out, csv) : writeJson(reader, out);
    });
}

int runExport(const QString &file, const QString &log, const QString &folder, CsvStyle csv)
{
    const QString path = log.isEmpty() ? GameLog::newestLog(folder) : log;
    if (path.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                ExportText::tr("corvella: no game has been recorded in %1 yet").arg(folder)));
        return 1;
    }
    if (const QString why = exportLog(path, file, csv); !why.isEmpty()) {
        std::fprintf(stderr, "corvella: %s\n", qPrintable(why));
        return 1;
    }
    return 0;
}
