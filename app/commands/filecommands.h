#pragma once

#include <QString>

class Form1;
struct RecoveryRecord;

// New, Open, Save, Save As, Print and Exit, and the question that guards unsaved text.
class FileCommands
{
public:
    static const QString openFilter;
    static const QString saveFilter;

    explicit FileCommands(Form1 &form);

    void newDocument();
    void open();
    // Open without the dialog, for a file that comes from outside (a drop, the command
    // line): a read-only file is refused as the dialog's is; then the same question.
    void open(const QString &path);
    bool save();
    bool saveAs();
    void print();
    void exit();

    // Asks whether to save a changed document first. False means the user cancelled,
    // or said Yes and the document could not be saved: the caller stops.
    bool askToSave(const QString &question);
    bool mayClose();
    // Reads the whole file, then makes it the document; tells the user when it can't.
    // A read that takes longer than the window's progress delay shows its progress and can
    // be cancelled.
    bool load(const QString &path);
    // Offers the text a program that was not ended properly left behind; true when the
    // user took it back.
    bool restore(const RecoveryRecord &record);

private:
    // Tells the user when the file is one Quillet could not save back, which is not opened.
    bool refusesReadOnly(const QString &path);
    // Writes only what the user allows: a file another program changed since the document
    // read or wrote it is overwritten only on Yes.
    bool write(const QString &path);
    bool mayOverwrite(const QString &path);

    Form1 &m_form;
};
