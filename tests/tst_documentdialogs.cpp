#include "support/dialogrows.h"
#include "support/program.h"

// Document Type, META, Division, Body and Background Sound, used the way a user uses
// them: fields typed, boxes clicked, "&Ok" pressed, the editor's bytes compared.
class TestDocumentDialogs : public QObject
{
    Q_OBJECT

private slots:
    void dialogs_data();
    void dialogs();
    void opens_data();
    void opens();
    void captions_data();
    void captions();
    void tabOrder_data();
    void tabOrder();
};

void TestDocumentDialogs::dialogs_data()
{
    addDialogColumns();
    const QByteArray html32 = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">";

    newDialogRow("doctype empty inserts nothing and stays open", "doc", {"menu:mnudtype", "ok"},
                 {""}, true);
    newDialogRow("doctype fifth item on every OK", "doc",
                 {"menu:mnudtype", "Combo1#4", "ok", "ok"}, {html32, html32}, true);
    newDialogRow("doctype first and last items", "doc",
                 {"tab:Command14(0)", "Combo1#0", "ok", "Combo1#8", "ok"},
                 {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">",
                  "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 3//EN\">"},
                 true);
    newDialogRow("doctype typed text as it stands", "doc",
                 {"menu:mnudtype", "Combo1=<!DOCTYPE html>", "ok"}, {"<!DOCTYPE html>"}, true);
    newDialogRow("doctype cancel closes", "doc", {"menu:mnudtype", "Combo1#4", "ok", "cancel"},
                 {html32});

    newDialogRow("meta empty", "meta1", {"menu:mnumeta", "ok"}, {"<META>"});
    newDialogRow("meta name and content", "meta1",
                 {"tab:Command14(10)", "Text2=keywords", "Text3=a, b", "ok"},
                 {"<META NAME=\"keywords\" CONTENT=\"a, b\">"});
    newDialogRow("meta reopens empty", "meta1",
                 {"menu:mnumeta", "Text1=refresh", "Text2=n", "Text3=5", "ok", "menu:mnumeta",
                  "ok"},
                 {"<META HTTP-EQUIV=\"refresh\" NAME=\"n\" CONTENT=\"5\">", "<META>"});
    newDialogRow("meta cancel keeps the text", "meta1",
                 {"menu:mnumeta", "Text1=x", "cancel", "menu:mnumeta", "ok"},
                 {"<META HTTP-EQUIV=\"x\">"});

    newDialogRow("division empty", "div1", {"menu:mnudiv", "ok"}, {"<DIV>Division</DIV>"});
    newDialogRow("division picked", "div1", {"tab:Command14(8)", "Combo1#1", "ok"},
                 {"<DIV ALIGN=CENTER>Division</DIV>"});
    newDialogRow("division typed alignment is kept", "div1",
                 {"menu:mnudiv", "Combo1=justify", "ok", "menu:mnudiv", "ok"},
                 {"<DIV ALIGN=justify>Division</DIV>", "<DIV ALIGN=justify>Division</DIV>"});

    newDialogRow("body empty keeps its blank", "body1", {"menu:mnubody", "ok"}, {"<BODY >"});
    newDialogRow("body text colour alone", "body1", {"menu:mnubody", "Text3=FF0000", "ok"},
                 {"<BODY  TEXT=#FF0000>"});
    newDialogRow("body everything in order", "body1",
                 {"tab:Command14(3)", "Text1=back.gif", "Text2=FFFFFF", "Text3=000000",
                  "Text4=0000FF", "Text5=800080", "Text6=FF0000", "ok"},
                 {"<BODY  background=\"back.gif\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF"
                  " VLINK=#800080 ALINK=#FF0000>"});
    newDialogRow("body reopens empty", "body1",
                 {"menu:mnubody", "Text1=b.gif", "Text2=000000", "Text6=111111", "ok",
                  "menu:mnubody", "ok"},
                 {"<BODY  background=\"b.gif\" BGCOLOR=#000000 ALINK=#111111>", "<BODY >"});
    newDialogRow("body each colour button fills its row", "body1",
                 {"menu:mnubody", "colour:0A0000", "click:Command3(4)", "colour:000B00",
                  "click:Command3(0)", "colour:00000C", "click:Command3(3)", "colour:D00000",
                  "click:Command3(1)", "colour:00E000", "click:Command3(2)", "ok"},
                 {"<BODY  BGCOLOR=#000B00 TEXT=#D00000 LINK=#00E000 VLINK=#00000C"
                  " ALINK=#0A0000>"});
    newDialogRow("body chosen colour replaces typed digits", "body1",
                 {"menu:mnubody", "Text5=zzz", "colour:abcdef", "click:Command3(3)", "ok"},
                 {"<BODY  VLINK=#ABCDEF>"});
    newDialogRow("body cancelled colour leaves the field", "body1",
                 {"menu:mnubody", "Text4=00FF00", "colour:cancel", "click:Command3(2)", "ok"},
                 {"<BODY  LINK=#00FF00>"});

    newDialogRow("bgsound empty loops for ever", "bgs1", {"menu:mnubgsound", "ok"},
                 {"<BGSOUND LOOP=INFINITE>"});
    newDialogRow("bgsound source at start", "bgs1", {"menu:mnubgsound", "Text1=a.wav", "ok"},
                 {"<BGSOUND SRC=\"a.wav\" LOOP=INFINITE>"});
    newDialogRow("bgsound loop locked at start", "bgs1",
                 {"menu:mnubgsound", "Text2=3", "ok"}, {"<BGSOUND LOOP=INFINITE>"});
    newDialogRow("bgsound unchecked with a count", "bgs1",
                 {"menu:mnubgsound", "Text1=s.mid", "click:Check1", "Text2=3", "ok"},
                 {"<BGSOUND SRC=\"s.mid\" LOOP=3>"});
    newDialogRow("bgsound unchecked and empty", "bgs1",
                 {"menu:mnubgsound", "click:Check1", "ok"}, {"<BGSOUND LOOP=INFINITE>"});
    newDialogRow("bgsound checking erases the count", "bgs1",
                 {"menu:mnubgsound", "click:Check1", "Text2=3", "click:Check1", "ok"},
                 {"<BGSOUND LOOP=INFINITE>"});
    newDialogRow("bgsound reset keeps the box unchecked", "bgs1",
                 {"menu:mnubgsound", "click:Check1", "Text1=a.wav", "Text2=3", "ok",
                  "menu:mnubgsound", "ok", "Text2=4", "ok"},
                 {"<BGSOUND SRC=\"a.wav\" LOOP=3>", "<BGSOUND LOOP=INFINITE>",
                  "<BGSOUND LOOP=4>"});
    newDialogRow("bgsound reset keeps the field locked", "bgs1",
                 {"menu:mnubgsound", "Text1=a", "ok", "menu:mnubgsound", "Text2=5", "ok"},
                 {"<BGSOUND SRC=\"a\" LOOP=INFINITE>", "<BGSOUND LOOP=INFINITE>"});
}

void TestDocumentDialogs::dialogs()
{
    checkDialogRow();
}

void TestDocumentDialogs::opens_data()
{
    addOpenColumns();

    QTest::newRow("Document type... and its button")
        << "doc" << QStringList{"menu:mnudtype", "tab:Command14(0)"} << "Document Type...";
    QTest::newRow("META... and its button")
        << "meta1" << QStringList{"menu:mnumeta", "tab:Command14(10)"} << "META...";
    QTest::newRow("Division... and its button")
        << "div1" << QStringList{"menu:mnudiv", "tab:Command14(8)"} << "Division";
    QTest::newRow("Body... and the BODY button")
        << "body1" << QStringList{"menu:mnubody", "tab:Command14(3)"} << "Body...";
    QTest::newRow("Background Sound...")
        << "bgs1" << QStringList{"menu:mnubgsound"} << "Background Sound";
}

void TestDocumentDialogs::opens()
{
    checkOpenRow();
}

void TestDocumentDialogs::captions_data()
{
    addCaptionColumns();

    QTest::newRow("doctype label")
        << "menu:mnudtype" << "doc" << "Label1" << "Document Type:" << "Combo1";
    QTest::newRow("meta label")
        << "menu:mnumeta" << "meta1" << "Label3" << "Content:" << "Text3";
    QTest::newRow("body row caption")
        << "menu:mnubody" << "body1" << "Label2(3)" << "Visited link colour:" << "Text5";
    QTest::newRow("body hash") << "menu:mnubody" << "body1" << "Label2(9)" << "#" << "Text6";
    QTest::newRow("bgsound loop") << "menu:mnubgsound" << "bgs1" << "Label2" << "Loop:"
                                  << "Text2";
    QTest::newRow("bgsound note") << "menu:mnubgsound" << "bgs1" << "Label3"
                                  << "Note: This works only with Internet Explorer" << "";
}

void TestDocumentDialogs::captions()
{
    checkCaptionRow();
}

void TestDocumentDialogs::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("doctype") << "menu:mnudtype" << "doc"
                             << QStringList{"Combo1", "Command1", "Command2", "Combo1"};
    QTest::newRow("meta") << "menu:mnumeta" << "meta1"
                          << QStringList{"Text1", "Text2", "Text3", "Command1", "Command2",
                                         "Text1"};
    QTest::newRow("body") << "menu:mnubody" << "body1"
                          << QStringList{"Text1",       "Command1",    "Command2",
                                         "Text2",       "Text3",       "Text4",
                                         "Text5",       "Text6",       "Command3(0)",
                                         "Command3(1)", "Command3(2)", "Command3(3)",
                                         "Command3(4)", "Text1"};
    QTest::newRow("bgsound") << "menu:mnubgsound" << "bgs1"
                             << QStringList{"Text1", "Text2", "Check1", "Command1", "Command2",
                                            "Text1"};
}

void TestDocumentDialogs::tabOrder()
{
    checkTabOrderRow();
}

QTEST_MAIN(TestDocumentDialogs)
#include "tst_documentdialogs.moc"
