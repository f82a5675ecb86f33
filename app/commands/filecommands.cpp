#include "filecommands.h"

#include "app/commands/workprogress.h"
#include "app/commondialogs.h"
#include "app/form1.h"
#include "app/outsideworld.h"
#include "document/filereader.h"
#include "document/recovery.h"
#include "editor/documentloader.h"
#include "editor/editor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

const QString FileCommands::openFilter = QStringLiteral(
    "HTML files (*.htm)|*.htm|HTML files (*.html)|*.html|SSI HTML Document(*.shtml)|*.shtml|"
    "Templates(*.tlp)|*tlp|Javascripts (*.js)|*.js|Any file... *.*|*.*");
const QString FileCommands::saveFilter = QStringLiteral(
    "HTML files (*.htm)|*.htm|HTML files (*.html)|*.html|SSI+ HTML Files (*.shtml)|*.shtml|"
    "Template (*.tlp)|*.tlp|Javascripts (*.js)|*.js|Any file... *.*|*.*");

namespace {
const QString defaultSuffix = QStringLiteral("htm");
const QString openQuestion = QStringLiteral("Document has changed. Do you wish to save it?");

// The old file dialog refused files the user could not save back; a file dropped or named
// on the command line is refused alike. What is no file at all is the reader's to report.
bool isReadOnly(const QString &path)
{
    const QFileInfo file(path);
    return file.isFile()
           && (!file.isWritable() || !(file.permissions() & QFileDevice::WriteOwner)
               || !QFileInfo(file.absolutePath()).isWritable());
}
// A name of nothing but blanks, as typed or with the dialog's default suffix added.
bool isBlankName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1Char('.') + defaultSuffix))
        name.chop(defaultSuffix.size() + 1);
    return name.trimmed().isEmpty();
}

} // namespace

FileCommands::FileCommands(Form1 &form)
    : m_form(form)
{
}

void FileCommands::newDocument()
{
    if (!askToSave(QStringLiteral("Document has changed, do you wish to save it?")))
        return;
    m_form.editor().setBytes({});
    m_form.setDocumentFile(untitledName, true);
}

void FileCommands::open()
{
    if (!askToSave(openQuestion))
        return;
    const FileRequest request{QStringLiteral("Open HTML document"), openFilter, defaultSuffix, {}};
    for (;;) {
        const std::optional<QString> path = m_form.dialogs().openFile(request);
        if (!path || path->isEmpty())
            return;
        if (!refusesReadOnly(*path)) {
            load(*path);
            return;
        }
    }
}

void FileCommands::open(const QString &path)
{
    if (!refusesReadOnly(path) && askToSave(openQuestion))
        load(path);
}

bool FileCommands::save()
{
    if (m_form.document().untitled)
        return saveAs();
    return write(m_form.document().fileName);
}

bool FileCommands::saveAs()
{
    const FileRequest request{QStringLiteral("Save HTML document As..."), saveFilter,
                              defaultSuffix, m_form.document().fileName};
    const std::optional<QString> path = m_form.dialogs().saveFileAs(request);
    if (!path || isBlankName(*path))
        return false;
    if (!write(*path))
        return false;
    m_form.setDocumentFile(*path, false);
    return true;
}

void FileCommands::print()
{
    const QString error = m_form.world().print(m_form.editor().text());
    if (!error.isEmpty())
        m_form.dialogs().message(QStringLiteral("The document was not printed.\r%1").arg(error));
}

void FileCommands::exit()
{
    if (mayClose())
        m_form.endProgram();
}

bool FileCommands::askToSave(const QString &question)
{
    if (!m_form.document().changed)
        return true;
    switch (m_form.dialogs().askYesNoCancel(question)) {
    case CommonDialogs::Answer::Yes:
        return save();
    case CommonDialogs::Answer::No:
        return true;
    case CommonDialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool FileCommands::mayClose()
{
    return askToSave(QStringLiteral("File has changed. Do you wish to save it before closing?"));
}

bool FileCommands::load(const QString &path)
{
    const FileStamp stamp = FileStamp::of(path);
    // The new document takes its memory away from the screen, before the editor takes it
    // over: when there is not enough, it goes again and the shown one stays as it was.
    try {
        DocumentLoader loader;
        FileReader reader;
        WorkProgress progress(
            QStringLiteral("Opening %1...").arg(QDir::toNativeSeparators(path)), &m_form,
            m_form.progressDelay());
        switch (reader.read(path, loader, [&](qint64 read, qint64 size) {
            return progress.update(read, size);
        })) {
        case FileReader::Outcome::Failed:
            m_form.dialogs().message(reader.failure());
            return false;
        case FileReader::Outcome::Cancelled:
            return false;
        case FileReader::Outcome::Read:
            break;
        }
        m_form.editor().adopt(loader);
    } catch (const std::bad_alloc &) {
        m_form.dialogs().message(FileReader::tooLargeForMemory(path));
        return false;
    }
    m_form.setDocumentFile(path, false);
    m_form.setFileStamp(stamp);
    return true;
}

bool FileCommands::restore(const RecoveryRecord &record)
{
    const QString owner = record.untitled ? QStringLiteral("a new document")
                                          : QDir::toNativeSeparators(record.fileName);
    const QString question = QStringLiteral("Quillet was not ended properly. Restore the text "
                                            "that was not saved?\rIt belonged to %1.")
                                 .arg(owner);
    if (m_form.dialogs().askYesNo(question, CommonDialogs::Answer::Yes)
        != CommonDialogs::Answer::Yes)
        return false;
    Editor &editor = m_form.editor();
    editor.setContents(record.contents, Encoding(record.encoding));
    editor.markUnsaved();
    m_form.setDocumentFile(record.fileName, record.untitled);
    m_form.setFileStamp(record.stamp);
    m_form.markChanged();
    return true;
}

bool FileCommands::refusesReadOnly(const QString &path)
{
    if (!isReadOnly(path))
        return false;
    m_form.dialogs().message(
        QStringLiteral("%1\rThis file is read-only and cannot be saved back.\r"
                       "Choose another file.")
            .arg(path));
    return true;
}

bool FileCommands::write(const QString &path)
{
    if (!mayOverwrite(path))
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && m_form.editor().writeTo(file, path) && file.commit()) {
        m_form.setFileStamp(FileStamp::of(path));
        m_form.editor().setSavePoint();
        return true;
    }
    m_form.dialogs().message(QStringLiteral("Quillet could not save %1.\r%2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

bool FileCommands::mayOverwrite(const QString &path)
{
    const Document &document = m_form.document();
    if (document.untitled || path != document.fileName || !document.stamp.isChangedOnDisk(path))
        return true;
    const QString question = QStringLiteral("%1 has been changed by another program since Quillet "
                                            "read it. Overwrite it with this document?")
                                 .arg(QDir::toNativeSeparators(path));
    return m_form.dialogs().askYesNo(question, CommonDialogs::Answer::No)
           == CommonDialogs::Answer::Yes;
}
