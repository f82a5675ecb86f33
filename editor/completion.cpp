#include "completion.h"

#include "editor.h"
#include "tagreader.h"
#include "vocabulary.h"

#include <cstring>

namespace {
// How far back the context is read: typing stays as fast in a large page as in a small one.
constexpr long contextReach = 1L << 16;
// A word longer than this is not completed any more.
constexpr long wordReach = 256;

const Attribute *attributeOf(const HtmlContext &context, const QString &name)
{
    const Element *element = Vocabulary::element(context.element.constData(),
                                                 context.element.size());
    return element ? element->attribute(name) : nullptr;
}

// What the vocabulary offers for the word being typed, in the order to show.
QStringList offered(const HtmlContext &context)
{
    const QString typed = QString::fromUtf8(context.typed);
    QStringList items;
    const auto add = [&](const QString &item, Qt::CaseSensitivity cs = Qt::CaseInsensitive) {
        if (item.startsWith(typed, cs))
            items << item;
    };
    switch (context.kind) {
    case HtmlContext::TagName:
        for (const Element &element : Vocabulary::elements())
            add(inTypedCase(element.name, context.typed));
        break;
    case HtmlContext::AttributeName:
        if (const Element *element = Vocabulary::element(context.element.constData(),
                                                         context.element.size())) {
            for (const Attribute &attribute : element->attributes)
                add(inTypedCase(attribute.name, context.typed));
        }
        break;
    case HtmlContext::Value:
        if (const Attribute *attribute = attributeOf(context,
                                                     QString::fromUtf8(context.attribute))) {
            for (const QString &value : attribute->values)
                add(value);
        }
        break;
    case HtmlContext::Entity:
        for (const Entity &entity : Vocabulary::entities())
            add(entity.name, Qt::CaseSensitive);
        break;
    case HtmlContext::Directive:
        for (const Element &directive : Vocabulary::directives())
            add(directive.name);
        break;
    default:
        break;
    }
    // Values keep the order the dialogs give them; names go by the alphabet.
    if (context.kind == HtmlContext::AttributeName || context.kind == HtmlContext::Directive)
        items.sort(Qt::CaseInsensitive);
    return items;
}
} // namespace

Completion::Completion(Editor &editor)
    : QObject(&editor)
    , m_editor(editor)
{
    connect(&m_editor, &Editor::characterTyped, this, &Completion::characterAdded);
    connect(&m_editor, &Editor::wordListCharacterDeleted, this, &Completion::narrow);
    connect(&m_editor, &Editor::wordListChosen, this, &Completion::accept);
}

void Completion::setEnabled(bool enabled)
{
    m_enabled = enabled;
    m_typeOver.clear();
    if (!enabled)
        close();
}

bool Completion::typesOver(const QString &typed)
{
    // Keys that type nothing, such as Shift, leave it waiting.
    if (m_typeOver.isEmpty() || typed.isEmpty())
        return false;
    const bool over = typed.size() == 1 && caret() == m_typeOverAt
                      && typed.at(0).toUpper() == QChar(m_typeOver.at(0)).toUpper();
    if (!over) {
        m_typeOver.clear();
        return false;
    }
    m_typeOver.remove(0, 1);
    return true;
}

void Completion::characterAdded(int character)
{
    if (!m_enabled)
        return;
    if (listOpen()) {
        narrow();
        return;
    }
    const long position = caret();
    const char previous = at(position - 2);
    if (character == '/') {
        if (previous == '<')
            writeEndTag();
        return;
    }
    // A list opens for the first letter of a word, which follows one of these; the
    // context, which costs more, is read only then.
    if (character > 127 || !isLetter(char(character)) || previous == 0
        || !std::strchr("<&#=\"' \t\n\r", previous))
        return;
    const HtmlContext context = contextBefore(before(position));
    if (context.typed.size() == 1)
        offer(context, position - 1);
}

void Completion::offer(const HtmlContext &context, long wordStart)
{
    const QStringList items = offered(context);
    if (items.isEmpty()) {
        close();
        return;
    }
    m_listed = context;
    m_wordStart = wordStart;
    // Scintilla makes a new list window each time; with the same items, it only moves the
    // selection to what is typed.
    if (listOpen() && items == m_items)
        return;
    m_items = items;
    m_editor.showWordList(caret() - wordStart, items);
}

void Completion::narrow()
{
    const long position = caret();
    if (!listOpen() || position < m_wordStart || position - m_wordStart > wordReach) {
        close();
        return;
    }
    HtmlContext context = m_listed;
    context.typed = m_editor.heldRange(m_wordStart, position);
    // A name needs its first letter, as when the list first opened; values open at once.
    if (context.typed.isEmpty() && context.kind != HtmlContext::Value) {
        close();
        return;
    }
    offer(context, m_wordStart);
}

void Completion::accept(const QString &chosen, long wordStart)
{
    // Written here rather than by Scintilla: in the case typed, with what follows the word.
    close();
    const long end = caret();
    switch (m_listed.kind) {
    case HtmlContext::AttributeName: {
        const Attribute *attribute = attributeOf(m_listed, chosen);
        if (!attribute)
            return;
        const Attribute written{chosen, attribute->form, {}};
        const bool quoted = attribute->form == Value::Quoted;
        replace(wordStart, end, written.written({}).toUtf8(), quoted ? 1 : 0);
        if (attribute->values.isEmpty())
            return;
        // Scintilla closes whatever list is open when this notification returns: the values
        // come after it.
        const HtmlContext values(HtmlContext::Value, m_listed.element, chosen.toUtf8(), {},
                                 quoted ? '"' : '\0');
        const long valueStart = caret();
        QMetaObject::invokeMethod(
            this,
            [this, values, valueStart] {
                if (m_enabled && caret() == valueStart)
                    offer(values, valueStart);
            },
            Qt::QueuedConnection);
        return;
    }
    case HtmlContext::Value: {
        QByteArray text = chosen.toUtf8();
        long to = end;
        if (m_listed.quote) {
            text += m_listed.quote;
            if (at(to) == m_listed.quote)
                ++to;
        }
        replace(wordStart, to, text);
        return;
    }
    case HtmlContext::Entity:
        replace(wordStart, end, chosen.toUtf8() + ';');
        return;
    case HtmlContext::Directive:
        replace(wordStart, end, chosen.toUtf8() + ' ');
        return;
    default:
        replace(wordStart, end, chosen.toUtf8());
        return;
    }
}

void Completion::writeEndTag()
{
    const long position = caret();
    const QByteArray name = openElementBefore(before(position - 2));
    if (name.isEmpty())
        return;
    replace(position, position, name + '>');
    m_typeOver = name + '>';
    m_typeOverAt = caret();
}

void Completion::replace(long from, long to, const QByteArray &text, long caretBack)
{
    m_editor.replaceRange(from, to, text, from + long(text.size()) - caretBack);
}

bool Completion::listOpen() const
{
    // Scintilla also closes the list itself: on Escape, a click, a move of the caret.
    return m_wordStart >= 0 && m_editor.wordListShown();
}

void Completion::close()
{
    m_editor.closeWordList();
    m_wordStart = -1;
}

QByteArray Completion::before(long position) const
{
    return m_editor.heldRange(position - contextReach, position);
}

char Completion::at(long position) const
{
    return m_editor.heldByte(position);
}

long Completion::caret() const
{
    return m_editor.caretOffset();
}
