#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class Form1;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

// A folder and a file name joined by exactly one native separator; an empty name
// leaves the folder with its separator at the end.
QString joinPath(const QString &folder, const QString &name);

// The drive a folder lies on, both in Qt's separators: the longest of the roots (drive
// letters on Windows, mounted volumes elsewhere) that leads to it.
QString driveOf(const QString &folder, const QStringList &drives);

// Easy anchors: the user browses drives, folders and files, and adds a link to the
// chosen file at the main window's caret. The drive list, the folder tree and the
// file list show one location; the window stays open for further links.
class easy1 : public QWidget
{
    Q_OBJECT

public:
    explicit easy1(Form1 &form);

private:
    // Moves the window to path when it can be read; otherwise it stays where it was.
    bool openFolder(const QString &path);
    void showDriveAndFolders();
    void showFiles();
    QString selectedFile() const;
    void chooseFile();
    void addLink();

    Form1 &m_form;
    const QStringList m_drives; // root paths with '/' separators
    QString m_folder;           // absolute, '/' separators
    QComboBox *Drive1;
    QTreeWidget *Dir1;
    QListWidget *File1;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
};
