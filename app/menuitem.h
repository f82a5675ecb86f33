#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class Form1;

using Handler = std::function<void(Form1 &)>;
// The handler of an item with a check mark: told whether the mark is now set.
using Toggle = std::function<void(Form1 &, bool)>;

// One entry of a menu: a command, a separator, or a submenu with its own entries.
struct MenuItem
{
    QString name;
    QString caption; // empty for a separator
    QList<QKeySequence> shortcuts; // the first is the one the menu shows
    Handler handler; // none: the item is present and does nothing
    std::vector<MenuItem> items;
    Toggle toggle;     // set: the item shows a check mark, which a choice turns over
    bool checked = false; // the mark at start, which the toggle is told of at once

    bool isSeparator() const { return caption.isEmpty(); }
    bool isSubmenu() const { return !items.empty(); }
};

inline MenuItem command(const QString &name, const QString &caption, Handler handler,
                        QList<QKeySequence> shortcuts)
{
    return {name, caption, std::move(shortcuts), std::move(handler), {}, {}, false};
}

inline MenuItem command(const QString &name, const QString &caption, Handler handler = {},
                        const QKeySequence &shortcut = {})
{
    return command(name, caption, std::move(handler),
                   shortcut.isEmpty() ? QList<QKeySequence>() : QList<QKeySequence>{shortcut});
}

inline MenuItem checkable(const QString &name, const QString &caption, Toggle toggle,
                          bool checked)
{
    return {name, caption, {}, {}, {}, std::move(toggle), checked};
}

inline MenuItem separator(const QString &name)
{
    return {name, {}, {}, {}, {}, {}, false};
}

inline MenuItem submenu(const QString &name, const QString &caption, std::vector<MenuItem> items)
{
    return {name, caption, {}, {}, std::move(items), {}, false};
}
