// Any bytes held as text and saved come back the same; the UTF-8 check agrees with the
// Unicode standard's table of well-formed UTF-8; text typed into a Windows-1252 page and
// saved opens again as the same characters, a character reference counting as its
// character.
#include "fuzzeditor.h"
#include "fuzzing.h"

#include "document/encoding.h"
#include "editor/documentloader.h"
#include "editor/editor.h"

#include <QBuffer>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
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

void appendUtf8(QByteArray &out, uint code)
{
    if (code < 0x80) {
        out += char(code);
        return;
    }
    static const uint lead[] = {0, 0xC0, 0xE0, 0xF0};
    const int more = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    out += char(lead[more] | (code >> (6 * more)));
    for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
        out += char(0x80 | ((code >> shift) & 0x3F));
}

// UTF-8 with each decimal character reference ("&#20013;") read as its character. Bytes,
// not a QString: QString::fromUtf8() drops a byte order mark at the start.
QByteArray withReferencesRead(const QByteArray &text)
{
    QByteArray read;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i + 2;
        while (end < text.size() && end - i < 10 && text.at(end) >= '0' && text.at(end) <= '9')
            ++end;
        bool isNumber = false;
        const uint code = text.mid(i + 2, end - i - 2).toUInt(&isNumber);
        if (text.mid(i, 2) == "&#" && isNumber && end < text.size() && text.at(end) == ';'
            && code > 0 && code <= 0x10FFFF) {
            appendUtf8(read, code);
            i = end;
        } else {
            read += text.at(i);
        }
    }
    return read;
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
    FUZZ_EXPECT(editor.writeTo(saved) && saved.data() == original);

    if (valid) // the same text as a Windows-1252 page
        editor.setContents(editor.contents(), Encoding::Windows1252);
    editor.setCaret({line, column});
    editor.putSelectedText(typed);
    const QByteArray text = editor.contents();
    editor.setBytes(editor.bytes());
    FUZZ_EXPECT(withReferencesRead(editor.contents()) == withReferencesRead(text));
    return 0;
}
