#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Reads a file the page names, once the path has passed PageFolder's check.
using PageFileReader = std::function<QByteArray(const QString &path)>;
QByteArray readPageFile(const QString &path);

// The files a page may show: its own folder's and the folders' under it. On Windows merely
// reading a path on another computer (\\server\share, //server/...) hands that computer the
// user's credentials, so a name is judged by its text alone, before anything is read.
class PageFolder
{
public:
    // An untitled page (no file) has no folder and may show nothing.
    explicit PageFolder(const QString &pageFile);

    // The file a name of the page stands for, or nothing when it lies outside the folder,
    // on the network or on another computer.
    std::optional<QString> resolve(const QString &name) const;

private:
    QString m_folder; // cleaned, with '/' separators; empty for an untitled page
};

// A page as Qt's rich-text engine draws it, built away from the window's thread: every
// file it names is read through the folder's check and the reader, never by the engine.
class PageDocument : public QTextDocument
{
public:
    PageDocument(const PageFolder &folder, PageFileReader reader);

    // Puts the images' pictures into the document under names of its own, so that the
    // engine, when it paints, has no path of the page to look at.
    void takeImages();

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QImage picture(const QString &name);

    PageFolder m_folder;
    PageFileReader m_reader;
    QHash<QString, QImage> m_pictures; // by the page's names
};

// Where a name of the page (A NAME, or an ID) stands in its source and in the drawing.
struct PageAnchor
{
    qsizetype source; // byte offset of its tag in the text
    qreal top;        // in the drawing
};

// What the worker hands to the window's thread.
struct PageDrawing
{
    std::unique_ptr<PageDocument> document;
    std::vector<PageAnchor> anchors; // in source order
    qsizetype length = 0;            // of the text drawn, in bytes
    bool frames = false;             // a FRAMESET, which the engine does not draw
};

// The page's text (UTF-8, as the editor holds it) drawn at this width, laid out whole.
PageDrawing drawPage(const QByteArray &text, const QString &pageFile, int width,
                     const PageFileReader &reader);
