#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a note pad as a rich-text (RTF) document in the Central European
// Windows code page: paragraphs with their alignment, and runs of text with
// their font, size, bold, italic, underline, strike-out and colour.
// Characters outside the code page are written as Unicode escapes. An empty
// pad gives a document with one empty paragraph.
namespace RtfWriter {

QByteArray write(const QTextDocument &document);

} // namespace RtfWriter
