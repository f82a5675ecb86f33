#include "previewcommands.h"

#include "filecommands.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "app/installfolder.h"
#include "app/outsideworld.h"
#include "editor/editor.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// The preview file holds the editor's bytes as they were at the last browser preview.
bool writePreviewFile(Form1 &form, const QString &path)
{
    const QDir folder = QFileInfo(path).dir();
    QSaveFile file(path);
    if (folder.mkpath(QStringLiteral(".")) && file.open(QIODevice::WriteOnly)
        && form.editor().writeTo(file, form.document().fileName) && file.commit())
        return true;
    const QString reason = folder.exists()
                               ? file.errorString()
                               : QStringLiteral("The folder %1 cannot be made.")
                                     .arg(QDir::toNativeSeparators(folder.path()));
    form.dialogs().message(QStringLiteral("Quillet could not write the preview file %1.\r%2")
                               .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

// The system hands any other document, a script above all, to a program of its own, which
// may run it.
bool browserShows(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix();
    for (const char *page : {"htm", "html", "shtml"}) {
        if (suffix.compare(QLatin1String(page), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
} // namespace

void previewInBrowser(Form1 &form)
{
    // Without a successful save there is no current file to show; a failed write has
    // been reported already.
    const QString preview = previewFile(form.world().userDataFolder());
    if (!form.fileCommands().save() || !writePreviewFile(form, preview))
        return;
    const QString document = form.document().fileName;
    const QString file = browserShows(document) ? document : preview;
    const QString error = form.world().openInBrowser(file);
    if (!error.isEmpty())
        form.dialogs().message(QStringLiteral("Quillet could not open %1 in the web browser.\r%2")
                                   .arg(QDir::toNativeSeparators(file), error));
}

void previewInViewer(Form1 &form)
{
    // The window comes up even after a cancelled save; its "&Ok" asks for a saved file.
    form.fileCommands().save();
    form.showWindow(QStringLiteral("preview1"));
}
