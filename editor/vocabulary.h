#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The HTML the program knows, as data: the elements its snippets, dialogs and wizard write
// and the rest of HTML 3.2 and HTML 4.01 Transitional, their attributes written as the
// dialogs write them, the named entities and the server-side include directives. The
// dialogs take their attributes and lists from here, and completion offers the same.

// How an attribute's value is written after "NAME=": between double quotes, as typed, or
// as a colour ("#" and the digits); a flag is the name alone.
enum class Value { Quoted, Bare, Colour, Flag };

struct Attribute
{
    QString name; // spelt as the program writes it
    Value form = Value::Bare;
    QStringList values; // the known ones, in the order the dialogs list them

    // "NAME=" and the value in the attribute's form; the name alone for a flag.
    QString written(const QString &value) const;
};

// An element, or a server-side include directive with its attributes.
struct Element
{
    QString name;
    std::vector<Attribute> attributes;
    bool empty = false;   // has no end tag (BR, IMG)
    bool rawText = false; // holds text, never tags, up to its end tag (SCRIPT)
    // Start tags that end it when it is the innermost open element, as a new <LI> ends
    // the item before.
    QStringList endedBy;
    bool folds = false; // folds in the editor when its start and end tags are on two lines

    // Case-insensitive; null for one it does not have.
    const Attribute *attribute(const QString &name) const;
};

struct Entity
{
    QString name; // without "&" and ";"
    char16_t character;
};

namespace Vocabulary {
const std::vector<Element> &elements(); // sorted by name
const std::vector<Element> &directives(); // lower case, as the program writes them
const std::vector<Entity> &entities();
// The document type declarations the document type dialog and the wizard offer.
const QStringList &documentTypes();

// Case-insensitive look-ups; null for a name the vocabulary does not have.
const Element *element(const QString &name);
// The same for a name in the text's bytes, quick enough for every tag of a page.
const Element *element(const char *name, qsizetype length);
const Element *directive(const QString &name);
const Entity *entity(const QString &name); // case counts: "eacute" is not "Eacute"
} // namespace Vocabulary
