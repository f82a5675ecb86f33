#include "wordfinder.h"

#include "tagreader.h"
#include "vocabulary.h"

#include <QChar>
#include <QHash>

#include <algorithm>
#include <cstring>

namespace {
struct Character
{
    char32_t code = 0;
    qsizetype length = 1;
};

constexpr char32_t invalid = 0xFFFD;

Character utf8At(const char *data, qsizetype at, qsizetype size)
{
    const auto lead = static_cast<unsigned char>(data[at]);
    if (lead < 0x80)
        return {lead, 1};
    const int length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || at + length > size)
        return {invalid, 1};
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(data[at + i]);
        if ((next & 0xC0) != 0x80)
            return {invalid, 1};
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms and surrogates are no characters, as QString reads them.
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {invalid, 1};
    return {code, length};
}

char32_t windows1252(char byte)
{
    if (static_cast<unsigned char>(byte) < 0x80)
        return static_cast<unsigned char>(byte);
    QByteArray utf8;
    appendFromWindows1252(utf8, &byte, 1);
    return utf8At(utf8.constData(), 0, utf8.size()).code;
}

// A character reference ("&eacute;", "&#233;", "&#xE9;") at the '&'; length 0 for none.
Character referenceAt(const char *data, qsizetype at, qsizetype size)
{
    constexpr qsizetype longest = 12;
    qsizetype end = at + 1;
    while (end < size && end - at < longest && data[end] != ';'
           && ((isNameCharacter(data[end]) && data[end] != ':') || (end == at + 1 && data[end] == '#')))
        ++end;
    if (end >= size || data[end] != ';' || end == at + 1)
        return {0, 0};
    const QByteArray name = QByteArray::fromRawData(data + at + 1, end - at - 1);
    char32_t code = 0;
    if (name.startsWith('#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name.at(1) == 'x' || name.at(1) == 'X');
        code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF)
            return {0, 0};
    } else {
        // A page may hold hundreds of thousands: looked up by their bytes.
        static const QHash<QByteArray, char32_t> characters = [] {
            QHash<QByteArray, char32_t> table;
            for (const Entity &entity : Vocabulary::entities())
                table.insert(entity.name.toLatin1(), entity.character);
            return table;
        }();
        const auto found = characters.constFind(name);
        if (found == characters.constEnd())
            return {0, 0};
        code = *found;
    }
    return {code, end + 1 - at};
}

bool isDigit(char32_t code)
{
    return code >= '0' && code <= '9';
}

bool isWordLetter(char32_t code)
{
    return code > 0x7F ? QChar::isLetter(code) || QChar::isMark(code)
                       : (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
}

bool isApostrophe(char32_t code)
{
    return code == '\'' || code == 0x2019;
}

class Finder
{
public:
    Finder(const QByteArray &text, Encoding encoding)
        : m_text(text)
        , m_data(text.constData())
        , m_encoding(encoding)
    {
    }

    // The text's words, up to the last place it could be cut when it is a piece.
    WordScan scan(bool piece)
    {
        const qsizetype size = m_text.size();
        qsizetype runStart = 0;
        qsizetype i = 0;
        qsizetype cut = 0;
        while ((i = m_text.indexOf('<', i)) >= 0) {
            const qsizetype markupEnd = readMarkup(i, runStart);
            if (markupEnd == i) {
                ++i;
                continue;
            }
            if (markupEnd < 0 && piece) {
                // The next piece reads it again, its attributes too.
                while (!m_words.empty() && m_words.back().start >= i)
                    m_words.pop_back();
                return {std::move(m_words), i};
            }
            if (markupEnd < 0)
                return {std::move(m_words), size};
            i = cut = runStart = markupEnd;
        }
        if (!piece) {
            textRun(runStart, size);
            return {std::move(m_words), size};
        }
        // No markup after runStart but perhaps the start of a tag cut off: the piece is cut
        // at the last blank before it.
        qsizetype tail = runStart;
        while (tail < size && !(m_data[tail] == '<' && startsMarkup(tail + 1)))
            ++tail;
        qsizetype blank = tail;
        while (blank > runStart && !isBlank(m_data[blank - 1]))
            --blank;
        if (blank > runStart) {
            textRun(runStart, blank);
            cut = blank;
        }
        return {std::move(m_words), cut};
    }

    QString text(const PageWord &word) const
    {
        const qsizetype length = word.end - word.start;
        if (m_encoding == Encoding::Utf8 && !std::memchr(m_data + word.start, '&', length))
            return QString::fromUtf8(m_data + word.start, length);
        QString text;
        for (qsizetype i = word.start; i < word.end;) {
            const Character c = characterAt(i, word.end);
            text.append(QString::fromUcs4(&c.code, 1));
            i += c.length;
        }
        return text;
    }

    // Hands the name and value of each attribute of the tag to visit.
    template<class Visit>
    void forEachAttribute(const Tag &tag, Visit visit) const
    {
        qsizetype i = tag.nameStart + tag.nameLength;
        const qsizetype end = tag.end - 1;
        while (i < end) {
            while (i < end && (isBlank(m_data[i]) || m_data[i] == '/'))
                ++i;
            const qsizetype nameStart = i;
            while (i < end && !isBlank(m_data[i]) && m_data[i] != '=' && m_data[i] != '/')
                ++i;
            const QByteArray name = QByteArray::fromRawData(m_data + nameStart, i - nameStart);
            while (i < end && isBlank(m_data[i]))
                ++i;
            if (i >= end || m_data[i] != '=') {
                if (name.isEmpty())
                    ++i;
                continue;
            }
            ++i;
            while (i < end && isBlank(m_data[i]))
                ++i;
            qsizetype valueStart = i;
            qsizetype valueEnd = i;
            if (i < end && (m_data[i] == '"' || m_data[i] == '\'')) {
                const char quote = m_data[i];
                valueStart = ++i;
                while (i < end && m_data[i] != quote)
                    ++i;
                valueEnd = i;
                if (i < end)
                    ++i;
            } else {
                while (i < end && !isBlank(m_data[i]))
                    ++i;
                valueEnd = i;
            }
            visit(name, valueStart, valueEnd);
        }
    }

private:
    // Reads the comment, declaration or tag at the '<' at i: where it ends, i when the '<'
    // starts none, -1 when it runs past the end. The text run before it gives its words.
    qsizetype readMarkup(qsizetype i, qsizetype runStart)
    {
        using namespace TagReader;
        const char next = i + 1 < m_text.size() ? m_data[i + 1] : '\0';
        if (next == '!' || next == '?') {
            textRun(runStart, i);
            const bool comment = startsAt(m_text, i, "<!--"); // also a directive
            return skipPast(m_text, comment ? "-->" : ">", i + (comment ? 4 : 2));
        }
        const std::optional<Tag> tag = readTag(m_text, i);
        if (!tag)
            return i;
        textRun(runStart, i);
        if (tag->closing) {
            if (isRawTextName(*tag))
                m_words.clear(); // the text began inside a script
            return tag->end;
        }
        forEachAttribute(*tag, [this](const QByteArray &name, qsizetype from, qsizetype to) {
            if (name.compare("ALT", Qt::CaseInsensitive) == 0
                || name.compare("TITLE", Qt::CaseInsensitive) == 0
                || name.compare("SUMMARY", Qt::CaseInsensitive) == 0)
                wordsOf(from, to);
        });
        if (!startsRawText(m_text, *tag))
            return tag->end;
        const qsizetype endTag = endTagOf(m_text, *tag);
        if (endTag < 0)
            return -1;
        const std::optional<Tag> closing = readTag(m_text, endTag);
        return closing ? closing->end : endTag + 1;
    }

    bool startsMarkup(qsizetype at) const
    {
        return at >= m_text.size() || isLetter(m_data[at]) || m_data[at] == '/'
               || m_data[at] == '!' || m_data[at] == '?';
    }

    bool isRawTextName(const Tag &tag) const
    {
        static const QByteArray script("SCRIPT"), style("STYLE"), xmp("XMP");
        return isNamed(m_text, tag, script) || isNamed(m_text, tag, style)
               || isNamed(m_text, tag, xmp);
    }

    Character characterAt(qsizetype at, qsizetype end) const
    {
        const auto byte = static_cast<unsigned char>(m_data[at]);
        if (byte < 0x80 && byte != '&')
            return {byte, 1};
        if (byte == '&') {
            const Character reference = referenceAt(m_data, at, end);
            if (reference.length > 0)
                return reference;
        }
        if (m_encoding == Encoding::Windows1252)
            return {windows1252(m_data[at]), 1};
        return utf8At(m_data, at, end);
    }

    void textRun(qsizetype from, qsizetype to)
    {
        if (from == 0) {
            const qsizetype commentEnd
                = QByteArray::fromRawData(m_data, to).lastIndexOf("-->");
            if (commentEnd >= 0)
                from = commentEnd + 3; // the text began inside a comment
        }
        wordsOf(from, to);
    }

    // The words of [from, to), read as text, blank-separated token by token.
    void wordsOf(qsizetype from, qsizetype to)
    {
        qsizetype i = from;
        while (i < to) {
            while (i < to && isBlank(m_data[i]))
                ++i;
            qsizetype tokenEnd = i;
            while (tokenEnd < to && !isBlank(m_data[tokenEnd]))
                ++tokenEnd;
            if (!isAddress(i, tokenEnd))
                wordsOfToken(i, tokenEnd);
            i = tokenEnd;
        }
    }

    bool isAddress(qsizetype from, qsizetype to) const
    {
        if (to - from >= 4 && qstrnicmp(m_data + from, "www.", 4) == 0)
            return true;
        for (qsizetype i = from; i < to; ++i) {
            if (m_data[i] == '@' || (m_data[i] == ':' && i + 2 < to && m_data[i + 1] == '/'
                                     && m_data[i + 2] == '/'))
                return true;
        }
        return false;
    }

    void wordsOfToken(qsizetype from, qsizetype to)
    {
        qsizetype i = from;
        while (i < to) {
            Character c = characterAt(i, to);
            // A word starts with a letter, or with a digit to be passed over whole.
            if ((c.code > 0x7F ? !QChar::isLetter(c.code) : !isWordLetter(c.code))
                && !isDigit(c.code)) {
                i += c.length;
                continue;
            }
            const qsizetype start = i;
            qsizetype end = i;
            bool digits = false;
            while (i < to) {
                c = characterAt(i, to);
                if (isDigit(c.code)) {
                    digits = true;
                } else if (isApostrophe(c.code)) {
                    // Inside a word ("don't"), never at its ends.
                    if (i + c.length >= to || !isWordLetter(characterAt(i + c.length, to).code))
                        break;
                } else if (!isWordLetter(c.code)) {
                    break;
                }
                i += c.length;
                end = i;
            }
            if (!digits)
                m_words.push_back({start, end});
        }
    }

    const QByteArray &m_text;
    const char *m_data;
    Encoding m_encoding;
    std::vector<PageWord> m_words;
};
} // namespace

std::vector<PageWord> findWords(const QByteArray &text, Encoding encoding)
{
    return Finder(text, encoding).scan(false).words;
}

WordScan findWordsInPiece(const QByteArray &piece, Encoding encoding)
{
    return Finder(piece, encoding).scan(true);
}

qsizetype readingStart(const QByteArray &text, qsizetype at)
{
    const qsizetype from = std::max<qsizetype>(0, at - readingLookBack);
    for (qsizetype i = at - 1; i >= from; --i) {
        if (text.at(i) == '>')
            return i + 1;
        if (text.at(i) == '<')
            return i;
    }
    return from == 0 ? 0 : at;
}

QString wordText(const QByteArray &text, const PageWord &word, Encoding encoding)
{
    return Finder(text, encoding).text(word);
}

QString pageLanguage(const QByteArray &text)
{
    const Finder finder(text, Encoding::Utf8);
    QString language;
    forEachTag(text, [&](const Tag &tag) {
        const bool body = isNamed(text, tag, "BODY");
        if (tag.closing || (!body && !isNamed(text, tag, "HTML")))
            return true;
        finder.forEachAttribute(tag, [&](const QByteArray &name, qsizetype from, qsizetype to) {
            if (name.compare("LANG", Qt::CaseInsensitive) == 0 && from < to)
                language = QString::fromUtf8(text.mid(from, to - from)).trimmed();
        });
        return !body;
    });
    return language;
}
