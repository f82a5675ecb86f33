#include "tagdialog.h"

#include "twips.h"

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

TagDialog::TagDialog(Form1 &form, const DialogSetup &setup)
    : QWidget(&form)
    , m_form(form)
    , m_clientTwips(setup.clientTwips)
    , m_resizable(setup.resizable)
    , m_grid(new QGridLayout)
    , m_ok(new QPushButton(QStringLiteral("&Ok")))
    , m_cancel(new QPushButton(QStringLiteral("C&ancel")))
{
    setObjectName(setup.name);
    setWindowTitle(setup.caption);
    setWindowFlags(setup.resizable ? Qt::Window
                                   : Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         | Qt::WindowCloseButtonHint
                                         | Qt::MSWindowsFixedSizeDialogHint);

    auto layout = new QVBoxLayout(this);
    if (setup.frameCaption.isEmpty()) {
        layout->addLayout(m_grid);
    } else {
        auto frame = new QGroupBox(setup.frameCaption);
        frame->setObjectName(setup.frameName);
        frame->setLayout(m_grid);
        layout->addWidget(frame, 1);
    }

    m_ok->setObjectName(setup.okName);
    m_cancel->setObjectName(setup.cancelName);
    connect(m_ok, &QPushButton::clicked, this, &TagDialog::ok);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::hide);
    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
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
    connect(button, &QPushButton::clicked, this, [this, field] { chooseColourInto(m_form, field); });
    m_grid->addWidget(button, row, column);
    return button;
}

void TagDialog::setTabOrder(std::initializer_list<QWidget *> widgets)
{
    m_firstInTabOrder = *widgets.begin();
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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
    if (!m_firstInTabOrder) {
        QWidget *previous = nullptr;
        for (QWidget *widget : findChildren<QWidget *>()) {
            if (widget == m_ok || widget == m_cancel || !(widget->focusPolicy() & Qt::TabFocus)
                || qobject_cast<QComboBox *>(widget->parentWidget()) || widget->window() != this)
                continue;
            if (previous)
                QWidget::setTabOrder(previous, widget);
            else
                m_firstInTabOrder = widget;
            previous = widget;
        }
        if (previous)
            QWidget::setTabOrder(previous, m_cancel);
        QWidget::setTabOrder(m_cancel, m_ok);
    }
    // The keyboard starts in the first field, not in whichever button was made first.
    if (m_firstInTabOrder)
        m_firstInTabOrder->setFocus();
    resize(twipsSize(m_clientTwips.width(), m_clientTwips.height()).expandedTo(sizeHint()));
    if (!m_resizable)
        setFixedSize(size());
}
