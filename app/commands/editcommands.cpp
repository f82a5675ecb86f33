#include "editcommands.h"

#include "app/editor.h"
#include "app/form1.h"

#include <QClipboard>
#include <QGuiApplication>

EditCommands::EditCommands(Form1 &form)
    : m_form(form)
{
}

void EditCommands::cut()
{
    if (m_form.editor().selectionLength() == 0)
        return;
    copy();
    m_form.editor().deleteForward();
}

void EditCommands::copy()
{
    const QString selected = m_form.editor().selectedText();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
}

void EditCommands::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        m_form.insertAtCaret(text);
}

void EditCommands::deleteSelection()
{
    m_form.editor().deleteForward();
}

void EditCommands::selectAll()
{
    m_form.editor().selectAll();
}

void EditCommands::chooseFont()
{
    selectAll();
    // A cancelled dialog keeps the font as it is, and the whole text stays selected.
    const std::optional<FontChoice> chosen = m_form.dialogs().chooseFont(m_font);
    if (!chosen || chosen->name.isEmpty())
        return;
    m_font = *chosen;
    QFont font(m_font.name);
    font.setPointSizeF(m_font.pointSize);
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setStrikeOut(m_font.strikeOut);
    font.setUnderline(m_font.underline);
    m_form.editor().setDisplayFont(font);
}
