// Any arguments, as the system hands them over: the program ends at once with a reply and a
// status of 0 or 2, or goes on with no file or with one file, as an absolute path; a single
// argument that is no option is that file.
#include "fuzzing.h"

#include "app/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int *count, char ***arguments)
{
    // The help text names the program as it was started.
    new QCoreApplication(*count, *arguments);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // One argument after the other, each ended by a NUL as in the system's argument vector.
    const QByteArrayList raw = QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size))
                                   .split('\0');
    QStringList arguments;
    for (const QByteArray &argument : raw)
        arguments << QString::fromLocal8Bit(argument);

    const CommandLine line = readCommandLine(arguments);
    FUZZ_EXPECT(line.status == 0 || line.status == 2);
    FUZZ_EXPECT(line.endsAtOnce() || line.status == 0);
    FUZZ_EXPECT(line.file.isEmpty() || (!line.endsAtOnce() && QFileInfo(line.file).isAbsolute()));
    if (arguments.size() == 2 && !arguments[1].startsWith(QLatin1Char('-')))
        FUZZ_EXPECT(!line.endsAtOnce() && line.file == QFileInfo(arguments[1]).absoluteFilePath());
    return 0;
}
