#pragma once

#include <QByteArray>
#include <QtGlobal>

// The rows of a long end-to-end check are spread over CTest's shards, so that
// two of them run side by side: with CORVELLA_SHARD=K/N in the environment
// this process runs rows K, K+N, K+2N, ... (counted from 1) and skips the
// others; without it, every row. Call once at the start of each row.
inline bool rowInThisShard()
{
    static int row = 0;
    const QByteArray shard = qgetenv("CORVELLA_SHARD");
    const int slash = shard.indexOf('/');
    const int k = shard.left(slash).toInt(), n = shard.mid(slash + 1).toInt();
    const int index = row++;
    return slash < 0 || k < 1 || n < 1 || index % n == k - 1;
}
