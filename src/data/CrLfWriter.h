#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Writes lines to a device, each followed by CR LF. A run of lines that still
// lie one after another in `source`, each with a CR LF behind it, goes out as
// one block straight from there; other lines are gathered in a buffer.
class CrLfWriter {
public:
    CrLfWriter(QIODevice &device, QByteArrayView source);

    bool write(QByteArrayView line); // false when the device failed
    bool finish(); // writes what is still pending

private:
    QByteArrayView inSourceWithBreak(QByteArrayView line) const;
    bool flush();

    QIODevice &m_device;
    QByteArrayView m_source;
    // At most one of the two holds something at a time, so the order is kept.
    QByteArrayView m_block;
    QByteArray m_gathered;
};
