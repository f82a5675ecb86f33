#include "qtcommondialogs.h"

#include "appinfo.h"
#include "helpviewer.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

QStringList nameFiltersFrom(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters;
}

namespace {
CommonDialogs::Answer ask(const QString &text, QMessageBox::StandardButtons buttons,
                          CommonDialogs::Answer defaultAnswer)
{
    using Answer = CommonDialogs::Answer;
    QMessageBox box(QMessageBox::NoIcon, programName, shownLines(text), buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
} // namespace

QtCommonDialogs::QtCommonDialogs() = default;

QtCommonDialogs::~QtCommonDialogs()
{
    delete m_help;
}

std::optional<QString> QtCommonDialogs::openFile(const FileRequest &request)
{
    return runFileDialog(request, false);
}

std::optional<QString> QtCommonDialogs::saveFileAs(const FileRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtCommonDialogs::runFileDialog(const FileRequest &request, bool save)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The descriptions already show their patterns; do not show them twice.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.defaultSuffix);
    const QStringList filters = nameFiltersFrom(request.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<FontChoice> QtCommonDialogs::chooseFont(const FontChoice &start)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start.font(), QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return FontChoice::of(chosen);
}

std::optional<QColor> QtCommonDialogs::chooseColor()
{
    const QColor colour = QColorDialog::getColor(Qt::white, QApplication::activeWindow());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

void QtCommonDialogs::showHelp(int context)
{
    if (!m_help)
        m_help = new HelpViewer;
    m_help->showTopic(context);
}

std::optional<int> QtCommonDialogs::askNumber(const NumberRequest &request)
{
    bool ok = false;
    const int value = QInputDialog::getInt(QApplication::activeWindow(), request.title,
                                           request.label, request.value, request.minimum,
                                           request.maximum, 1, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

CommonDialogs::Answer QtCommonDialogs::askYesNoCancel(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Answer::Yes);
}

CommonDialogs::Answer QtCommonDialogs::askYesNo(const QString &text, Answer defaultAnswer)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, defaultAnswer);
}

void QtCommonDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, programName, shownLines(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
