#include "support/dialogrows.h"
#include "support/program.h"

#include "editor/vocabulary.h"
#include "insert/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

// The dialogs, the snippets and completion know one vocabulary: whatever the program
// writes, completion offers.
namespace {
// A tag, directive or declaration as written (comments are skipped), with its attributes
// as they stand:
// "NAME=\"v\"", "NAME=#v", "NAME=v" or "NAME".
struct Written
{
    enum Kind { Tag, Directive, Declaration } kind;
    QString name;
    QStringList attributes;
};

QList<Written> written(const QString &text)
{
    QList<Written> found;
    for (int i = text.indexOf('<'); i >= 0; i = text.indexOf('<', i)) {
        const bool directive = text.mid(i, 5) == "<!--#";
        if (text.mid(i, 4) == "<!--" && !directive) {
            i = text.indexOf("-->", i);
            continue;
        }
        if (text.mid(i, 2) == "<!" && !directive) {
            const int end = text.indexOf('>', i) + 1;
            found.append({Written::Declaration, text.mid(i, end - i), {}});
            i = end;
            continue;
        }
        Written item{directive ? Written::Directive : Written::Tag, {}, {}};
        int at = i + (directive ? 5 : text.mid(i, 2) == "</" ? 2 : 1);
        while (at < text.size() && (text[at].isLetterOrNumber() || text[at] == '-'))
            item.name += text[at++];
        const int end = directive ? text.indexOf("-->", at) : text.indexOf('>', at);
        bool quoted = false;
        QString attribute;
        for (; at <= end; ++at) {
            if (at == end || (!quoted && text[at].isSpace())) {
                if (!attribute.isEmpty())
                    item.attributes << attribute;
                attribute.clear();
                continue;
            }
            quoted ^= text[at] == '"';
            attribute += text[at];
        }
        found.append(item);
        i = end;
    }
    return found;
}

const Element *known(const Written &item)
{
    return item.kind == Written::Directive ? Vocabulary::directive(item.name)
                                           : Vocabulary::element(item.name);
}

// What in the written text the vocabulary lacks or writes otherwise: a name it does not
// have, a value typed into a field ("x") in another form than the attribute's, or one of
// the values the dialog lists that is not one of the attribute's known values.
QStringList unknown(const QString &text, const QStringList &listedValues)
{
    QStringList problems;
    for (const Written &item : written(text)) {
        const Element *element = known(item);
        if (item.kind == Written::Declaration) {
            if (!Vocabulary::documentTypes().contains(item.name))
                problems << item.name;
            continue;
        }
        if (!element) {
            problems << item.name;
            continue;
        }
        for (const QString &fragment : item.attributes) {
            const Attribute *attribute = element->attribute(fragment.section('=', 0, 0));
            const QString value = fragment.section('=', 1);
            const QString unquoted = value.startsWith('"') ? value.mid(1).chopped(1) : value;
            // A flag, or the "x" typed into a field: the attribute's own form.
            const bool typedIn = value.isEmpty() || unquoted == "x" || value == "#x";
            const bool wrong
                = !attribute
                  || (typedIn && attribute->written(value.isEmpty() ? "" : "x") != fragment)
                  || (listedValues.contains(unquoted) && !attribute->values.contains(unquoted));
            if (wrong)
                problems << element->name + " " + fragment;
        }
    }
    return problems;
}
} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void dialogsWriteTheVocabulary_data();
    void dialogsWriteTheVocabulary();
    void snippetsWriteTheVocabulary();
};

void TestVocabulary::dialogsWriteTheVocabulary_data()
{
    QTest::addColumn<QString>("window");
    for (const auto &group : {documentWindows, textWindows, listWindows, linkWindows,
                              frameWindows, wizardWindows, tableWindows, formWindows,
                              ssiWindows}) {
        for (const WindowEntry &entry : group())
            QTest::newRow(qPrintable(entry.name)) << entry.name;
    }
}

// Every check box the other way than at first, every text field "x", every combo box at
// each item of its list in turn and each option button chosen in turn.
void TestVocabulary::dialogsWriteTheVocabulary()
{
    QFETCH(QString, window);

    Program program;
    QWidget *dialog = program.form.showWindow(window);
    const auto combos = dialog->findChildren<QComboBox *>();
    const auto options = dialog->findChildren<QRadioButton *>();
    QStringList listedValues;
    int uses = std::max(1, int(options.size()));
    for (QComboBox *combo : combos) {
        for (int i = 0; i < combo->count(); ++i)
            listedValues << combo->itemText(i);
        uses = std::max(uses, combo->count());
    }
    QMap<QCheckBox *, bool> startsChecked;
    for (QCheckBox *check : dialog->findChildren<QCheckBox *>())
        startsChecked[check] = check->isChecked();
    for (int use = 0; use < uses; ++use) {
        QStringList steps;
        if (!options.isEmpty())
            steps << "click:" + options.at(use % options.size())->objectName();
        for (QCheckBox *check : startsChecked.keys()) {
            if (check->isChecked() == startsChecked[check])
                steps << "click:" + check->objectName();
        }
        for (QComboBox *combo : combos)
            steps << QString("%1#%2").arg(combo->objectName()).arg(
                std::min(use, combo->count() - 1));
        for (QLineEdit *field : dialog->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(field->parent()))
                steps << field->objectName() + "=x";
        }
        QByteArrayList inserted;
        const QString error = runSteps(program, window, steps + QStringList{"ok"}, &inserted);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString text = QString::fromUtf8(inserted.join());
        const QStringList problems = unknown(text, listedValues);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        program.form.showWindow(window);
    }
}

// Every snippet of the Insert menu and the tab strip: the names of what it writes.
void TestVocabulary::snippetsWriteTheVocabulary()
{
    Program program;
    const std::function<void(QMenu *)> triggerAll = [&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            if (action->menu())
                triggerAll(action->menu());
            else
                action->trigger();
        }
    };
    triggerAll(program.find<QMenu>("mnucommands"));
    program.click("Command3");
    program.click("Command7");
    // "HREF <HREF="">" writes an attribute as if it were a tag.
    const QString text = QString::fromUtf8(program.bytes()).remove("<HREF=\"\">");
    QVERIFY(text.contains("<MATH>") && text.contains("<!--#goto"));
    QStringList missing;
    for (const Written &item : written(text)) {
        if (!known(item))
            missing << item.name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

QTEST_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
