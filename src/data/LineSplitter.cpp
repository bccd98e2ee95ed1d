#include "data/LineSplitter.h"

#include <algorithm>
#include <cstring>

LineSplitter::LineSplitter(QByteArrayView text)
    : m_text(text)
{
}

bool LineSplitter::atEnd() const
{
    return m_position >= m_text.size();
}

QByteArrayView LineSplitter::next()
{
    if (m_nextCr < m_position)
        m_nextCr = indexOrEnd('\r');
    if (m_nextLf < m_position)
        m_nextLf = indexOrEnd('\n');
    const qsizetype lineEnd = std::min(m_nextCr, m_nextLf);
    const QByteArrayView line = m_text.sliced(m_position, lineEnd - m_position);

    m_position = lineEnd;
    if (m_position < m_text.size() && m_text[m_position] == '\r')
        ++m_position;
    if (m_position < m_text.size() && m_text[m_position] == '\n')
        ++m_position;
    return line;
}

qsizetype LineSplitter::indexOrEnd(char byte) const
{
    const char *from = m_text.data() + m_position;
    const void *found = std::memchr(from, byte, size_t(m_text.size() - m_position));
    return found ? static_cast<const char *>(found) - m_text.data() : m_text.size();
}
