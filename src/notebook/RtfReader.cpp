#include "notebook/RtfReader.h"

#include "data/Cp1250.h"

#include <QColor>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t maxDepth = 256; // deeper groups are passed over whole
constexpr int maxRereadings = 8; // of a damaged file, each passing over one more brace
constexpr int maxWordLength = 32;
constexpr qint64 parameterLimit = 1'000'000'000;
constexpr int defaultCodePage = 1250;
constexpr int symbolCodePage = -2; // bytes of a symbol font become U+F000 + byte
constexpr int defaultHalfPoints = 24;
constexpr int maxHalfPoints = 3276;
constexpr int maxUnicodeSkip = 255;
constexpr char16_t paragraphSeparator = 0x2029;

int codePageOfCharset(int charset)
{
    static const std::map<int, int> codePages = { { 0, 1252 }, { 1, defaultCodePage },
        { 2, symbolCodePage }, { 77, 10000 }, { 128, 932 }, { 129, 949 }, { 134, 936 },
        { 136, 950 }, { 161, 1253 }, { 162, 1254 }, { 163, 1258 }, { 177, 1255 }, { 178, 1256 },
        { 186, 1257 }, { 204, 1251 }, { 222, 874 }, { 238, 1250 } };
    const auto found = codePages.find(charset);
    return found == codePages.end() ? 0 : found->second;
}

const char *encodingName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    default:
        return nullptr;
    }
}

// Decodes the bytes of one code page; Windows-1250 and symbol fonts need no
// system support, the others come from the system's converters, and a code
// page the system does not know is read as Windows-1250.
class CodePages {
public:
    QString decode(int codePage, QByteArrayView bytes)
    {
        if (codePage == symbolCodePage) {
            QString text;
            for (const char byte : bytes)
                text += QChar(char16_t(0xF000 + static_cast<unsigned char>(byte)));
            return text;
        }
        if (QStringDecoder *decoder = decoderFor(codePage))
            return decoder->decode(bytes);
        return cp1250::decode(bytes);
    }

private:
    QStringDecoder *decoderFor(int codePage)
    {
        if (codePage == 1250)
            return nullptr;
        auto &decoder = m_decoders[codePage];
        if (!decoder) {
            const char *special = encodingName(codePage);
            const QByteArray name
                = special ? QByteArray(special) : "windows-" + QByteArray::number(codePage);
            decoder = std::make_unique<QStringDecoder>(name.constData());
        }
        return decoder->isValid() ? decoder.get() : nullptr;
    }

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

enum class Destination { Text, FontTable, ColourTable, Skip };

// What a group inherits from its enclosing group and loses when it closes.
struct GroupState {
    qsizetype openedAt = -1; // where its brace stands
    Destination destination = Destination::Text;
    bool bold = false, italic = false, underline = false, strike = false;
    int font = -1; // -1: the document's default font
    int halfPoints = defaultHalfPoints;
    int colour = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1;
};

struct FontEntry {
    int codePage = 0; // 0: the document's code page
    QByteArray nameBytes;
    bool nameComplete = false;
    QString name;
};

enum class Word {
    FontTable,
    ColourTable,
    SkippedDestination,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Plain,
    Font,
    FontSize,
    Colour,
    ParagraphDefaults,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    Paragraph,
    Line,
    Tab,
    UnicodeSkip,
    Unicode,
    CodePage,
    DefaultFont,
    Binary,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Character
};

struct WordMeaning {
    Word word;
    char16_t character = 0; // for Word::Character
};

const std::unordered_map<std::string_view, WordMeaning> &words()
{
    static const std::unordered_map<std::string_view, WordMeaning> table = [] {
        std::unordered_map<std::string_view, WordMeaning> t = {
            { "fonttbl", { Word::FontTable } },
            { "colortbl", { Word::ColourTable } },
            { "b", { Word::Bold } },
            { "i", { Word::Italic } },
            { "ul", { Word::Underline } },
            { "ulnone", { Word::UnderlineNone } },
            { "strike", { Word::Strike } },
            { "striked", { Word::Strike } },
            { "plain", { Word::Plain } },
            { "f", { Word::Font } },
            { "fs", { Word::FontSize } },
            { "cf", { Word::Colour } },
            { "pard", { Word::ParagraphDefaults } },
            { "ql", { Word::AlignLeft } },
            { "qc", { Word::AlignCentre } },
            { "qr", { Word::AlignRight } },
            { "qj", { Word::AlignJustify } },
            { "par", { Word::Paragraph } },
            { "sect", { Word::Paragraph } },
            { "page", { Word::Paragraph } },
            { "row", { Word::Paragraph } },
            { "line", { Word::Line } },
            { "tab", { Word::Tab } },
            { "cell", { Word::Tab } },
            { "nestcell", { Word::Tab } },
            { "uc", { Word::UnicodeSkip } },
            { "u", { Word::Unicode } },
            { "ansicpg", { Word::CodePage } },
            { "deff", { Word::DefaultFont } },
            { "bin", { Word::Binary } },
            { "fcharset", { Word::FontCharset } },
            { "cpg", { Word::FontCodePage } },
            { "red", { Word::Red } },
            { "green", { Word::Green } },
            { "blue", { Word::Blue } },
            { "emdash", { Word::Character, 0x2014 } },
            { "endash", { Word::Character, 0x2013 } },
            { "bullet", { Word::Character, 0x2022 } },
            { "lquote", { Word::Character, 0x2018 } },
            { "rquote", { Word::Character, 0x2019 } },
            { "ldblquote", { Word::Character, 0x201C } },
            { "rdblquote", { Word::Character, 0x201D } },
            { "emspace", { Word::Character, 0x2003 } },
            { "enspace", { Word::Character, 0x2002 } },
            { "qmspace", { Word::Character, 0x2005 } },
        };
        for (std::string_view underline :
            { "uld", "uldb", "uldash", "uldashd", "uldashdd", "ulhwave", "ulldash", "ulth", "ulthd",
                "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave" })
            t.emplace(underline, WordMeaning { Word::Underline });
        // Destinations whose contents are not part of the text.
        for (std::string_view skipped : { "stylesheet", "info", "pict", "header", "headerl",
                 "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
                 "fldinst", "object", "listtable", "listoverridetable", "revtbl", "rsidtbl",
                 "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
                 "generator", "filetbl", "pn", "nonshppict", "shpinst", "sp", "template",
                 "userprops", "docvar", "bkmkstart", "bkmkend", "annotation", "atnid", "atnauthor",
                 "background", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "pgdsctbl", "fname",
                 "panose", "falt", "mmathPr", "xe", "tc", "txe", "rxe" })
            t.emplace(skipped, WordMeaning { Word::SkippedDestination });
        return t;
    }();
    return table;
}

bool isDestination(Word word)
{
    return word == Word::FontTable || word == Word::ColourTable || word == Word::SkippedDestination;
}

// What may follow the brace that closes the document without damage.
bool isBlankAfterTheEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0' || c == '\x1a';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One pass over the bytes, with an explicit stack of group states. Damage
// never ends the reading: a brace that closes the document early is passed
// over, and so is a destination that does not open its group.
class Reader {
public:
    // `plainGroups`: where braces stand whose groups are read as text, whatever
    // destination they name (see swallowingGroup()).
    Reader(QByteArrayView bytes, QTextDocument &document, const std::vector<qsizetype> &plainGroups)
        : m_data(bytes.data())
        , m_end(bytes.size())
        , m_cursor(&document)
        , m_plainGroups(plainGroups)
    {
        m_groups.emplace_back();
    }

    void run()
    {
        m_cursor.beginEditBlock();
        while (m_pos < m_end) {
            const char c = m_data[m_pos++];
            if (m_documentClosed) {
                if (isBlankAfterTheEnd(c))
                    continue;
                m_damaged = true; // a brace closed the document before its end
                m_documentClosed = false;
            }
            if (c != '}' && !isBlankAfterTheEnd(c))
                m_closedAtTheEnd.clear();
            if (c == '{') {
                openGroup();
            } else if (c == '}') {
                closeGroup();
            } else if (c == '\\') {
                control();
            } else if (c != '\r' && c != '\n') {
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                    m_damaged = true; // no writer puts raw control bytes in a document
                m_atGroupStart = false;
                textByte(c);
            }
        }
        flushText();
        if (!m_paragraphPending)
            setBlockAlignment(m_textAlignment);
        m_cursor.endEditBlock();
    }

    // True when the bytes were a sound document, read to its closing brace.
    bool readWhole() const
    {
        return !m_damaged && m_documentClosed && m_groups.size() == 2 && m_overflow == 0;
    }

    // A group whose destination holds no text, although paragraphs follow its
    // brace, and which the file ends in (still open, or closed by the last
    // braces while the document stays open): its own closing brace was lost,
    // and it took the rest of the document with it. Where its brace stands, or -1.
    qsizetype swallowingGroup() const
    {
        if (m_documentClosed)
            return -1;
        std::vector<const GroupState *> endingGroups; // the outermost first
        for (std::size_t i = 2; i < m_groups.size(); ++i)
            endingGroups.push_back(&m_groups[i]);
        for (auto group = m_closedAtTheEnd.rbegin(); group != m_closedAtTheEnd.rend(); ++group)
            endingGroups.push_back(&*group);
        for (const GroupState *group : endingGroups) {
            if (group->destination != Destination::Text)
                return holdsParagraphMark(group->openedAt) ? group->openedAt : -1;
        }
        return -1;
    }

private:
    GroupState &state() { return m_groups.back(); }

    void openGroup()
    {
        m_ignorableNext = false;
        m_fallbackToSkip = 0;
        if (m_overflow > 0 || m_groups.size() > maxDepth) {
            ++m_overflow;
            return;
        }
        flushText();
        m_groups.push_back(m_groups.back());
        state().openedAt = m_pos - 1;
        m_atGroupStart = std::find(m_plainGroups.begin(), m_plainGroups.end(), m_pos - 1)
            == m_plainGroups.end();
    }

    void closeGroup()
    {
        m_ignorableNext = false;
        m_fallbackToSkip = 0;
        m_atGroupStart = false;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        flushText();
        // The document's own group stays: whatever follows its brace is read on.
        if (m_groups.size() <= 2) {
            m_documentClosed = true;
            return;
        }
        if (state().destination == Destination::FontTable)
            m_fontEntry = -1;
        m_closedAtTheEnd.push_back(state());
        m_groups.pop_back();
    }

    bool holdsParagraphMark(qsizetype from) const
    {
        const QByteArrayView rest(m_data + from, m_end - from);
        for (qsizetype at = rest.indexOf("\\par"); at >= 0; at = rest.indexOf("\\par", at + 1)) {
            if (at + 4 == rest.size() || !isLetter(rest[at + 4]))
                return true;
        }
        return false;
    }

    void control()
    {
        if (m_pos >= m_end)
            return;
        const char first = m_data[m_pos];
        if (!isLetter(first)) {
            ++m_pos;
            controlSymbol(first);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_end && isLetter(m_data[m_pos]))
            ++m_pos;
        const auto length = m_pos - start;
        m_wordAtGroupStart = std::exchange(m_atGroupStart, false);
        const std::string_view word = length <= maxWordLength
            ? std::string_view(m_data + start, std::size_t(length))
            : std::string_view();

        bool negative = false;
        if (m_pos + 1 < m_end && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        qint64 value = 0;
        while (m_pos < m_end && isDigit(m_data[m_pos])) {
            hasParameter = true;
            value = std::min(value * 10 + (m_data[m_pos] - '0'), parameterLimit);
            ++m_pos;
        }
        if (m_pos < m_end && m_data[m_pos] == ' ')
            ++m_pos;
        controlWord(word, hasParameter, int(negative ? -value : value));
    }

    void controlWord(std::string_view name, bool hasParameter, int parameter)
    {
        const auto found = words().find(name);
        if (found != words().end() && found->second.word == Word::Binary) {
            skipBinary(parameter);
            return;
        }
        if (m_overflow > 0)
            return;
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        const bool ignorable = std::exchange(m_ignorableNext, false);
        // A destination names what its own group holds; anywhere else the
        // word is damage, and taking it would swallow the rest of the group.
        if (found != words().end() && isDestination(found->second.word) && !m_wordAtGroupStart
            && state().destination != Destination::Skip) {
            m_damaged = true;
            return;
        }
        if (found == words().end()) {
            if (ignorable)
                startSkipping();
            return;
        }
        if (ignorable) { // no destination marked "\*" holds anything the pad shows
            startSkipping();
            return;
        }
        const WordMeaning meaning = found->second;
        switch (state().destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            fontTableWord(meaning.word, parameter);
            return;
        case Destination::ColourTable:
            colourTableWord(meaning.word, parameter);
            return;
        case Destination::Text:
            textWord(meaning, hasParameter, parameter);
            return;
        }
    }

    void textWord(WordMeaning meaning, bool hasParameter, int parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        GroupState &s = state();
        switch (meaning.word) {
        case Word::Line:
            appendChar(QChar::LineSeparator);
            return;
        case Word::Tab:
            appendChar(u'\t');
            return;
        case Word::Character:
            appendChar(meaning.character);
            return;
        case Word::Unicode: {
            int code = parameter < 0 ? parameter + 65536 : parameter;
            appendChar(char16_t(std::clamp(code, 0, 0xFFFF)));
            m_fallbackToSkip = s.unicodeSkip;
            return;
        }
        default:
            break;
        }
        flushText();
        switch (meaning.word) {
        case Word::FontTable:
            s.destination = Destination::FontTable;
            break;
        case Word::ColourTable:
            s.destination = Destination::ColourTable;
            m_colourTable.clear();
            break;
        case Word::SkippedDestination:
            startSkipping();
            break;
        case Word::Bold:
            s.bold = on;
            break;
        case Word::Italic:
            s.italic = on;
            break;
        case Word::Underline:
            s.underline = on;
            break;
        case Word::UnderlineNone:
            s.underline = false;
            break;
        case Word::Strike:
            s.strike = on;
            break;
        case Word::Plain: {
            const GroupState defaults;
            s.bold = s.italic = s.underline = s.strike = false;
            s.font = defaults.font;
            s.halfPoints = defaults.halfPoints;
            s.colour = defaults.colour;
            break;
        }
        case Word::Font:
            s.font = parameter;
            break;
        case Word::FontSize:
            s.halfPoints
                = hasParameter ? std::clamp(parameter, 2, maxHalfPoints) : defaultHalfPoints;
            break;
        case Word::Colour:
            s.colour = parameter;
            break;
        case Word::ParagraphDefaults:
        case Word::AlignLeft:
            s.alignment = Qt::AlignLeft;
            break;
        case Word::AlignCentre:
            s.alignment = Qt::AlignHCenter;
            break;
        case Word::AlignRight:
            s.alignment = Qt::AlignRight;
            break;
        case Word::AlignJustify:
            s.alignment = Qt::AlignJustify;
            break;
        case Word::Paragraph:
            endParagraph();
            break;
        case Word::UnicodeSkip:
            s.unicodeSkip = std::clamp(parameter, 0, maxUnicodeSkip);
            break;
        case Word::CodePage:
            if (parameter > 0)
                m_codePage = parameter;
            break;
        case Word::DefaultFont:
            m_defaultFont = parameter;
            break;
        default:
            break;
        }
    }

    void fontTableWord(Word word, int parameter)
    {
        if (word == Word::Font) {
            m_fontEntry = parameter;
            m_fonts[parameter] = FontEntry();
            return;
        }
        if (word == Word::SkippedDestination) {
            startSkipping();
            return;
        }
        const auto entry = m_fonts.find(m_fontEntry);
        if (entry == m_fonts.end())
            return;
        if (word == Word::FontCharset)
            entry->second.codePage = codePageOfCharset(parameter);
        else if (word == Word::FontCodePage && parameter > 0)
            entry->second.codePage = parameter;
    }

    void colourTableWord(Word word, int parameter)
    {
        const int component = std::clamp(parameter, 0, 255);
        if (word == Word::Red)
            m_red = component;
        else if (word == Word::Green)
            m_green = component;
        else if (word == Word::Blue)
            m_blue = component;
        else
            return;
        m_colourSet = true;
    }

    void controlSymbol(char symbol)
    {
        const bool atGroupStart = std::exchange(m_atGroupStart, false);
        if (symbol == '\'') {
            hexByte();
            return;
        }
        if (m_overflow > 0)
            return;
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        switch (symbol) {
        case '{':
        case '}':
        case '\\':
            textByte(symbol);
            break;
        case '*':
            if (atGroupStart) {
                m_ignorableNext = true;
                m_atGroupStart = true; // the destination's word follows
            } else if (state().destination != Destination::Skip) {
                m_damaged = true;
            }
            break;
        case '~':
            inText([this] { appendChar(u'\u00A0'); });
            break;
        case '_':
            inText([this] { appendChar(u'\u2011'); });
            break;
        case '\r':
        case '\n':
            inText([this] { textWord({ Word::Paragraph }, false, 0); });
            break;
        case '\t':
            inText([this] { appendChar(u'\t'); });
            break;
        default:
            break;
        }
    }

    template <typename Action> void inText(Action action)
    {
        if (state().destination == Destination::Text)
            action();
    }

    void hexByte()
    {
        if (m_pos + 2 > m_end)
            return;
        const int high = hexValue(m_data[m_pos]);
        const int low = hexValue(m_data[m_pos + 1]);
        if (high < 0 || low < 0)
            return; // not an escape after all: what follows stays text
        m_pos += 2;
        if (m_overflow > 0)
            return;
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        m_ignorableNext = false;
        addByte(char(high * 16 + low));
    }

    void textByte(char byte)
    {
        m_ignorableNext = false;
        if (m_overflow > 0)
            return;
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        addByte(byte);
    }

    void addByte(char byte)
    {
        switch (state().destination) {
        case Destination::Text:
            if (static_cast<unsigned char>(byte) >= 0x20 || byte == '\t') {
                const int codePage = currentCodePage();
                if (codePage != m_bytesCodePage)
                    flushBytes();
                m_bytesCodePage = codePage;
                m_bytes += byte;
            }
            break;
        case Destination::FontTable:
            fontNameByte(byte);
            break;
        case Destination::ColourTable:
            if (byte == ';')
                finishColour();
            break;
        case Destination::Skip:
            break;
        }
    }

    void fontNameByte(char byte)
    {
        const auto entry = m_fonts.find(m_fontEntry);
        if (entry == m_fonts.end() || entry->second.nameComplete)
            return;
        if (byte == ';') {
            FontEntry &font = entry->second;
            font.nameComplete = true;
            font.name = fontName(font);
            font.nameBytes.clear();
        } else if (static_cast<unsigned char>(byte) >= 0x20
            && entry->second.nameBytes.size() < 256) {
            entry->second.nameBytes += byte;
        }
    }

    void finishColour()
    {
        m_colourTable.push_back(m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colourSet = false;
    }

    void startSkipping()
    {
        flushText();
        state().destination = Destination::Skip;
    }

    void skipBinary(int length)
    {
        if (length > m_end - m_pos)
            m_damaged = true; // the file ends inside the binary data
        m_pos += std::min<qsizetype>(std::max(length, 0), m_end - m_pos);
    }

    QString fontName(const FontEntry &font)
    {
        QString name = m_codePages.decode(codePageOf(font), font.nameBytes);
        name.removeIf([](QChar c) { return c.unicode() < 0x20; });
        name = name.replace(u';', u' ').trimmed();
        // Older systems name the Central European cut of a font "Arial CE".
        while (name.endsWith(QLatin1String(" CE")))
            name = name.chopped(3).trimmed();
        return name;
    }

    int codePageOf(const FontEntry &font) const
    {
        return font.codePage != 0 ? font.codePage : m_codePage;
    }

    const FontEntry *currentFont()
    {
        const int index = state().font >= 0 ? state().font : m_defaultFont;
        const auto found = m_fonts.find(index);
        if (found == m_fonts.end())
            return nullptr;
        FontEntry &font = found->second;
        if (!font.nameComplete && !font.nameBytes.isEmpty()) // a name without its ';'
            font.name = fontName(font);
        return &font;
    }

    int currentCodePage()
    {
        const FontEntry *font = currentFont();
        return font ? codePageOf(*font) : m_codePage;
    }

    void appendChar(QChar c)
    {
        flushBytes();
        if (c == QChar(paragraphSeparator))
            c = QChar::LineSeparator;
        // Control characters are no text, and a picture's place has no picture.
        if ((c.unicode() >= 0x20 || c == u'\t') && c != QChar::ObjectReplacementCharacter)
            m_text += c;
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString decoded = m_codePages.decode(m_bytesCodePage, m_bytes);
        m_bytes.clear();
        for (QChar c : decoded)
            appendChar(c);
    }

    void flushText()
    {
        flushBytes();
        if (m_text.isEmpty())
            return;
        if (m_paragraphPending)
            startParagraph();
        m_cursor.insertText(m_text, charFormat());
        m_textAlignment = state().alignment;
        m_text.clear();
    }

    QTextCharFormat charFormat()
    {
        const GroupState &s = state();
        QTextCharFormat format;
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.italic);
        format.setFontUnderline(s.underline);
        format.setFontStrikeOut(s.strike);
        format.setFontPointSize(s.halfPoints / 2.0);
        if (const FontEntry *font = currentFont(); font && !font->name.isEmpty())
            format.setFontFamilies(QStringList { font->name });
        if (s.colour >= 0 && std::size_t(s.colour) < m_colourTable.size()
            && m_colourTable[std::size_t(s.colour)].isValid())
            format.setForeground(m_colourTable[std::size_t(s.colour)]);
        return format;
    }

    // The paragraph mark ends the current paragraph; the next one starts only
    // when text follows, so that the last "\par" adds no empty paragraph.
    void endParagraph()
    {
        if (m_paragraphPending)
            startParagraph();
        setBlockAlignment(state().alignment);
        m_paragraphPending = true;
    }

    void startParagraph()
    {
        m_cursor.insertBlock();
        m_paragraphPending = false;
    }

    void setBlockAlignment(Qt::Alignment alignment)
    {
        QTextBlockFormat format = m_cursor.blockFormat();
        if (format.alignment() != alignment) {
            format.setAlignment(alignment);
            m_cursor.setBlockFormat(format);
        }
    }

    const char *m_data;
    qsizetype m_end;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;

    const std::vector<qsizetype> &m_plainGroups;
    std::vector<GroupState> m_groups;
    std::vector<GroupState> m_closedAtTheEnd; // by the braces since the last other byte
    int m_overflow = 0; // groups open beyond maxDepth
    bool m_atGroupStart = false; // nothing but "\*" since the last opening brace
    bool m_wordAtGroupStart = false; // for the control word being read
    bool m_documentClosed = false; // its brace has closed, with nothing but blanks since
    bool m_damaged = false;
    bool m_ignorableNext = false; // after "\*"
    int m_fallbackToSkip = 0; // after "\u"

    int m_codePage = defaultCodePage;
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_fontEntry = -1;
    std::vector<QColor> m_colourTable;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;

    CodePages m_codePages;
    QByteArray m_bytes;
    int m_bytesCodePage = defaultCodePage;
    QString m_text;
    bool m_paragraphPending = false;
    Qt::Alignment m_textAlignment = Qt::AlignLeft;
};

void readPlainText(QByteArrayView bytes, QTextDocument &document)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = cp1250::decode(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar(paragraphSeparator), u'\n');
    text.removeIf([](QChar c) {
        return (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            || c == QChar::ObjectReplacementCharacter;
    });
    document.setPlainText(text);
}

// Some editors put a UTF-8 byte-order mark before a document of any kind.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

} // namespace

bool RtfReader::isRtf(QByteArrayView bytes)
{
    return withoutByteOrderMark(bytes).startsWith("{\\rtf");
}

bool RtfReader::read(QByteArrayView bytes, QTextDocument &document)
{
    document.clear();
    if (!isRtf(bytes)) {
        readPlainText(bytes, document);
        return true;
    }
    bytes = withoutByteOrderMark(bytes);
    std::vector<qsizetype> plainGroups;
    for (int reading = 0;; ++reading) {
        Reader reader(bytes, document, plainGroups);
        reader.run();
        const qsizetype swallowing = reader.swallowingGroup();
        if (swallowing < 0 || reading == maxRereadings)
            return reader.readWhole();
        // Again, with that group's text read as text.
        plainGroups.push_back(swallowing);
        document.clear();
    }
}
