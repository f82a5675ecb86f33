#pragma once

#include "commondialogs.h"

#include <QPointer>
#include <QStringList>

class HelpViewer;

// Turns "description|pattern|..." into QFileDialog name filters. Each entry keeps its
// description and gets the pattern as the last parenthesised group, which is where
// QFileDialog reads it from.
QStringList nameFiltersFrom(const QString &filter);

class QtCommonDialogs : public CommonDialogs
{
public:
    QtCommonDialogs();
    ~QtCommonDialogs() override;

    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFileAs(const FileRequest &request) override;
    std::optional<FontChoice> chooseFont(const FontChoice &start) override;
    std::optional<QColor> chooseColor() override;
    void showHelp(int context) override;
    std::optional<int> askNumber(const NumberRequest &request) override;
    Answer askYesNoCancel(const QString &text) override;
    Answer askYesNo(const QString &text, Answer defaultAnswer) override;
    void message(const QString &text) override;

private:
    std::optional<QString> runFileDialog(const FileRequest &request, bool save);

    QPointer<HelpViewer> m_help;
};
