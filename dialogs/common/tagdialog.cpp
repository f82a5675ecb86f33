#include "tagdialog.h"

#include "toolwindow.h"

#include "app/commondialogs.h"
#include "app/form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QLineEdit *makeText(const QString &name, const QString &start)
{
    auto text = new QLineEdit(start);
    text->setObjectName(name);
    return text;
}

QComboBox *makeCombo(const QString &name, const QStringList &items, const QString &start)
{
    auto combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    // Enter in the edit field must not grow the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The text counts exactly as typed: the default completer would turn a typed "i"
    // into the list's "I" and a typed "d" into "DISC".
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(start);
    return combo;
}

QCheckBox *makeCheck(const QString &name, const QString &caption, bool checked)
{
    auto check = new QCheckBox(caption);
    check->setObjectName(name);
    check->setChecked(checked);
    return check;
}

QRadioButton *makeOption(const QString &name, const QString &caption, bool selected)
{
    auto option = new QRadioButton(caption);
    option->setObjectName(name);
    option->setChecked(selected);
    return option;
}

QLabel *makeLabel(const QString &name, const QString &caption)
{
    auto label = new QLabel(caption);
    label->setObjectName(name);
    return label;
}

void clearFields(std::initializer_list<QWidget *> fields)
{
    for (QWidget *field : fields) {
        if (auto text = qobject_cast<QLineEdit *>(field)) {
            text->clear();
        } else if (auto combo = qobject_cast<QComboBox *>(field)) {
            combo->setCurrentIndex(-1);
            combo->clearEditText();
        }
    }
}

void clearOption(QRadioButton *option)
{
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

void chooseColourInto(Form1 &form, QLineEdit *field)
{
    if (const auto colour = form.dialogs().chooseColor())
        field->setText(colourCode(*colour));
}

void lockWhileChecked(QCheckBox *check, QLineEdit *field)
{
    QObject::connect(check, &QCheckBox::toggled, field, [field](bool checked) {
        if (checked)
            field->clear();
        field->setReadOnly(checked);
    });
}

TagDialog::TagDialog(Form1 &form, const DialogSetup &setup, const Element *writes)
    : QWidget(&form)
    , m_form(form)
    , m_element(writes)
    , m_clientTwips(setup.clientTwips)
    , m_resizable(setup.resizable)
    , m_layout(new QVBoxLayout(this))
    , m_grid(new QGridLayout)
    , m_frameRow(new QHBoxLayout)
    , m_ok(new QPushButton(QStringLiteral("&Ok")))
    , m_cancel(new QPushButton(QStringLiteral("C&ancel")))
{
    makeToolWindow(this, setup.name, setup.caption, setup.resizable);

    m_layout->addLayout(m_frameRow, 1);
    if (setup.frameCaption.isEmpty()) {
        m_frameRow->addLayout(m_grid);
    } else {
        auto frame = new QGroupBox(setup.frameCaption);
        frame->setObjectName(setup.frameName);
        frame->setLayout(m_grid);
        m_frameRow->addWidget(frame, 1);
    }

    m_ok->setObjectName(setup.okName);
    m_cancel->setObjectName(setup.cancelName);
    connect(m_ok, &QPushButton::clicked, this, &TagDialog::ok);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::hide);
    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_layout->addLayout(buttons);
}

void TagDialog::ok()
{
    insert(build());
    hide();
    reset();
}

void TagDialog::insert(const QString &text)
{
    m_form.insertAtCaret(text);
}

QString TagDialog::attribute(const QString &name, const QString &text) const
{
    return text.isEmpty() ? QString() : alwaysWritten(name, text);
}

QString TagDialog::alwaysWritten(const QString &name, const QString &text) const
{
    return QLatin1Char(' ') + written(known(name), text);
}

QString TagDialog::flagged(const QString &name, bool set) const
{
    return set ? alwaysWritten(name, {}) : QString();
}

QString TagDialog::loopAttribute(const QString &count) const
{
    return alwaysWritten(QStringLiteral("LOOP"),
                         count.isEmpty() ? QStringLiteral("INFINITE") : count);
}

QStringList TagDialog::listed(const QString &name) const
{
    return known(name).values;
}

const Attribute &TagDialog::known(const QString &name) const
{
    const Attribute *attribute = m_element ? m_element->attribute(name) : nullptr;
    if (!attribute)
        qFatal("%s has no attribute %s", m_element ? qPrintable(m_element->name) : "A dialog",
               qPrintable(name));
    return *attribute;
}

QLineEdit *TagDialog::addText(const QString &name, const Label &label, int row, int column,
                              const QString &start)
{
    auto text = makeText(name, start);
    if (!label.name.isEmpty())
        addLabel(label.name, label.caption, row, column)->setBuddy(text);
    m_grid->addWidget(text, row, column + 1);
    return text;
}

QComboBox *TagDialog::addCombo(const QString &name, const Label &label, const QStringList &items,
                               int row, int column, const QString &start)
{
    auto combo = makeCombo(name, items, start);
    if (!label.name.isEmpty())
        addLabel(label.name, label.caption, row, column)->setBuddy(combo);
    m_grid->addWidget(combo, row, column + 1);
    return combo;
}

QCheckBox *TagDialog::addCheck(const QString &name, const QString &caption, int row, int column,
                               bool checked)
{
    auto check = makeCheck(name, caption, checked);
    m_grid->addWidget(check, row, column);
    return check;
}

QRadioButton *TagDialog::addOption(const QString &name, const QString &caption, int row,
                                   int column, bool selected)
{
    auto option = makeOption(name, caption, selected);
    m_grid->addWidget(option, row, column);
    return option;
}

QLabel *TagDialog::addLabel(const QString &name, const QString &caption, int row, int column)
{
    auto label = makeLabel(name, caption);
    m_grid->addWidget(label, row, column);
    return label;
}

QPushButton *TagDialog::addColourButton(const QString &name, const QString &caption,
                                        QLineEdit *field, int row, int column)
{
    auto button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this,
            [this, field] { chooseColourInto(m_form, field); });
    m_grid->addWidget(button, row, column);
    return button;
}

void TagDialog::widen(std::initializer_list<QWidget *> fields, int columns)
{
    for (QWidget *field : fields) {
        const int index = m_grid->indexOf(field);
        int row = 0;
        int column = 0;
        int rows = 0;
        int oldColumns = 0;
        m_grid->getItemPosition(index, &row, &column, &rows, &oldColumns);
        delete m_grid->takeAt(index);
        m_grid->addWidget(field, row, column, rows, columns);
    }
}

void TagDialog::addBesideFrame(QWidget *widget)
{
    m_frameRow->addWidget(widget);
}

QGroupBox *TagDialog::addFrame(const QString &name, const QString &caption)
{
    auto frame = new QGroupBox(caption);
    frame->setObjectName(name);
    m_grid = new QGridLayout(frame);
    // The buttons' row stays last.
    m_layout->insertWidget(m_layout->count() - 1, frame, 1);
    return frame;
}

void TagDialog::setTabOrder(std::initializer_list<QWidget *> widgets)
{
    setTabOrder(QList<QWidget *>(widgets));
}

void TagDialog::setTabOrder(const QStringList &names)
{
    QList<QWidget *> widgets;
    for (const QString &name : names)
        widgets << findChild<QWidget *>(name);
    setTabOrder(widgets);
}

void TagDialog::setTabOrder(const QList<QWidget *> &widgets)
{
    m_firstStop = widgets.isEmpty() ? nullptr : widgets.first();
    setTabChain(widgets);
}

void TagDialog::showEvent(QShowEvent *event)
{
    fitOnce();
    QWidget::showEvent(event);
}

void TagDialog::fitOnce()
{
    if (m_fitted)
        return;
    m_fitted = true;
    if (!m_firstStop) {
        QWidget *previous = nullptr;
        for (QWidget *widget : findChildren<QWidget *>()) {
            // A combo box's edit field passes its focus on to the box, and its list
            // is a window of its own: neither is a stop of this window's Tab order.
            if (widget == m_ok || widget == m_cancel || !(widget->focusPolicy() & Qt::TabFocus)
                || widget->focusProxy() || widget->window() != this)
                continue;
            if (previous)
                QWidget::setTabOrder(previous, widget);
            else
                m_firstStop = widget;
            previous = widget;
        }
        if (previous)
            QWidget::setTabOrder(previous, m_cancel);
        QWidget::setTabOrder(m_cancel, m_ok);
        if (!m_firstStop)
            m_firstStop = m_cancel;
    }
    // The first stop of the order has the keyboard when the dialog opens.
    m_firstStop->setFocus();
    fitToTwips(this, m_clientTwips, m_resizable);
}
