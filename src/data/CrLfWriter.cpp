#include "data/CrLfWriter.h"

#include <QIODevice>

namespace {

constexpr qsizetype gatherLimit = 1 << 20;

} // namespace

CrLfWriter::CrLfWriter(QIODevice &device, QByteArrayView source)
    : m_device(device)
    , m_source(source)
{
}

bool CrLfWriter::write(QByteArrayView line)
{
    const QByteArrayView withBreak = inSourceWithBreak(line);
    if (withBreak.isNull()) {
        if (!m_block.isEmpty() && !flush())
            return false;
        m_gathered.append(line).append("\r\n");
        return m_gathered.size() < gatherLimit || flush();
    }
    if (!m_block.isEmpty() && m_block.end() == withBreak.begin()) {
        m_block = QByteArrayView(m_block.begin(), m_block.size() + withBreak.size());
        return true;
    }
    if (!flush())
        return false;
    m_block = withBreak;
    return true;
}

bool CrLfWriter::finish()
{
    return flush();
}

QByteArrayView CrLfWriter::inSourceWithBreak(QByteArrayView line) const
{
    // Unsigned, so a line before the source wraps round to a huge offset.
    const quintptr offset = quintptr(line.data()) - quintptr(m_source.data());
    if (line.isNull() || offset > quintptr(m_source.size())
        || m_source.size() - qsizetype(offset) < line.size() + 2)
        return {};
    const char *const breakAfter = line.data() + line.size();
    if (breakAfter[0] != '\r' || breakAfter[1] != '\n')
        return {};
    return QByteArrayView(line.data(), line.size() + 2);
}

bool CrLfWriter::flush()
{
    const QByteArrayView pending = m_block.isEmpty() ? QByteArrayView(m_gathered) : m_block;
    if (pending.isEmpty())
        return true;
    const bool written = m_device.write(pending.data(), pending.size()) == pending.size();
    m_block = {};
    m_gathered.resize(0);
    return written;
}
