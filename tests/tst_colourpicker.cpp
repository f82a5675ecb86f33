#include "support/program.h"

// Tools › Color Picker: the chosen colour's code in a comment, nothing on cancel.
class TestColourPicker : public QObject
{
    Q_OBJECT

private slots:
    void chosenColour_data();
    void chosenColour();
    void chosenColourReplacesSelection();
    void cancelInsertsNothing_data();
    void cancelInsertsNothing();
    void shortcut();
};

namespace {
QByteArray comment(const char *code)
{
    return QByteArray("<!-- The color you selected is #") + code
           + " . Copy it and put it where you want -->";
}
} // namespace

void TestColourPicker::chosenColour_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("red") << QColor(255, 0, 0) << comment("FF0000");
    QTest::newRow("black") << QColor(0, 0, 0) << comment("000000");
    QTest::newRow("white") << QColor(255, 255, 255) << comment("FFFFFF");
    QTest::newRow("red first") << QColor(18, 52, 86) << comment("123456");
    QTest::newRow("upper case") << QColor(171, 205, 239) << comment("ABCDEF");
}

void TestColourPicker::chosenColour()
{
    QFETCH(QColor, colour);
    QFETCH(QByteArray, expected);

    Program program;
    program.dialogs.colourAnswers << colour;
    program.trigger("mnucolorpicker");
    QCOMPARE(program.dialogs.colourRequests, 1);
    program.type("x");
    QCOMPARE(program.bytes(), expected + "x");
}

void TestColourPicker::chosenColourReplacesSelection()
{
    Program program;
    program.type("bg=word;");
    program.editor().find("word", 0);
    program.dialogs.colourAnswers << QColor(0, 128, 255);
    program.trigger("mnucolorpicker");
    QCOMPARE(program.bytes(), "bg=" + comment("0080FF") + ";");
    QCOMPARE(program.editor().selectionLength(), 0);
}

void TestColourPicker::cancelInsertsNothing_data()
{
    QTest::addColumn<QString>("selected");
    QTest::newRow("no selection") << "";
    QTest::newRow("a word selected") << "kept";
}

void TestColourPicker::cancelInsertsNothing()
{
    QFETCH(QString, selected);

    Program program;
    program.type("text kept here");
    if (!selected.isEmpty())
        program.editor().find(selected, 0);
    program.dialogs.colourAnswers << std::nullopt;
    program.trigger("mnucolorpicker");
    QCOMPARE(program.dialogs.colourRequests, 1);
    QCOMPARE(program.bytes(), QByteArray("text kept here"));
    QCOMPARE(program.editor().selectedText(), selected);
}

void TestColourPicker::shortcut()
{
    Program program;
    program.show();
    program.dialogs.colourAnswers << QColor(1, 2, 3);
    program.key(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(program.bytes(), comment("010203"));
}

QTEST_MAIN(TestColourPicker)
#include "tst_colourpicker.moc"
