#include "filedirectivedialog.h"

#include "directive.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

FileDirectiveDialog::FileDirectiveDialog(Form1 &form, const DialogSetup &setup,
                                         const QString &directiveName)
    : TagDialog(form, setup, ssiDirective(directiveName))
    , m_directiveName(directiveName)
{
    Option1 = addOption("Option1", "Virtual", 0);
    Option2 = addOption("Option2", "File", 1, 0, true);
    Text1 = makeText("Text1");
    grid()->addWidget(Text1, 0, 1, 2, 1);
}

QString FileDirectiveDialog::build()
{
    const QString name = Option1->isChecked() ? QStringLiteral("Virtual") : QStringLiteral("File");
    return directive(m_directiveName, alwaysWritten(name, Text1->text()));
}

void FileDirectiveDialog::reset()
{
    Text1->clear();
}
