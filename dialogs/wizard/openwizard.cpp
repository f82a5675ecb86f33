#include "openwizard.h"

#include "app/commands/filecommands.h"
#include "app/commondialogs.h"
#include "app/form1.h"

void openWizard(Form1 &form)
{
    if (form.document().changed) {
        const auto answer = form.dialogs().askYesNoCancel(QStringLiteral(
            "File has changed. Do you wish to save it before using Quillet Wizard?"));
        if (answer == CommonDialogs::Answer::Cancel)
            return;
        // The wizard opens whatever the save did, even after a cancelled Save As.
        if (answer == CommonDialogs::Answer::Yes)
            form.fileCommands().save();
    }
    form.showWindow(QStringLiteral("htmlwiz1"));
}
