#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// Carriage returns separate the lines of the program's messages; widgets want '\n'.
inline QString shownLines(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The font values the Font command keeps between uses.
struct FontChoice
{
    QString name;
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;

    static FontChoice of(const QFont &font)
    {
        return {font.family(), font.pointSizeF(), font.bold(), font.italic(), font.strikeOut(),
                font.underline()};
    }

    QFont font() const
    {
        QFont font(name);
        font.setPointSizeF(pointSize);
        font.setBold(bold);
        font.setItalic(italic);
        font.setStrikeOut(strikeOut);
        font.setUnderline(underline);
        return font;
    }

    bool operator==(const FontChoice &other) const
    {
        return name == other.name && pointSize == other.pointSize && bold == other.bold
               && italic == other.italic && strikeOut == other.strikeOut
               && underline == other.underline;
    }
};

// What the Open and Save As dialogs are shown with.
struct FileRequest
{
    QString title;
    QString filter;        // "description|pattern|description|pattern..."
    QString defaultSuffix; // added to a name typed without an extension
    QString fileName;      // preset in the name field
};

// A whole number asked for in a small question window.
struct NumberRequest
{
    QString title;
    QString label;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
};

// The common dialogs of the main window (Dlog1): file, font and colour choice, help
// topics and message boxes. An empty optional is the user's cancel.
class CommonDialogs
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~CommonDialogs() = default;

    virtual std::optional<QString> openFile(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFileAs(const FileRequest &request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &start) = 0;
    virtual std::optional<QColor> chooseColor() = 0;
    virtual void showHelp(int context) = 0;
    virtual std::optional<int> askNumber(const NumberRequest &request) = 0;

    // Message boxes carry the program's name as their caption; a carriage return in
    // the text starts a new line.
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // Yes or No; Escape and the close button answer No.
    virtual Answer askYesNo(const QString &text, Answer defaultAnswer) = 0;
    virtual void message(const QString &text) = 0;
};
