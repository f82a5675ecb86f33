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
    static Editor *editor = new Editor;
    Q_UNUSED(application);
    return *editor;
}

QsciScintilla &fuzzArea()
{
    return *static_cast<QsciScintilla *>(fuzzEditor().textArea());
}
