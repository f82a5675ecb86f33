#include "colourpicker.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "dialogs/common/attributes.h"

void pickColour(Form1 &form)
{
    if (const auto colour = form.dialogs().chooseColor()) {
        form.insertAtCaret(QStringLiteral("<!-- The color you selected is #") + colourCode(*colour)
                           + QStringLiteral(" . Copy it and put it where you want -->"));
    }
}
