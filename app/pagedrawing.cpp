#include "pagedrawing.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextLayout>
#include <QUrl>

namespace {
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif

bool isDrive(const QString &path)
{
    return path.size() >= 3 && path[0].isLetter() && path[1] == QLatin1Char(':')
           && path[2] == QLatin1Char('/');
}

// What a picture the page may not show, or that cannot be read, is drawn as: never nothing,
// for then the engine would go and read the name itself.
QImage missingPicture()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 15);
    painter.drawLine(0, 0, 15, 15);
    return image;
}

// The tags with a NAME or an ID, in source order: where each begins and the name.
std::vector<std::pair<qsizetype, QString>> namedTags(const QByteArray &text)
{
    static const QRegularExpression attribute(
        QStringLiteral("(?:^|\\s)(?:name|id)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<std::pair<qsizetype, QString>> tags;
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        const qsizetype end = text.indexOf('>', at);
        if (end < 0)
            break;
        const QString tag = QString::fromUtf8(text.constData() + at + 1, int(end - at - 1));
        for (auto match = attribute.globalMatch(tag); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            const QString name = found.captured(1) + found.captured(2) + found.captured(3);
            tags.emplace_back(at, name);
        }
        at = end;
    }
    return tags;
}

// Where each name the drawing knows stands in it.
QHash<QString, qreal> anchorTops(const QTextDocument &document)
{
    QHash<QString, qreal> tops;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor() || format.anchorNames().isEmpty())
                continue;
            const QTextLine line = block.layout()->lineForTextPosition(
                it.fragment().position() - block.position());
            const qreal top = layout->blockBoundingRect(block).top()
                              + (line.isValid() ? line.y() : 0);
            for (const QString &name : format.anchorNames())
                tops.insert(name, top);
        }
    }
    return tops;
}
} // namespace

QByteArray readPageFile(const QString &path)
{
    // A link here to somewhere else would lead the read out of the folder.
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

PageFolder::PageFolder(const QString &pageFile)
{
    if (!pageFile.isEmpty())
        m_folder = QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(pageFile).absolutePath()));
}

std::optional<QString> PageFolder::resolve(const QString &name) const
{
    if (m_folder.isEmpty())
        return {};
    // A browser asks for the file without its query or fragment, and takes '\' for '/'.
    QString path = QUrl::fromPercentEncoding(name.trimmed().toUtf8());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype cut = path.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    if (cut >= 0)
        path.truncate(cut);

    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch match = scheme.match(path);
    if (match.hasMatch()) {
        // Files only: no web address, no mail, no resource of the program's own.
        if (match.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
            return {};
        path = path.mid(5);
        if (path.startsWith(QLatin1String("///")))
            path = path.mid(isDrive(path.mid(3)) ? 3 : 2);
        else if (path.startsWith(QLatin1String("//")))
            return {}; // a file on another computer
    }
    // Another computer's share, or a device of Windows' own (\\?\, \\.\).
    if (path.isEmpty() || path.startsWith(QLatin1String("//")))
        return {};
    const bool absolute = path.startsWith(QLatin1Char('/')) || isDrive(path);
    if (!absolute && path.size() >= 2 && path[1] == QLatin1Char(':'))
        return {}; // "C:name", relative to a drive's own current folder
    const QString file = QDir::cleanPath(absolute ? path : m_folder + QLatin1Char('/') + path);
    const QString inside = m_folder.endsWith(QLatin1Char('/')) ? m_folder
                                                               : m_folder + QLatin1Char('/');
    if (!file.startsWith(inside, pathCase) || file.contains(QLatin1String("/../"))
        || file.startsWith(QLatin1String("//")))
        return {};
    return file;
}

PageDocument::PageDocument(const PageFolder &folder, PageFileReader reader)
    : m_folder(folder)
    , m_reader(std::move(reader))
{
}

void PageDocument::takeImages()
{
    struct Image
    {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Image> images;
    for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                images.push_back({fragment.position(), fragment.length(),
                                  fragment.charFormat().toImageFormat()});
        }
    }
    QHash<QString, QString> ownNames;
    for (Image &image : images) {
        QString &own = ownNames[image.format.name()];
        if (own.isEmpty()) {
            // A name of the resource system, which the engine looks up in memory alone.
            own = QStringLiteral(":/page/%1").arg(ownNames.size());
            addResource(ImageResource, QUrl(QStringLiteral("qrc") + own),
                        picture(image.format.name()));
        }
        image.format.setName(own);
        QTextCursor cursor(this);
        cursor.setPosition(image.position);
        cursor.setPosition(image.position + image.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(image.format);
    }
}

QVariant PageDocument::loadResource(int type, const QUrl &name)
{
    if (type == ImageResource)
        return picture(name.toString());
    const std::optional<QString> file = m_folder.resolve(name.toString());
    return file ? m_reader(*file) : QByteArray();
}

QImage PageDocument::picture(const QString &name)
{
    QImage &image = m_pictures[name];
    if (image.isNull()) {
        const std::optional<QString> file = m_folder.resolve(name);
        if (file)
            image = QImage::fromData(m_reader(*file));
        if (image.isNull())
            image = missingPicture();
    }
    return image;
}

PageDrawing drawPage(const QByteArray &text, const QString &pageFile, int width,
                     const PageFileReader &reader)
{
    PageDrawing drawing;
    drawing.length = text.size();
    drawing.frames = text.toLower().contains("<frameset");
    drawing.document = std::make_unique<PageDocument>(PageFolder(pageFile), reader);
    PageDocument &document = *drawing.document;
    document.setUndoRedoEnabled(false);
    document.setHtml(QString::fromUtf8(text.constData(), text.size())); // NUL bytes too
    document.takeImages();
    document.setTextWidth(width);
    document.size(); // laid out whole here, away from the window's thread
    const QHash<QString, qreal> tops = anchorTops(document);
    for (const auto &[source, name] : namedTags(text)) {
        const auto top = tops.constFind(name);
        if (top != tops.constEnd())
            drawing.anchors.push_back({source, *top});
    }
    return drawing;
}
