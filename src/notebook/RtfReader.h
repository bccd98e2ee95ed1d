#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads a note pad file into a text document. The file is a rich-text (RTF)
// document as rich-edit controls, word processors and converters write it;
// bytes that do not start with "{\rtf" (after a UTF-8 byte-order mark, if
// any) are plain text instead: UTF-8 when they are valid UTF-8, Windows-1250
// otherwise.
//
// The reader keeps paragraphs, line breaks, tabs, bold, italic, underline,
// strike-out, font family and size, text colour and paragraph alignment, and
// passes over everything else. It never fails: damaged input (unbalanced
// braces, truncated files, junk, absurd numbers, deep nesting) is read as far
// as it makes sense, in time linear in its size and without recursion. A
// stray closing brace or junk never ends the reading: the text after it is
// kept.
namespace RtfReader {

// Returns false when the bytes were damaged and only read in part or with
// something passed over, true when they were read whole.
bool read(QByteArrayView bytes, QTextDocument &document);

// True when the bytes are an RTF document rather than plain text.
bool isRtf(QByteArrayView bytes);

} // namespace RtfReader
