#pragma once

#include "dialogs/common/tagdialog.h"

#include <vector>

// One row of a directive dialog: a labelled text box that writes one quoted attribute.
struct DirectiveField
{
    Label label;
    QString attribute;
    QString start;
};

// A directive made of text fields Text1, Text2, ... in their rows' order, each written
// when not exactly empty. OK puts every field back to its start value.
class FieldDirectiveDialog : public TagDialog
{
    Q_OBJECT

protected:
    FieldDirectiveDialog(Form1 &form, const DialogSetup &setup, const QString &directiveName,
                         const std::vector<DirectiveField> &fields);

private:
    QString build() override;
    void reset() override;

    QString m_directiveName;
    std::vector<std::pair<QLineEdit *, DirectiveField>> m_fields;
};
