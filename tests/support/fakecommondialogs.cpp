#include "fakecommondialogs.h"

namespace {
template<class T>
T next(QList<T> &queue, T cancel)
{
    return queue.isEmpty() ? cancel : queue.takeFirst();
}
} // namespace

std::optional<QString> FakeCommonDialogs::openFile(const FileRequest &request)
{
    openRequests << request;
    return next(openAnswers, std::optional<QString>());
}

std::optional<QString> FakeCommonDialogs::saveFileAs(const FileRequest &request)
{
    saveRequests << request;
    return next(saveAnswers, std::optional<QString>());
}

std::optional<FontChoice> FakeCommonDialogs::chooseFont(const FontChoice &start)
{
    fontStarts << start;
    return next(fontAnswers, std::optional<FontChoice>());
}

std::optional<QColor> FakeCommonDialogs::chooseColor()
{
    ++colourRequests;
    return next(colourAnswers, std::optional<QColor>());
}

void FakeCommonDialogs::showHelp(int context)
{
    helpTopics << context;
}

std::optional<int> FakeCommonDialogs::askNumber(const NumberRequest &request)
{
    numberRequests << request;
    return next(numberAnswers, std::optional<int>());
}

CommonDialogs::Answer FakeCommonDialogs::askYesNoCancel(const QString &text)
{
    questions << text;
    return next(questionAnswers, Answer::Cancel);
}

CommonDialogs::Answer FakeCommonDialogs::askYesNo(const QString &text, Answer defaultAnswer)
{
    questions << text;
    yesNoDefaults << defaultAnswer;
    return next(questionAnswers, Answer::No);
}

void FakeCommonDialogs::message(const QString &text)
{
    messages << text;
}
