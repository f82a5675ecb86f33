#include "program.h"

#include "app/settings.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

namespace {
QtMessageHandler testLogger = nullptr;

// The offscreen platform warns about every window it cannot raise or resize.
void quietPlatformWarnings(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogger(type, context, message);
}
} // namespace

void initResources()
{
    Q_INIT_RESOURCE(quillet);
    if (!testLogger)
        testLogger = qInstallMessageHandler(quietPlatformWarnings);
    // The settings in a folder of this test's own, as a file also where Windows would keep
    // them in the registry: never the user's.
    static const QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
}

QString settingsFile()
{
    initResources();
    return Settings().location();
}

bool firstStart()
{
    const QString file = settingsFile();
    QFile::remove(file);
    QDir(file).removeRecursively();
    return !QFileInfo::exists(file);
}

bool showsWhatItDraws(QWidget *widget)
{
    QApplication::processEvents();
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    const QImage shown = widget->screen()
                             ->grabWindow(widget->window()->winId(), at.x(), at.y(),
                                          widget->width(), widget->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    return !shown.isNull()
           && shown == widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Program::show()
{
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("the main window did not become active");
    editor().setFocus();
    // A still caret: its blinks would paint, and change the screen from one moment to the next.
    static_cast<QsciScintilla *>(textArea())->SendScintilla(QsciScintilla::SCI_SETCARETPERIOD, 0);
}

void Program::clickFoldBox(int row)
{
    using Sci = QsciScintilla;
    auto area = static_cast<Sci *>(textArea());
    const long rowHeight = area->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL);
    const int x = int(area->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL)
                      + area->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 1UL)
                      + area->SendScintilla(Sci::SCI_GETMARGINWIDTHN, 2UL) / 2);
    const int y = int(rowHeight * row + rowHeight / 2);
    QTest::mouseClick(area->viewport(), Qt::LeftButton, {}, QPoint(x, y));
}

void Program::trigger(const QString &actionName)
{
    auto action = form.findChild<QAction *>(actionName);
    if (!action)
        qFatal("no action %s", qPrintable(actionName));
    action->trigger();
}

void Program::type(const QString &text)
{
    // QTest types ASCII only; other characters come as a keyboard layout sends them.
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            QTest::keyClick(textArea(), text[i].toLatin1());
            continue;
        }
        const QString character = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        i += int(character.size()) - 1;
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, character);
            QApplication::sendEvent(textArea(), &event);
        }
    }
}

void Program::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(textArea(), Qt::Key(key), modifiers);
}

void Program::click(const QString &button, const QString &window)
{
    auto target = find<QAbstractButton>(button, window);
    if (!target)
        qFatal("no button %s in %s", qPrintable(button), qPrintable(window));
    target->click();
}

QWidget *Program::window(const QString &name)
{
    return form.findChild<QWidget *>(name);
}

Intro::Intro(const QString &startFile, const QList<CommonDialogs::Answer> &answers)
{
    dialogs.questionAnswers = answers;
    form.start(startFile);
}

void Intro::goOn()
{
    auto button = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("&Go on"));
    button->click();
    QCoreApplication::processEvents();
}
