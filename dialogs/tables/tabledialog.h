#pragma once

#include "dialogs/common/tagdialog.h"

// What the Table, Table column and Table Header dialogs share: nine text fields, the
// last six of them (border colours, align, valign, width) alike in all three, no value
// ever quoted, and every field emptied after OK.
class TableDialog : public TagDialog
{
    Q_OBJECT

protected:
    using TagDialog::TagDialog;

    // The three border colour rows at the left from row first on, each with its
    // Choose Color button (named as given, top to bottom), and Align, Valign and
    // Width at the right of them.
    void addBorderAndPlacementRows(int first, const QStringList &colourButtons,
                                   const Label &width);
    // The fragments of Text4 to Text9.
    QString borderAndPlacement() const;
    void reset() override;

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
};
