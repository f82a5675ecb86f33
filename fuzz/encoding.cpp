// Any bytes held as text and saved come back the same; the UTF-8 check agrees with the
// Unicode standard's table of well-formed UTF-8; any bytes opened as a Windows-1252 page,
// with any text typed into it, save as the same bytes with the typed text among them, each
// character Windows-1252 cannot hold escaped as its place understands.
#include "fuzzeditor.h"
#include "fuzzing.h"

#include "document/encoding.h"
#include "editor/documentloader.h"
#include "editor/editor.h"
#include "editor/tagreader.h"

#include <QBuffer>
#include <QHash>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {
bool isUtf8(const std::string &bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t more = 0;
        unsigned char low = 0x80; // the range of the byte after the lead
        unsigned char high = 0xBF;
        if (lead <= 0x7F)
            more = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            more = 1;
        else if (lead == 0xE0)
            more = 2, low = 0xA0;
        else if (lead == 0xED)
            more = 2, high = 0x9F;
        else if (lead >= 0xE1 && lead <= 0xEF)
            more = 2;
        else if (lead == 0xF0)
            more = 3, low = 0x90;
        else if (lead == 0xF4)
            more = 3, high = 0x8F;
        else if (lead >= 0xF1 && lead <= 0xF3)
            more = 3;
        else
            return false;
        if (bytes.size() - i - 1 < more)
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        i += more + 1;
    }
    return true;
}

// The byte of each character Windows-1252 holds.
const QHash<uint, char> &windows1252Bytes()
{
    static const QHash<uint, char> bytes = [] {
        QHash<uint, char> table;
        for (int byte = 0; byte < 256; ++byte) {
            QByteArray text;
            const char single = char(byte);
            appendFromWindows1252(text, &single, 1);
            table.insert(QString::fromUtf8(text.constData(), text.size()).toUcs4().at(0),
                         single);
        }
        return table;
    }();
    return bytes;
}

Escape escapeForAttribute(const QByteArray &name)
{
    if (name.size() > 2 && name.left(2).toLower() == "on")
        return Escape::Script;
    return name.toLower() == "style" ? Escape::Css : Escape::Reference;
}

// The escape the offset's place in a tag understands, one byte at a time from its name on.
Escape placeInTag(const QByteArray &page, const Tag &tag, qsizetype offset)
{
    enum { Between, Name, AfterName, AfterEquals, Quoted, Bare } state = Between;
    QByteArray name;
    char quote = 0;
    for (qsizetype i = tag.nameStart + tag.nameLength; i < offset; ++i) {
        const char c = page.at(i);
        switch (state) {
        case Between:
        case AfterName:
            if (c == '=')
                state = AfterEquals;
            else if (!isBlank(c))
                state = Name, name = QByteArray(1, c);
            break;
        case Name:
            if (c == '=')
                state = AfterEquals;
            else if (isBlank(c))
                state = AfterName;
            else
                name += c;
            break;
        case AfterEquals:
            if (c == '"' || c == '\'')
                state = Quoted, quote = c;
            else if (!isBlank(c))
                state = Bare;
            break;
        case Quoted:
            if (c == quote)
                state = Between;
            break;
        case Bare:
            if (isBlank(c))
                state = Between;
            break;
        }
    }
    const bool inValue = state == AfterEquals || state == Quoted || state == Bare;
    return inValue ? escapeForAttribute(name) : Escape::Reference;
}

// The escape the place at the page's offset understands, the page read as tag matching
// reads it: a reference unless in SCRIPT or STYLE or in a tag's value.
Escape placeOf(const QByteArray &page, qsizetype offset)
{
    std::optional<Tag> before; // the last tag before the offset
    std::optional<Tag> around;
    forEachTag(page, [&](const Tag &tag) {
        if (tag.start > offset)
            return false;
        if (tag.end > offset)
            around = tag;
        else
            before = tag;
        return !around;
    });
    if (around)
        return placeInTag(page, *around, offset);
    if (!before || !TagReader::startsRawText(page, *before))
        return Escape::Reference; // text, a comment or a declaration
    const qsizetype endTag = TagReader::endTagOf(page, *before);
    if (endTag >= 0 && offset >= endTag)
        return Escape::Reference;
    const QByteArray name = before->name(page).toUpper();
    return name == "SCRIPT" ? Escape::Script : name == "STYLE" ? Escape::Css : Escape::Reference;
}

QByteArray hex(uint value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

QByteArray escaped(uint code, Escape escape)
{
    switch (escape) {
    case Escape::Reference:
        return "&#" + QByteArray::number(code) + ';';
    case Escape::Css:
        return '\\' + hex(code, 1) + ' ';
    case Escape::Script:
        break;
    }
    if (!QChar::requiresSurrogates(code))
        return "\\u" + hex(code, 4);
    return "\\u" + hex(QChar::highSurrogate(code), 4) + "\\u" + hex(QChar::lowSurrogate(code), 4);
}

// What the typed text held at offset in the page saves as.
QByteArray savedAs(const QByteArray &typed, const QByteArray &page, qsizetype offset,
                   bool script)
{
    QByteArray saved;
    // With its size: a QByteArray alone ends at its first NUL on Qt 5.
    for (const uint code : QString::fromUtf8(typed.constData(), typed.size()).toUcs4()) {
        const auto byte = windows1252Bytes().constFind(code);
        if (byte != windows1252Bytes().constEnd())
            saved += *byte;
        else
            saved += escaped(code, script ? Escape::Script : placeOf(page, offset));
        offset += code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    }
    return saved;
}

// How many characters UTF-8 text holds.
qsizetype characters(const QByteArray &text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

// Where [0, size) is cut into pieces, as a file read a piece at a time is cut anywhere.
std::vector<std::size_t> pieceEnds(const std::vector<std::uint16_t> &cuts, std::size_t size)
{
    std::vector<std::size_t> ends;
    for (std::uint16_t cut : cuts)
        ends.push_back(cut % (size + 1));
    ends.push_back(size);
    std::sort(ends.begin(), ends.end());
    return ends;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const bool exactSize = data.ConsumeBool();
    const auto statedSize = data.ConsumeIntegralInRange<qint64>(0, 1 << 16);
    const int line = data.ConsumeIntegralInRange(1, 64);
    const int column = data.ConsumeIntegralInRange(1, 256);
    const QString typed = QString::fromStdString(data.ConsumeRandomLengthString(64));
    std::vector<std::uint16_t> cuts(data.ConsumeIntegralInRange(0, 4));
    for (std::uint16_t &cut : cuts)
        cut = data.ConsumeIntegral<std::uint16_t>();
    const bool script = data.ConsumeBool(); // saved as a .js file
    const std::string file = data.ConsumeRemainingBytesAsString();
    const bool valid = isUtf8(file);

    Editor &editor = fuzzEditor();
    Utf8Check check;
    DocumentLoader loader;
    loader.reserve(exactSize ? qint64(file.size()) : statedSize);
    std::size_t from = 0;
    for (std::size_t end : pieceEnds(cuts, file.size())) {
        check.add(file.data() + from, qsizetype(end - from));
        loader.add(file.data() + from, qsizetype(end - from));
        from = end;
    }
    FUZZ_EXPECT(check.isValid() == valid);
    FUZZ_EXPECT(!check.hasFailed() || !valid);

    editor.adopt(loader);
    const QByteArray original = QByteArray::fromStdString(file);
    FUZZ_EXPECT(editor.encoding() == (valid ? Encoding::Utf8 : Encoding::Windows1252));
    FUZZ_EXPECT(editor.bytes() == original);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    const QString name = script ? QStringLiteral("page.js") : QStringLiteral("page.htm");
    FUZZ_EXPECT(editor.writeTo(saved, name) && saved.data() == original);

    // The same bytes as a Windows-1252 page: a character for each byte.
    QByteArray page;
    appendFromWindows1252(page, file.data(), qsizetype(file.size()));
    editor.setContents(page, Encoding::Windows1252);
    FUZZ_EXPECT(editor.bytes() == original);
    editor.setCaret({line, column});
    const long caret = editor.caretOffset();
    const QByteArray typedText = typed.toUtf8();
    editor.putSelectedText(typed);
    const QByteArray held = editor.contents();
    FUZZ_EXPECT(held == page.left(caret) + typedText + page.mid(caret));
    const qsizetype kept = characters(page.left(caret));
    FUZZ_EXPECT(editor.bytes(name)
                == original.left(kept) + savedAs(typedText, held, caret, script)
                       + original.mid(kept));
    return 0;
}
