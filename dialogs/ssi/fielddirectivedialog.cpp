#include "fielddirectivedialog.h"

#include "directive.h"

#include <QLineEdit>

namespace {
// Shows a start value from its beginning, which a narrow field would otherwise hide.
void setStart(QLineEdit *text, const QString &start)
{
    text->setText(start);
    text->setCursorPosition(0);
}
} // namespace

FieldDirectiveDialog::FieldDirectiveDialog(Form1 &form, const DialogSetup &setup,
                                           const QString &directiveName,
                                           const std::vector<DirectiveField> &fields)
    : TagDialog(form, setup, ssiDirective(directiveName))
    , m_directiveName(directiveName)
{
    for (const DirectiveField &field : fields) {
        const int row = int(m_fields.size());
        const QString name = QStringLiteral("Text%1").arg(row + 1);
        QLineEdit *text = addText(name, field.label, row);
        setStart(text, field.start);
        m_fields.emplace_back(text, field);
    }
}

QString FieldDirectiveDialog::build()
{
    QString fragments;
    for (const auto &[text, field] : m_fields)
        fragments += attribute(field.attribute, text->text());
    return directive(m_directiveName, fragments);
}

void FieldDirectiveDialog::reset()
{
    for (const auto &[text, field] : m_fields)
        setStart(text, field.start);
}
