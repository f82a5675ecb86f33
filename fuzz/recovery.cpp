// Any bytes as a recovery file are read or refused, asking for no block of memory larger
// than the file (and a container's header); a record read, or made of any fields, is the
// same record once written and read back.
#include "fuzzing.h"

#include "document/encoding.h"
#include "document/recovery.h"

#include <QBuffer>

#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <optional>

namespace {
constexpr std::size_t headerRoom = 32;
bool watching = false;
std::size_t largest = 0;

void noteMalloc(const volatile void *, std::size_t size)
{
    if (watching)
        largest = std::max(largest, size);
}

void noteFree(const volatile void *) {}

std::optional<RecoveryRecord> read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readRecord(buffer);
}

QByteArray written(const RecoveryRecord &record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    FUZZ_EXPECT(writeRecord(buffer, record));
    return buffer.data();
}

bool operator==(const RecoveryRecord &a, const RecoveryRecord &b)
{
    return a.fileName == b.fileName && a.untitled == b.untitled && a.stamp.size == b.stamp.size
           && a.stamp.modified == b.stamp.modified && a.stamp.digest == b.stamp.digest
           && a.encoding == b.encoding && a.contents == b.contents;
}

RecoveryRecord recordOf(FuzzedDataProvider &data)
{
    RecoveryRecord record;
    // Any UTF-16, lone surrogates too: the record keeps the name as it is.
    for (int i = data.ConsumeIntegralInRange(0, 64); i > 0; --i)
        record.fileName += QChar(data.ConsumeIntegral<char16_t>());
    record.untitled = data.ConsumeBool();
    record.stamp.size = data.ConsumeIntegral<qint64>();
    record.stamp.modified = data.ConsumeIntegral<qint64>();
    record.stamp.digest = QByteArray::fromStdString(data.ConsumeRandomLengthString(32));
    record.encoding = data.ConsumeIntegralInRange(-1, 2); // two of them known
    record.contents = QByteArray::fromStdString(data.ConsumeRemainingBytesAsString());
    return record;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    __sanitizer_install_malloc_and_free_hooks(noteMalloc, noteFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    QByteArray file(reinterpret_cast<const char *>(bytes), qsizetype(size));
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    largest = 0;
    watching = true;
    const std::optional<RecoveryRecord> offered = readRecord(buffer);
    watching = false;
    FUZZ_EXPECT(largest <= size + headerRoom);
    if (offered) {
        const std::optional<RecoveryRecord> again = read(written(*offered));
        FUZZ_EXPECT(again && *again == *offered);
    }

    FuzzedDataProvider data(bytes, size);
    const RecoveryRecord record = recordOf(data);
    const bool known = record.encoding == qint32(Encoding::Utf8)
                       || record.encoding == qint32(Encoding::Windows1252);
    const std::optional<RecoveryRecord> back = read(written(record));
    FUZZ_EXPECT(bool(back) == known);
    FUZZ_EXPECT(!back || *back == record);
    return 0;
}
