#include <QTest>

#include <windows.h>

#include <memory>
#include <set>

// What Windows reads from quillet.exe itself: the version information Explorer shows in
// Properties > Details, the icon, and the manifest the loader obeys.
namespace {
const wchar_t *program()
{
    static const std::wstring path = QStringLiteral(QUILLET_BINARY).toStdWString();
    return path.c_str();
}

QByteArray versionInfo()
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program(), &ignored);
    QByteArray block(int(size), '\0');
    if (size == 0 || !GetFileVersionInfoW(program(), 0, size, block.data()))
        return {};
    return block;
}

// One value of the string table, listed under U.S. English and Unicode; empty when
// there is none.
QString versionString(const QString &name)
{
    QByteArray block = versionInfo();
    const std::wstring key =
        (QStringLiteral("\\StringFileInfo\\040904B0\\") + name).toStdWString();
    wchar_t *text = nullptr;
    UINT length = 0;
    if (block.isEmpty()
        || !VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void **>(&text), &length))
        return {};
    return QString::fromWCharArray(text);
}

struct Module
{
    HMODULE handle = LoadLibraryExW(program(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ~Module() { FreeLibrary(handle); }

    QByteArray resource(LPCWSTR type, LPCWSTR name) const
    {
        HRSRC found = handle ? FindResourceW(handle, name, type) : nullptr;
        HGLOBAL loaded = found ? LoadResource(handle, found) : nullptr;
        if (!loaded)
            return {};
        return QByteArray(static_cast<const char *>(LockResource(loaded)),
                          int(SizeofResource(handle, found)));
    }
};

// The resource types as wide names (the program is not built with UNICODE defined).
const LPCWSTR iconType = MAKEINTRESOURCEW(3);
const LPCWSTR iconGroupType = MAKEINTRESOURCEW(14);
const LPCWSTR manifestType = MAKEINTRESOURCEW(24);

#pragma pack(push, 2)
struct GroupIconEntry // one image of an RT_GROUP_ICON directory
{
    BYTE width; // 0 means 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)
} // namespace

class TestVersionInfo : public QObject
{
    Q_OBJECT

private slots:
    void strings_data();
    void strings();
    void copyrightNamesTheCompany();
    void fixedVersionIsTwoZeroZeroZero();
    void iconHoldsTheFourSizes();
    void manifestAsksNoElevationAndIsDpiAware();
};

void TestVersionInfo::strings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("product name") << "ProductName" << "Quillet";
    QTest::newRow("description") << "FileDescription" << "Quillet HTML editor";
    QTest::newRow("file version") << "FileVersion" << "2.0.0.0";
    QTest::newRow("product version") << "ProductVersion" << "2.0.0.0";
    QTest::newRow("company") << "CompanyName" << "Quillet Works";
    QTest::newRow("original name") << "OriginalFilename" << "quillet.exe";
}

void TestVersionInfo::strings()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(versionString(name), value);
}

void TestVersionInfo::copyrightNamesTheCompany()
{
    const QString copyright = versionString(QStringLiteral("LegalCopyright"));
    QVERIFY2(copyright.startsWith(QLatin1String("Copyright (C) ")), qPrintable(copyright));
    QVERIFY2(copyright.endsWith(QLatin1String(" Quillet Works")), qPrintable(copyright));
}

void TestVersionInfo::fixedVersionIsTwoZeroZeroZero()
{
    QByteArray block = versionInfo();
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    QCOMPARE(fixed->dwSignature, DWORD(VS_FFI_SIGNATURE));
    QCOMPARE(fixed->dwFileVersionMS, DWORD(MAKELONG(0, 2)));
    QCOMPARE(fixed->dwFileVersionLS, DWORD(0));
    QCOMPARE(fixed->dwProductVersionMS, DWORD(MAKELONG(0, 2)));
    QCOMPARE(fixed->dwProductVersionLS, DWORD(0));
    QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
}

// The first icon group is the program's icon; each of its images is a real icon.
void TestVersionInfo::iconHoldsTheFourSizes()
{
    const Module module;
    const QByteArray group = module.resource(iconGroupType, MAKEINTRESOURCEW(1));
    QVERIFY2(group.size() >= 6, "quillet.exe has no icon");
    const int count = reinterpret_cast<const WORD *>(group.constData())[2];
    QCOMPARE(group.size(), 6 + count * int(sizeof(GroupIconEntry)));
    auto entries = reinterpret_cast<const GroupIconEntry *>(group.constData() + 6);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        sizes.insert(size);
        QByteArray image = module.resource(iconType, MAKEINTRESOURCEW(entries[i].id));
        HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE *>(image.data()),
                                              DWORD(image.size()), TRUE, 0x00030000, size,
                                              size, LR_DEFAULTCOLOR);
        QVERIFY2(icon, qPrintable(QStringLiteral("the %1-pixel image is no icon").arg(size)));
        DestroyIcon(icon);
    }
    QCOMPARE(sizes, (std::set<int>{16, 32, 48, 256}));
}

void TestVersionInfo::manifestAsksNoElevationAndIsDpiAware()
{
    const QByteArray manifest = Module().resource(manifestType, MAKEINTRESOURCEW(1));
    QVERIFY2(!manifest.isEmpty(), "quillet.exe has no manifest");
    QVERIFY(manifest.contains("<requestedExecutionLevel level=\"asInvoker\""));
    QVERIFY(manifest.contains(">true/pm</dpiAware>"));
    QVERIFY(manifest.contains(">PerMonitor</dpiAwareness>"));
    // Windows starts a program only where its manifest names the processor it is built for.
    QVERIFY(manifest.contains(sizeof(void *) == 8 ? "processorArchitecture=\"amd64\""
                                                  : "processorArchitecture=\"x86\""));
    // Windows 10 and 11, whose own behaviour a program declaring it gets.
    QVERIFY(manifest.contains("<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"));
}

QTEST_APPLESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
