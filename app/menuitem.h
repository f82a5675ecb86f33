#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class Form1;

using Handler = std::function<void(Form1 &)>;

// One entry of a menu: a command, a separator, or a submenu with its own entries.
struct MenuItem
{
    QString name;
    QString caption; // empty for a separator
    QKeySequence shortcut;
    Handler handler; // none: the item is present and does nothing
    std::vector<MenuItem> items;

    bool isSeparator() const { return caption.isEmpty(); }
    bool isSubmenu() const { return !items.empty(); }
};

inline MenuItem command(const QString &name, const QString &caption, Handler handler = {},
                        const QKeySequence &shortcut = {})
{
    return {name, caption, shortcut, std::move(handler), {}};
}

inline MenuItem separator(const QString &name)
{
    return {name, {}, {}, {}, {}};
}

inline MenuItem submenu(const QString &name, const QString &caption, std::vector<MenuItem> items)
{
    return {name, caption, {}, {}, std::move(items)};
}
