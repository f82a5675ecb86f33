#include "mainmenus.h"

#include "commands/editcommands.h"
#include "commands/filecommands.h"
#include "commands/previewcommands.h"
#include "commondialogs.h"
#include "form1.h"
#include "settings.h"
#include "spellingcommands.h"

#include "editor/editor.h"
#include "editor/spellmarks.h"
#include "insert/commandtable.h"

namespace {
Handler helpTopic(int context)
{
    return [context](Form1 &form) { form.dialogs().showHelp(context); };
}

Handler file(void (FileCommands::*run)())
{
    return [run](Form1 &form) { (form.fileCommands().*run)(); };
}

Handler file(bool (FileCommands::*run)())
{
    return [run](Form1 &form) { (form.fileCommands().*run)(); };
}

Handler trigger(const QString &name)
{
    return [name](Form1 &form) { form.trigger(name); };
}

Handler editor(void (Editor::*run)())
{
    return [run](Form1 &form) { (form.editor().*run)(); };
}

// An item with a check mark for a choice kept between runs: the editor follows the mark,
// the settings keep it.
MenuItem keptChoice(const QString &name, const QString &caption, void (Editor::*apply)(bool),
                    void (Settings::*keep)(bool), bool checked)
{
    return checkable(name, caption, [apply, keep](Form1 &form, bool on) {
        (form.editor().*apply)(on);
        (form.settings().*keep)(on);
    }, checked);
}

// The same for a choice of the main window's own.
MenuItem keptChoice(const QString &name, const QString &caption, void (Form1::*apply)(bool),
                    void (Settings::*keep)(bool), bool checked)
{
    return checkable(name, caption, [apply, keep](Form1 &form, bool on) {
        (form.*apply)(on);
        (form.settings().*keep)(on);
    }, checked);
}
} // namespace

MenuItem fileMenu()
{
    return submenu("mnufile", "&File...", {
        submenu("mnunews", "&New", {
            command("mnunew", "N&ew", file(&FileCommands::newDocument), Qt::CTRL | Qt::Key_N),
            command("mnuhtmldocwiz", "&HTML document Wizard", trigger("mnuhtmlwiz2"),
                    Qt::CTRL | Qt::Key_W),
        }),
        command("mnuopen", "&Open...", file(&FileCommands::open), Qt::CTRL | Qt::Key_O),
        separator("mnunull"),
        command("mnusave", "&Save", file(&FileCommands::save), Qt::CTRL | Qt::Key_S),
        command("mnusaveas", "Save &As...", file(&FileCommands::saveAs), Qt::Key_F12),
        separator("mnunull2"),
        command("mnuprint", "P&rint", file(&FileCommands::print)),
        separator("mnunull155"),
        command("mnuexit", "E&xit", file(&FileCommands::exit), Qt::CTRL | Qt::Key_F4),
    });
}

MenuItem editMenu()
{
    return submenu("mnuedit", "&Edit...", {
        command("mnucut", "C&ut", cutSelection),
        command("mnucopy", "&Copy", copySelection),
        command("mnupastefrom", "&Paste", pasteClipboard),
        separator("mnunull24"),
        command("mnudel", "Delete", deleteSelection, Qt::Key_Delete),
        command("mnuselALL", "Sel&ect All", selectAll, Qt::CTRL | Qt::Key_U),
        separator("mnunull154"),
        command("mnufind", "Find...", shows("Find"), Qt::CTRL | Qt::Key_F),
        command("mnureplace", "&Replace...", shows("Replace"), Qt::CTRL | Qt::Key_R),
        command("mnugotoline", "&Go to Line...", goToLine, Qt::CTRL | Qt::Key_G),
    });
}

MenuItem optionsMenu(const Settings &settings, const QStringList &languages)
{
    return submenu("mnuoptions", "O&ptions...", {
        command("mnufont", "F&ont...", chooseEditorFont),
        keptChoice("mnuautocomplete", "Auto-&complete", &Editor::setAutoCompletion,
                   &Settings::setCompletion, settings.completion()),
        separator("mnunull335"),
        checkable("mnuspellastype", "Check &Spelling as You Type", [](Form1 &form, bool on) {
            form.spellMarks().setOn(on);
            form.settings().setSpelling(on);
        }, settings.spelling()),
        spellingLanguageMenu(languages),
    });
}

MenuItem viewMenu(const Settings &settings)
{
    return submenu("mnuview", "&View...", {
        command("mnuviewnote", "View Help", helpTopic(170)),
        command("mnupreview", "Preview using Netscape", previewInBrowser, Qt::Key_F5),
        command("mnupreviewdde", "Preview using QuickView Plus...", previewInViewer,
                Qt::Key_F6),
        separator("mnunull171"),
        keptChoice("mnulinenumbers", "Line &Numbers", &Editor::setLineNumbers,
                   &Settings::setLineNumbers, settings.lineNumbers()),
        keptChoice("mnufolding", "&Folding", &Editor::setFolding, &Settings::setFolding,
                   settings.folding()),
        command("mnufoldall", "Fold &All", editor(&Editor::foldAll)),
        command("mnuunfoldall", "&Unfold All", editor(&Editor::unfoldAll)),
        keptChoice("mnulivepreview", "&Live Preview", &Form1::setLivePreview,
                   &Settings::setLivePreview, settings.livePreview()),
        separator("mnunull172"),
        command("mnuzoomin", "Zoom &In", editor(&Editor::zoomIn),
                QList<QKeySequence>{Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}),
        command("mnuzoomout", "Zoom &Out", editor(&Editor::zoomOut), Qt::CTRL | Qt::Key_Minus),
        command("mnuzoomnormal", "&Normal Size", [](Form1 &form) { form.editor().setZoom(0); },
                Qt::CTRL | Qt::Key_0),
    });
}

MenuItem helpMenu()
{
    return submenu("mnuh", "&Help...", {
        command("mnuhelp1", "H&elp", helpTopic(10), Qt::Key_F1),
        command("mnuhelp2", "A&bout Quillet Works", helpTopic(50)),
        command("mnuhelp3", "&Introducing Quillet", helpTopic(70)),
    });
}
