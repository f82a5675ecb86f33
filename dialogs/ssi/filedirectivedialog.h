#pragma once

#include "dialogs/common/tagdialog.h"

// A directive about one file, named either by its virtual path or by its file path:
// the choice is always written, even for an empty Text1, and kept after OK.
class FileDirectiveDialog : public TagDialog
{
    Q_OBJECT

protected:
    FileDirectiveDialog(Form1 &form, const DialogSetup &setup, const QString &directiveName);

    QRadioButton *Option1;
    QRadioButton *Option2;
    QLineEdit *Text1;

private:
    QString build() override;
    void reset() override;

    QString m_directiveName;
};
