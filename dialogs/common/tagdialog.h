#pragma once

#include "attributes.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

class Form1;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// What a tag dialog's window looks like: its name, caption, group frame and buttons.
struct DialogSetup
{
    QString name;
    QString caption;
    QString frameCaption; // empty: the fields stand directly in the window
    QSize clientTwips;    // the first size; grows to fit the fields when they need more
    QString frameName = QStringLiteral("Frame3");
    QString okName = QStringLiteral("Command2");
    QString cancelName = QStringLiteral("Command1");
    bool resizable = false;
};

// A label's object name and caption.
struct Label
{
    QString name;
    QString caption;
};

// The shared part of every tag dialog: a modeless tool window with a group frame of
// fields, "&Ok" and "C&ancel". OK builds the text, inserts it once at the main
// window's caret, hides the dialog and resets what the dialog resets; Cancel only
// hides it. Enter and Escape have no special meaning. A dialog is its fields, its
// build() and its reset(); the attributes it writes and the lists of its combo boxes
// are those the vocabulary gives the element it writes.
class TagDialog : public QWidget
{
    Q_OBJECT

public:
    TagDialog(Form1 &form, const DialogSetup &setup, const Element *writes = nullptr);

protected:
    virtual QString build() = 0;
    virtual void reset() {}
    virtual void ok();

    Form1 &form() const { return m_form; }
    void insert(const QString &text);

    // The attribute rule (written()) for an attribute of the element, in the name and form
    // the vocabulary gives it: an exactly empty text gives nothing; anything else, blanks
    // included, gives a blank and the attribute as written().
    QString attribute(const QString &name, const QString &text) const;
    // The same for an attribute written even with an empty value.
    QString alwaysWritten(const QString &name, const QString &text) const;
    // " NAME" for a flag that is set, nothing otherwise.
    QString flagged(const QString &name, bool set) const;
    // LOOP is always written: an empty count loops for ever.
    QString loopAttribute(const QString &count) const;
    // The attribute's known values, the list of its combo box.
    QStringList listed(const QString &name) const;

    // Fields on the frame's grid: a label at (row, column) and its field right of it.
    QLineEdit *addText(const QString &name, const Label &label, int row, int column = 0,
                       const QString &start = {});
    QComboBox *addCombo(const QString &name, const Label &label, const QStringList &items,
                        int row, int column = 0, const QString &start = {});
    QCheckBox *addCheck(const QString &name, const QString &caption, int row, int column = 0,
                        bool checked = false);
    QRadioButton *addOption(const QString &name, const QString &caption, int row,
                            int column = 0, bool selected = false);
    QLabel *addLabel(const QString &name, const QString &caption, int row, int column = 0);
    // A button that fills a colour field with the colour the user chooses.
    QPushButton *addColourButton(const QString &name, const QString &caption,
                                 QLineEdit *field, int row, int column);

    // Lets fields placed by the helpers reach over the next columns of their rows.
    void widen(std::initializer_list<QWidget *> fields, int columns);
    // A widget that stands right of the frame, outside it.
    void addBesideFrame(QWidget *widget);
    // Starts another group frame below the fields so far; the add helpers and grid()
    // fill it from then on.
    QGroupBox *addFrame(const QString &name, const QString &caption);

    QGridLayout *grid() const { return m_grid; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // Keyboard order for dialogs whose order is not "fields, then C&ancel, then &Ok".
    void setTabOrder(std::initializer_list<QWidget *> widgets);
    void setTabOrder(const QList<QWidget *> &widgets);
    // The same by the widgets' object names, for dialogs that keep their order as data.
    void setTabOrder(const QStringList &names);

    void showEvent(QShowEvent *event) override;

private:
    void fitOnce();
    const Attribute &known(const QString &name) const;

    Form1 &m_form;
    const Element *m_element;
    QSize m_clientTwips;
    bool m_resizable;
    bool m_fitted = false;
    QWidget *m_firstStop = nullptr; // where the keyboard starts; set by setTabOrder
    QVBoxLayout *m_layout;
    QGridLayout *m_grid;
    QHBoxLayout *m_frameRow;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// Named widgets for dialogs that place some fields themselves.
QLineEdit *makeText(const QString &name, const QString &start = {});
QComboBox *makeCombo(const QString &name, const QStringList &items, const QString &start = {});
QCheckBox *makeCheck(const QString &name, const QString &caption, bool checked = false);
QRadioButton *makeOption(const QString &name, const QString &caption, bool selected = false);
QLabel *makeLabel(const QString &name, const QString &caption);
// Empties text boxes and the edit texts of combo boxes, as a dialog's reset does.
void clearFields(std::initializer_list<QWidget *> fields);
// Clears an option button, which a click never does.
void clearOption(QRadioButton *option);
// Fills field with the chosen colour's code; a cancelled choice leaves it as it was.
void chooseColourInto(Form1 &form, QLineEdit *field);
// From now on every change of the box runs: checked empties the field and locks it,
// unchecked unlocks it. The field's present state is left alone.
void lockWhileChecked(QCheckBox *check, QLineEdit *field);
