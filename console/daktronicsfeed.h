#pragma once

#include "console/consolefeed.h"

#include <QBitArray>

// Daktronics All Sport 5000's real-time data: the console keeps its board as
// one fixed text record and sends the parts that changed, each at its
// offset. The record is kept whole here, and a field is read only once every
// byte of it has been sent.
class DaktronicsFeed : public ConsoleFeed
{
public:
    static constexpr int RecordSize = 646; // basketball's record

    explicit DaktronicsFeed(ConsoleSport sport);

    // The two hex digits the console sends after `covered` (the bytes after
    // SYN up to EOT, EOT included).
    static QByteArray checksum(QByteArrayView covered);

protected:
    void parse(QByteArray &buffer) override;

private:
    void decode(QByteArrayView packet);
    void readRecord();
    bool known(int at, int width) const;

    QByteArray m_record;
    QBitArray m_known;
};
