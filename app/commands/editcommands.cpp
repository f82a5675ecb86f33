#include "editcommands.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "editor/editor.h"

#include <QClipboard>
#include <QGuiApplication>

void cutSelection(Form1 &form)
{
    if (form.editor().selectionLength() == 0)
        return;
    copySelection(form);
    form.editor().deleteForward();
}

void copySelection(Form1 &form)
{
    const QString selected = form.editor().selectedText();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
}

void pasteClipboard(Form1 &form)
{
    // The user's own text: its line breaks stay as they are.
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        form.editor().putSelectedText(text);
}

void deleteSelection(Form1 &form)
{
    form.editor().deleteForward();
}

void selectAll(Form1 &form)
{
    form.editor().selectAll();
}

void goToLine(Form1 &form)
{
    Editor &editor = form.editor();
    const int last = editor.lineCount();
    const std::optional<int> line = form.dialogs().askNumber(
        {QStringLiteral("Go to Line"), QStringLiteral("Line number (1 - %1):").arg(last),
         editor.caretPosition().line, 1, last});
    if (line)
        editor.setCaret({*line, 1});
}

void chooseEditorFont(Form1 &form)
{
    selectAll(form);
    // The dialog starts from the font the text is shown in: the start font, or the last
    // choice. A cancelled dialog keeps that font, with the whole text still selected.
    const FontChoice start = FontChoice::of(form.editor().displayFont());
    const std::optional<FontChoice> chosen = form.dialogs().chooseFont(start);
    if (chosen && !chosen->name.isEmpty())
        form.editor().setDisplayFont(chosen->font());
}
