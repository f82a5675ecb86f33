#pragma once

#include "dialogs/common/tagdialog.h"

// BODY with its background image and five colours, each with a "Choose Color" button.
class body1 : public TagDialog
{
    Q_OBJECT

public:
    explicit body1(Form1 &form);

private:
    struct ColourRow
    {
        const char *caption;
        const char *fieldName;
        QLineEdit *body1::*field;
        const char *attribute;
    };
    static const ColourRow colourRows[5];

    QString build() override;
    void reset() override;
    // The Command3 array's click.
    void chooseColour(int row);

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
};
