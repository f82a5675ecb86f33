#pragma once

#include "app/commondialogs.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

// Test rows carry the answers; Qt 6 knows these types by itself, Qt 5 must be told.
Q_DECLARE_METATYPE(CommonDialogs::Answer)
Q_DECLARE_METATYPE(std::optional<QColor>)

// Common dialogs that answer from queues and record what the user was shown. An
// empty queue answers with a cancel.
class FakeCommonDialogs : public CommonDialogs
{
public:
    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFileAs(const FileRequest &request) override;
    std::optional<FontChoice> chooseFont(const FontChoice &start) override;
    std::optional<QColor> chooseColor() override;
    void showHelp(int context) override;
    std::optional<int> askNumber(const NumberRequest &request) override;
    Answer askYesNoCancel(const QString &text) override;
    // Answers from questionAnswers too; an empty queue answers No.
    Answer askYesNo(const QString &text, Answer defaultAnswer) override;
    void message(const QString &text) override;

    QList<std::optional<QString>> openAnswers;
    QList<std::optional<QString>> saveAnswers;
    QList<std::optional<FontChoice>> fontAnswers;
    QList<std::optional<QColor>> colourAnswers;
    QList<Answer> questionAnswers;
    QList<std::optional<int>> numberAnswers;

    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QList<FontChoice> fontStarts;
    int colourRequests = 0;
    QList<int> helpTopics;
    QList<NumberRequest> numberRequests;
    QStringList questions;
    QList<Answer> yesNoDefaults;
    QStringList messages;
};
