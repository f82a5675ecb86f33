#include "fuzzeditor.h"

#include "editor/editor.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>

Editor &fuzzEditor()
{
    static char name[] = "quillet-fuzz";
    static char *arguments[] = {name, nullptr};
    static int count = 1;
    static const QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
        return new QApplication(count, arguments);
    }();
    // Shown, so that Scintilla wraps and lays out the lines it shows and those about the
    // caret, as it does for the user.
    static Editor *editor = [] {
        auto shown = new Editor;
        shown->resize(320, 240);
        shown->show();
        return shown;
    }();
    Q_UNUSED(application);
    return *editor;
}

QsciScintilla &fuzzArea()
{
    return *static_cast<QsciScintilla *>(fuzzEditor().textArea());
}
