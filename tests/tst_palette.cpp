#include "support/program.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

// The special characters palette: every button's character and entity, and a palette
// that stays open and keeps the focus while it inserts.
class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void everyButton_data();
    void everyButton();
    void upperAndLowerCaseDiffer();
    void twoClicksInARow();
    void selectionIsReplaced();
    void staysOpenAndKeepsTheFocus();
    void closeHidesAndTheSamePaletteComesBack();
    void tenColumnGrid();
    void besideATagDialog();
};

namespace {
QPushButton *button(Program &program, const QString &name)
{
    return program.find<QPushButton>(name, "special1");
}
} // namespace

void TestPalette::everyButton_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("entity");

    QTest::newRow("Command1") << "Á" << QByteArray("&Aacute;");
    QTest::newRow("Command2") << "À" << QByteArray("&Agrave;");
    QTest::newRow("Command3") << "Â" << QByteArray("&Acirc;");
    QTest::newRow("Command4") << "Ã" << QByteArray("&Atilde;");
    QTest::newRow("Command5") << "Å" << QByteArray("&Aring;");
    QTest::newRow("Command6") << "Ä" << QByteArray("&Auml;");
    QTest::newRow("Command7") << "Æ" << QByteArray("&AElig;");
    QTest::newRow("Command8") << "Ç" << QByteArray("&Ccedil;");
    QTest::newRow("Command9") << "É" << QByteArray("&Eacute;");
    QTest::newRow("Command10") << "È" << QByteArray("&Egrave;");
    QTest::newRow("Command11") << "Ê" << QByteArray("&Ecirc;");
    QTest::newRow("Command12") << "Ë" << QByteArray("&Euml;");
    QTest::newRow("Command13") << "Í" << QByteArray("&Iacute;");
    QTest::newRow("Command14") << "Ì" << QByteArray("&Igrave;");
    QTest::newRow("Command15") << "Î" << QByteArray("&Icirc;");
    QTest::newRow("Command16") << "Ï" << QByteArray("&Iuml;");
    QTest::newRow("Command17") << "Ð" << QByteArray("&ETH;");
    QTest::newRow("Command18") << "Ñ" << QByteArray("&Ntilde;");
    QTest::newRow("Command19") << "Ó" << QByteArray("&Oacute;");
    QTest::newRow("Command20") << "Ò" << QByteArray("&Ograve;");
    QTest::newRow("Command21") << "Ô" << QByteArray("&Ocirc;");
    QTest::newRow("Command22") << "Õ" << QByteArray("&Otilde;");
    QTest::newRow("Command23") << "Ö" << QByteArray("&Ouml;");
    QTest::newRow("Command24") << "Ø" << QByteArray("&Oslash;");
    QTest::newRow("Command25") << "Ú" << QByteArray("&Uacute;");
    QTest::newRow("Command26") << "Ù" << QByteArray("&Ugrave;");
    QTest::newRow("Command27") << "Û" << QByteArray("&Ucirc;");
    QTest::newRow("Command28") << "Ü" << QByteArray("&Uuml;");
    QTest::newRow("Command29") << "Ý" << QByteArray("&Yacute;");
    QTest::newRow("Command30") << "Þ" << QByteArray("&THORN;");
    QTest::newRow("Command31") << "ß" << QByteArray("&szlig;");
    QTest::newRow("Command32") << "á" << QByteArray("&aacute;");
    QTest::newRow("Command33") << "à" << QByteArray("&agrave;");
    QTest::newRow("Command34") << "â" << QByteArray("&acirc;");
    QTest::newRow("Command35") << "ã" << QByteArray("&atilde;");
    QTest::newRow("Command36") << "å" << QByteArray("&aring;");
    QTest::newRow("Command37") << "ä" << QByteArray("&auml;");
    QTest::newRow("Command38") << "æ" << QByteArray("&aelig;");
    QTest::newRow("Command39") << "ç" << QByteArray("&ccedil;");
    QTest::newRow("Command40") << "é" << QByteArray("&eacute;");
    QTest::newRow("Command41") << "è" << QByteArray("&egrave;");
    QTest::newRow("Command42") << "ê" << QByteArray("&ecirc;");
    QTest::newRow("Command43") << "ë" << QByteArray("&euml;");
    QTest::newRow("Command44") << "í" << QByteArray("&iacute;");
    QTest::newRow("Command45") << "ì" << QByteArray("&igrave;");
    QTest::newRow("Command46") << "î" << QByteArray("&icirc;");
    QTest::newRow("Command47") << "ï" << QByteArray("&iuml;");
    QTest::newRow("Command48") << "ó" << QByteArray("&oacute;");
    QTest::newRow("Command49") << "ò" << QByteArray("&ograve;");
    QTest::newRow("Command50") << "ô" << QByteArray("&ocirc;");
    QTest::newRow("Command51") << "õ" << QByteArray("&otilde;");
    QTest::newRow("Command52") << "ö" << QByteArray("&ouml;");
    QTest::newRow("Command53") << "ø" << QByteArray("&oslash;");
    QTest::newRow("Command54") << "ú" << QByteArray("&uacute;");
    QTest::newRow("Command55") << "ù" << QByteArray("&ugrave;");
    QTest::newRow("Command56") << "û" << QByteArray("&ucirc;");
    QTest::newRow("Command57") << "ü" << QByteArray("&uuml;");
    QTest::newRow("Command58") << "ý" << QByteArray("&yacute;");
    QTest::newRow("Command59") << "þ" << QByteArray("&thorn;");
    QTest::newRow("Command60") << "ÿ" << QByteArray("&yuml;");
    QTest::newRow("Command62") << "®" << QByteArray("&reg;");
    QTest::newRow("Command63") << "©" << QByteArray("&copy;");
    QTest::newRow("Command64") << "\u2122" << QByteArray("&trade;");
}

void TestPalette::everyButton()
{
    QFETCH(QString, caption);
    QFETCH(QByteArray, entity);

    Program program;
    program.trigger("mnusp");
    QPushButton *character = button(program, QTest::currentDataTag());
    QVERIFY(character);
    QCOMPARE(character->text(), caption);
    character->click();
    program.type("x");
    QCOMPARE(program.bytes(), entity + "x");
}

void TestPalette::upperAndLowerCaseDiffer()
{
    Program program;
    program.trigger("mnusp");
    for (const char *name : {"Command30", "Command59", "Command7", "Command38"})
        button(program, name)->click();
    QCOMPARE(program.bytes(), QByteArray("&THORN;&thorn;&AElig;&aelig;"));
}

void TestPalette::twoClicksInARow()
{
    Program program;
    program.trigger("mnusp");
    button(program, "Command40")->click();
    button(program, "Command40")->click();
    program.type("!");
    QCOMPARE(program.bytes(), QByteArray("&eacute;&eacute;!"));
    QCOMPARE(program.editor().selectionLength(), 0);
}

void TestPalette::selectionIsReplaced()
{
    Program program;
    program.type("gr word n");
    program.editor().find("word", 0);
    program.trigger("mnusp");
    button(program, "Command57")->click();
    program.type("n");
    QCOMPARE(program.bytes(), QByteArray("gr &uuml;n n"));
    QVERIFY(program.form.document().changed);
}

void TestPalette::staysOpenAndKeepsTheFocus()
{
    Program program;
    program.show();
    program.trigger("mnusp");
    QWidget *palette = program.window("special1");
    QTRY_COMPARE(QApplication::activeWindow(), palette);
    QPushButton *eacute = button(program, "Command40");
    QTest::mouseClick(eacute, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(program.bytes(), QByteArray("&eacute;"));
    QVERIFY(palette->isVisible());
    QCOMPARE(QApplication::activeWindow(), palette);
    QCOMPARE(QApplication::focusWidget(), eacute);
}

void TestPalette::closeHidesAndTheSamePaletteComesBack()
{
    Program program;
    program.trigger("mnusp");
    QWidget *palette = program.window("special1");
    program.click("Command61", "special1");
    QVERIFY(!palette->isVisible());
    QCOMPARE(program.bytes(), QByteArray());

    program.type("ab");
    program.key(Qt::Key_Left);
    program.trigger("mnusp");
    QCOMPARE(program.window("special1"), palette);
    QCOMPARE(program.form.findChildren<QWidget *>("special1").size(), 1);
    QVERIFY(palette->isVisible());
    button(program, "Command1")->click();
    QCOMPARE(program.bytes(), QByteArray("a&Aacute;b"));
}

void TestPalette::tenColumnGrid()
{
    Program program;
    program.trigger("mnusp");
    QWidget *palette = program.window("special1");
    QCOMPARE(palette->windowTitle(), QString("Special Characters"));
    QCOMPARE(program.find<QGroupBox>("Frame4", "special1")->title(),
             QString("Special Characters"));
    QCOMPARE(button(program, "Command61")->text(), QString("&Close"));

    const auto at = [&](int number) {
        return button(program, QString("Command%1").arg(number))->pos();
    };
    for (int number = 2; number <= 10; ++number) {
        QCOMPARE(at(number).y(), at(1).y());
        QVERIFY(at(number).x() > at(number - 1).x());
    }
    for (int number = 11; number <= 60; ++number) {
        QCOMPARE(at(number).x(), at(number - 10).x());
        QVERIFY(at(number).y() > at(number - 10).y());
    }
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(at(62 + column).x(), at(51 + column).x());
        QVERIFY(at(62 + column).y() > at(51 + column).y());
    }
    QVERIFY(!program.find<QPushButton>("Command65", "special1"));
}

void TestPalette::besideATagDialog()
{
    Program program;
    program.trigger("mnuisindex");
    program.trigger("mnusp");
    QVERIFY(program.window("is1")->isVisible());
    button(program, "Command64")->click();
    program.click("Command2", "is1");
    button(program, "Command63")->click();
    QCOMPARE(program.bytes(), QByteArray("&trade;<ISINDEX>&copy;"));
    QVERIFY(program.window("special1")->isVisible());
}

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
