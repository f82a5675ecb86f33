#include "vocabulary.h"

#include <algorithm>

QString Attribute::written(const QString &value) const
{
    switch (form) {
    case Value::Quoted:
        return name + QStringLiteral("=\"") + value + QLatin1Char('"');
    case Value::Colour:
        return name + QStringLiteral("=#") + value;
    case Value::Flag:
        return name;
    case Value::Bare:
        break;
    }
    return name + QLatin1Char('=') + value;
}

const Attribute *Element::attribute(const QString &name) const
{
    for (const Attribute &attribute : attributes) {
        if (attribute.name.compare(name, Qt::CaseInsensitive) == 0)
            return &attribute;
    }
    return nullptr;
}

namespace {
using Attributes = std::vector<Attribute>;

Attribute quoted(const char *name, const QStringList &values = {})
{
    return {QString::fromLatin1(name), Value::Quoted, values};
}

Attribute bare(const char *name, const QStringList &values = {})
{
    return {QString::fromLatin1(name), Value::Bare, values};
}

Attribute colour(const char *name)
{
    return {QString::fromLatin1(name), Value::Colour, {}};
}

Attribute flag(const char *name)
{
    return {QString::fromLatin1(name), Value::Flag, {}};
}

Attributes operator+(Attributes first, const Attributes &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Element paired(const char *name, const Attributes &attributes = {},
               const QStringList &endedBy = {})
{
    return {QString::fromLatin1(name), attributes, false, false, endedBy};
}

Element empty(const char *name, const Attributes &attributes = {})
{
    return {QString::fromLatin1(name), attributes, true, false, {}};
}

Element rawText(const char *name, const Attributes &attributes = {})
{
    return {QString::fromLatin1(name), attributes, false, true, {}};
}

// The lists of the dialogs' combo boxes, and of HTML's own values.
const QStringList alignments = {"LEFT", "CENTER", "RIGHT", "CLEAR"};
const QStringList imageAlignments = {"LEFT",     "CENTER",     "RIGHT",     "ABSBOTTOM",
                                     "ABSMIDDLE", "BASELINE",  "BLEEDRIGHT", "BLEEDLEFT",
                                     "TOP",      "BOTTOM",     "MIDDLE"};
const QStringList objectAlignments = {"TOP", "MIDDLE", "BOTTOM", "LEFT", "RIGHT"};
const QStringList sideAlignments = {"TOP", "BOTTOM", "LEFT", "RIGHT"};
const QStringList blockAlignments = {"LEFT", "CENTER", "RIGHT"};
const QStringList cellAlignments = {"LEFT", "CENTER", "RIGHT", "JUSTIFY", "CHAR"};
const QStringList verticalAlignments = {"TOP", "MIDDLE", "BOTTOM", "BASELINE"};
const QStringList fontFaces = {"Times New Roman", "Arial", "Lucida Casual", "Terminal",
                               "Courier New"};
const QStringList shapes = {"RECT", "CIRCLE", "POLY", "DEFAULT"};
const QStringList scrolling = {"YES", "NO", "AUTO"};
const QStringList echoVariables = {
    "DOCUMENT_NAME",   "DOCUMENT_URL",      "QUERY_STRING_UNESCAPED",
    "DATE_GMT",        "DATE_LOCAL",        "LAST_MODIFIED",
    "REMOTE_ADDR",     "QUERY_STRING",      "SERVER_NAME",
    "SERVER_SOFTWARE", "GATEWAY_INTERFACE", "SERVER_PROTOCOL",
    "SERVER_PORT",     "REQUEST_METHOD",    "PATH_INFO",
    "PATH_TRANSLATED", "SCRIPT_NAME",       "REMOTE_HOST",
    "AUTH_TYPE",       "REMOTE_USER",       "REMOTE_IDENT",
    "CONTENT_TYPE",    "CONTENT_LENGTH",    "HTTP_ACCEPT",
    "HTTP_USER_AGENT", "REFERER",           "FROM",
    "FORWARED",        "ACCEPT_LANGUAGE",   "HTTP_COOKIE",
};
// The start tags of blocks, each of which ends an open paragraph.
const QStringList blocks = {"P",     "DIV",        "UL",     "OL",   "DL",      "DIR",
                            "MENU",  "PRE",        "XMP",    "LISTING", "H1",   "H2",
                            "H3",    "H4",         "H5",     "H6",   "TABLE",   "BLOCKQUOTE",
                            "CENTER", "FORM",      "HR",     "ADDRESS", "FIELDSET",
                            "MULTICOL"};
// The elements whose lines fold away in the editor, and comments do too.
const QStringList folding = {"HTML", "HEAD", "BODY", "TABLE", "TR", "UL", "OL", "DL", "DIV",
                             "FORM", "SELECT", "CENTER", "BLOCKQUOTE", "PRE", "FRAMESET",
                             "NOFRAMES", "SCRIPT", "STYLE", "MAP"};

Attributes core()
{
    return {quoted("ID"), quoted("CLASS"), quoted("STYLE"), quoted("TITLE")};
}

Attributes i18n()
{
    return {quoted("LANG"), bare("DIR", {"LTR", "RTL"})};
}

Attributes events()
{
    return {quoted("ONCLICK"),     quoted("ONDBLCLICK"), quoted("ONMOUSEDOWN"),
            quoted("ONMOUSEUP"),   quoted("ONMOUSEOVER"), quoted("ONMOUSEMOVE"),
            quoted("ONMOUSEOUT"),  quoted("ONKEYPRESS"), quoted("ONKEYDOWN"),
            quoted("ONKEYUP")};
}

// What most elements of HTML 4 have.
Attributes common()
{
    return core() + i18n() + events();
}

Attributes focus()
{
    return {bare("TABINDEX"), quoted("ACCESSKEY"), quoted("ONFOCUS"), quoted("ONBLUR")};
}

Attributes cellPlacement()
{
    return {bare("ALIGN", cellAlignments), quoted("CHAR"), bare("CHAROFF"),
            bare("VALIGN", verticalAlignments)};
}

Attributes borderColours()
{
    return {colour("BORDERCOLOR"), colour("BORDERCOLORLIGHT"), colour("BORDERCOLORDARK")};
}

Attributes tableCell()
{
    return common() + borderColours() + cellPlacement()
           + Attributes{colour("BGCOLOR"), bare("ROWSPAN"), bare("COLSPAN"), bare("WIDTH"),
                        bare("HEIGHT"), flag("NOWRAP"), quoted("ABBR"), quoted("AXIS"),
                        quoted("HEADERS"), bare("SCOPE", {"ROW", "COL", "ROWGROUP", "COLGROUP"})};
}

std::vector<Element> htmlElements()
{
    std::vector<Element> elements = {
        // What the program's snippets, dialogs and wizard write.
        paired("ABBREV"),
        paired("ABOVE"),
        paired("ACRONYM", common()),
        paired("ADDRESS", common()),
        paired("A", common() + focus()
                        + Attributes{quoted("HREF"), quoted("NAME"), bare("METHODS"),
                                     quoted("TARGET"), bare("REL"), bare("REV"),
                                     quoted("CHARSET"), quoted("TYPE"), quoted("HREFLANG"),
                                     bare("SHAPE", shapes), quoted("COORDS")}),
        paired("ARRAY"),
        paired("B", common()),
        paired("BELOW"),
        empty("BGSOUND", {quoted("SRC"), bare("LOOP", {"INFINITE"})}),
        paired("BIG", common()),
        paired("BLINK"),
        paired("BLOCKQUOTE", common() + Attributes{quoted("CITE")}),
        paired("BODY", common()
                           + Attributes{quoted("background"), colour("BGCOLOR"), colour("TEXT"),
                                        colour("LINK"), colour("VLINK"), colour("ALINK"),
                                        quoted("ONLOAD"), quoted("ONUNLOAD")}),
        empty("BR", core() + Attributes{bare("CLEAR", {"LEFT", "ALL", "RIGHT", "NONE"})}),
        paired("CENTER", common()),
        paired("CODE", common()),
        paired("COMMENT"),
        paired("DD", common(), {"DT", "DD"}),
        paired("DIR", common() + Attributes{flag("COMPACT")}),
        paired("DIV", common() + Attributes{bare("ALIGN", alignments)}),
        paired("DL", common() + Attributes{flag("COMPACT")}),
        paired("DT", common(), {"DT", "DD"}),
        empty("EMBED", {quoted("SRC"), bare("WIDTH"), bare("HEIGHT"), bare("BORDER"),
                        bare("LOOP"), quoted("NAME")}),
        paired("FONT", core() + i18n()
                           + Attributes{colour("COLOR"), bare("SIZE"),
                                        quoted("FACE", fontFaces)}),
        paired("FORM", common()
                           + Attributes{bare("ACTION"), quoted("METHOD", {"GET", "POST"}),
                                        bare("ENCTYPE", {"application/x-www-form-urlencoded",
                                                         "multipart/form-data"}),
                                        quoted("NAME"), quoted("TARGET"), quoted("ACCEPT"),
                                        quoted("ACCEPT-CHARSET"), quoted("ONSUBMIT"),
                                        quoted("ONRESET")}),
        empty("FRAME", core()
                           + Attributes{quoted("SRC"), quoted("NAME"), bare("MARGINHEIGHT"),
                                        bare("MARGINWIDTH"), bare("FRAMEBORDER", {"1", "0"}),
                                        bare("FRAMESPACING"), bare("SCROLLING", scrolling),
                                        flag("NORESIZE"), quoted("LONGDESC")}),
        paired("FRAMESET", core()
                               + Attributes{quoted("ROWS"), quoted("COLS"), bare("BORDER"),
                                            colour("BORDERCOLOR"), bare("FRAMEBORDER"),
                                            bare("FRAMESPACING"), quoted("ONLOAD"),
                                            quoted("ONUNLOAD")}),
        paired("HTML", i18n() + Attributes{quoted("VERSION")}),
        paired("I", common()),
        paired("IFRAME", core()
                             + Attributes{quoted("NAME"), quoted("SRC"), bare("WIDTH"),
                                          bare("HEIGHT"), bare("FRAMEBORDER", {"1", "0"}),
                                          bare("MARGINWIDTH"), bare("MARGINHEIGHT"),
                                          bare("SCROLLING", scrolling),
                                          bare("ALIGN", objectAlignments), quoted("LONGDESC")}),
        empty("IMG", common()
                         + Attributes{quoted("SRC"), quoted("LOWSRC"), quoted("ALT"),
                                      bare("ALIGN", imageAlignments), bare("WIDTH"),
                                      bare("HEIGHT"), bare("BORDER"), quoted("USEMAP"),
                                      flag("ISMAP"), bare("HSPACE"), bare("VSPACE"),
                                      quoted("NAME"), quoted("LONGDESC")}),
        empty("INPUT", common() + focus()
                           + Attributes{bare("TYPE", {"TEXT", "TEXTAREA", "CHECKBOX", "HIDDEN",
                                                      "IMAGE", "RADIO", "RESET", "SUBMIT",
                                                      "PASSWORD"}),
                                        bare("ALIGN", alignments), quoted("VALUE"),
                                        quoted("NAME"), bare("SIZE"), bare("MAXLENGTH"),
                                        quoted("SRC"), flag("CHECKED"), flag("DISABLED"),
                                        flag("READONLY"), quoted("ALT"), quoted("USEMAP"),
                                        flag("ISMAP"), quoted("ONSELECT"), quoted("ONCHANGE"),
                                        quoted("ACCEPT")}),
        empty("ISINDEX", core() + i18n() + Attributes{quoted("PROMPT"), quoted("ACTION")}),
        paired("LI", common() + Attributes{bare("TYPE", {"DISC", "SQUARE", "CIRCLE", "1", "a",
                                                         "A", "i", "I"}),
                                           bare("VALUE")},
               {"LI"}),
        paired("LISTING"),
        paired("MARQUEE", {bare("ALIGN", alignments), bare("DIRECTION", {"LEFT", "RIGHT"}),
                           bare("BEHAVIOR", {"SCROLL", "SLIDE", "ALTERNATE"}),
                           colour("BGCOLOR"), bare("HEIGHT"), bare("WIDTH"), bare("HSPACE"),
                           bare("VSPACE"), bare("LOOP", {"INFINITE"}), bare("SCROLLAMOUNT"),
                           bare("SCROLLDELAY")}),
        paired("MATH"),
        paired("MENU", common() + Attributes{flag("COMPACT")}),
        empty("META", i18n()
                          + Attributes{quoted("HTTP-EQUIV"), quoted("NAME"), quoted("CONTENT"),
                                       quoted("SCHEME")}),
        paired("MULTICOL", {bare("COLS"), bare("GUTTER"), bare("WIDTH")}),
        empty("NEXTID", {bare("N")}),
        paired("NOBR"),
        paired("NOFRAMES", common()),
        paired("OL", common() + Attributes{bare("TYPE", {"A", "a", "I", "i", "1"}),
                                           bare("START"), flag("COMPACT")}),
        paired("OPTION", common()
                             + Attributes{quoted("VALUE"), flag("PLAIN"), flag("CHECKED"),
                                          flag("SELECTED"), flag("DISABLED"), quoted("LABEL")},
               {"OPTION", "OPTGROUP"}),
        paired("OVER"),
        paired("P", common()
                        + Attributes{bare("ALIGN", {"LEFT", "CENTER", "RIGHT", "INDENT",
                                                    "JUSTIFY"}),
                                     bare("CLEAR", {"LEFT", "RIGHT", "ALL"}), flag("NOWRAP")},
               blocks),
        paired("PERSON"),
        paired("PLAINTEXT"),
        paired("ROOT"),
        paired("SAMPLE"),
        paired("SELECT", common() + focus()
                             + Attributes{quoted("NAME"), bare("SIZE"), flag("MULTIPLE"),
                                          flag("DISABLED"), quoted("ONCHANGE")}),
        empty("SPACER", {quoted("TYPE", {"horizontal", "vertical", "block"}), bare("SIZE"),
                         bare("WIDTH"), bare("HEIGHT"),
                         quoted("ALIGN", {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE",
                                          "ABSMIDDLE", "BASELINE", "BOTTOM", "ABSBOTTOM"})}),
        paired("SQRT"),
        paired("STRIKE", common()),
        paired("SUB", common()),
        paired("SUP", common()),
        paired("TABLE", common() + borderColours()
                            + Attributes{bare("BORDER"), bare("CELLPADDING"),
                                         bare("CELLSPACING"), bare("ALIGN", blockAlignments),
                                         bare("VALIGN", verticalAlignments), bare("WIDTH"),
                                         colour("BGCOLOR"), quoted("SUMMARY"),
                                         bare("FRAME", {"VOID", "ABOVE", "BELOW", "HSIDES",
                                                        "LHS", "RHS", "VSIDES", "BOX",
                                                        "BORDER"}),
                                         bare("RULES", {"NONE", "GROUPS", "ROWS", "COLS",
                                                        "ALL"})}),
        paired("TD", tableCell(), {"TD", "TH", "TR", "THEAD", "TBODY", "TFOOT"}),
        paired("TEXTAREA", common() + focus()
                               + Attributes{bare("ROWS"), bare("COLS"), quoted("NAME"),
                                            bare("WRAP", {"PHYSICAL", "VIRTUAL", "OFF"}),
                                            flag("DISABLED"), flag("READONLY"),
                                            quoted("ONSELECT"), quoted("ONCHANGE")}),
        paired("TH", tableCell(), {"TD", "TH", "TR", "THEAD", "TBODY", "TFOOT"}),
        paired("TITLE", i18n()),
        paired("TR", common() + cellPlacement() + Attributes{colour("BGCOLOR")},
               {"TR", "THEAD", "TBODY", "TFOOT"}),
        paired("TT", common()),
        paired("U", common()),
        paired("UL", common() + Attributes{bare("TYPE", {"SQUARE", "CIRCLE", "DISC", "RADIO"}),
                                           flag("COMPACT")}),
        rawText("XMP"),

        // The rest of HTML 3.2 and HTML 4.01 Transitional.
        paired("ABBR", common()),
        paired("APPLET", core()
                             + Attributes{quoted("CODE"), quoted("CODEBASE"), quoted("ARCHIVE"),
                                          quoted("OBJECT"), quoted("ALT"), quoted("NAME"),
                                          bare("WIDTH"), bare("HEIGHT"),
                                          bare("ALIGN", objectAlignments), bare("HSPACE"),
                                          bare("VSPACE")}),
        empty("AREA", common() + focus()
                          + Attributes{bare("SHAPE", shapes), quoted("COORDS"), quoted("HREF"),
                                       flag("NOHREF"), quoted("ALT"), quoted("TARGET")}),
        empty("BASE", {quoted("HREF"), quoted("TARGET")}),
        empty("BASEFONT", {quoted("ID"), bare("SIZE"), colour("COLOR"),
                           quoted("FACE", fontFaces)}),
        paired("BDO", core() + i18n()),
        paired("BUTTON", common() + focus()
                             + Attributes{quoted("NAME"), quoted("VALUE"),
                                          bare("TYPE", {"BUTTON", "SUBMIT", "RESET"}),
                                          flag("DISABLED")}),
        paired("CAPTION", common() + Attributes{bare("ALIGN", sideAlignments)}),
        paired("CITE", common()),
        empty("COL", common() + cellPlacement() + Attributes{bare("SPAN"), bare("WIDTH")}),
        paired("COLGROUP", common() + cellPlacement() + Attributes{bare("SPAN"), bare("WIDTH")},
               {"COLGROUP", "THEAD", "TBODY", "TFOOT", "TR"}),
        paired("DEL", common() + Attributes{quoted("CITE"), quoted("DATETIME")}),
        paired("DFN", common()),
        paired("EM", common()),
        paired("FIELDSET", common()),
        paired("HEAD", i18n() + Attributes{quoted("PROFILE")}, {"BODY", "FRAMESET"}),
        empty("HR", common()
                        + Attributes{bare("ALIGN", blockAlignments), flag("NOSHADE"),
                                     bare("SIZE"), bare("WIDTH")}),
        paired("INS", common() + Attributes{quoted("CITE"), quoted("DATETIME")}),
        paired("KBD", common()),
        paired("LABEL", common()
                            + Attributes{quoted("FOR"), quoted("ACCESSKEY"), quoted("ONFOCUS"),
                                         quoted("ONBLUR")}),
        paired("LEGEND", common() + Attributes{quoted("ACCESSKEY"),
                                               bare("ALIGN", sideAlignments)}),
        empty("LINK", common()
                          + Attributes{quoted("HREF"), quoted("REL"), quoted("REV"),
                                       quoted("TYPE"), quoted("MEDIA"), quoted("CHARSET"),
                                       quoted("HREFLANG"), quoted("TARGET")}),
        paired("MAP", common() + Attributes{quoted("NAME")}),
        paired("NOSCRIPT", common()),
        paired("OBJECT", common()
                             + Attributes{quoted("CLASSID"), quoted("CODEBASE"), quoted("DATA"),
                                          quoted("TYPE"), quoted("CODETYPE"), quoted("ARCHIVE"),
                                          quoted("STANDBY"), bare("WIDTH"), bare("HEIGHT"),
                                          quoted("USEMAP"), quoted("NAME"), bare("TABINDEX"),
                                          bare("ALIGN", objectAlignments), bare("BORDER"),
                                          bare("HSPACE"), bare("VSPACE"), flag("DECLARE")}),
        paired("OPTGROUP", common() + Attributes{quoted("LABEL"), flag("DISABLED")}),
        empty("PARAM", {quoted("ID"), quoted("NAME"), quoted("VALUE"),
                        bare("VALUETYPE", {"DATA", "REF", "OBJECT"}), quoted("TYPE")}),
        paired("PRE", common() + Attributes{bare("WIDTH")}),
        paired("Q", common() + Attributes{quoted("CITE")}),
        paired("S", common()),
        paired("SAMP", common()),
        rawText("SCRIPT", {quoted("TYPE"), quoted("LANGUAGE"), quoted("SRC"),
                           quoted("CHARSET"), flag("DEFER")}),
        paired("SMALL", common()),
        paired("SPAN", common()),
        paired("STRONG", common()),
        rawText("STYLE", i18n() + Attributes{quoted("TYPE"), quoted("MEDIA"), quoted("TITLE")}),
        paired("TBODY", common() + cellPlacement(), {"TBODY", "TFOOT"}),
        paired("TFOOT", common() + cellPlacement(), {"TBODY"}),
        paired("THEAD", common() + cellPlacement(), {"TBODY", "TFOOT"}),
        paired("VAR", common()),

        // Empty elements of browsers before and after, which pages have and tag matching
        // knows.
        empty("WBR"),
        empty("KEYGEN", {quoted("NAME")}),
        empty("SOURCE", {quoted("SRC"), quoted("TYPE"), quoted("MEDIA")}),
        empty("TRACK", {quoted("SRC"), bare("KIND"), quoted("SRCLANG"), quoted("LABEL")}),
    };
    const Attributes heading = common()
                               + Attributes{bare("ALIGN", alignments), flag("NOWRAP"),
                                            quoted("DINGBAT"), quoted("MD")};
    for (const char *name : {"H1", "H2", "H3", "H4", "H5", "H6"})
        elements.push_back(paired(name, heading));
    for (Element &element : elements)
        element.folds = folding.contains(element.name);
    std::sort(elements.begin(), elements.end(),
              [](const Element &a, const Element &b) { return a.name < b.name; });
    return elements;
}

std::vector<Element> ssiDirectives()
{
    const Attributes fileOrVirtual = {quoted("Virtual"), quoted("File")};
    return {
        paired("echo", {quoted("var", echoVariables)}),
        paired("exec", {quoted("cmd"), quoted("cgi")}),
        paired("include", {quoted("virtual"), quoted("file")}),
        paired("email", {quoted("fromaddress"), quoted("toaddress"), quoted("fromhost"),
                         quoted("tohost")}),
        paired("fsize", fileOrVirtual),
        paired("flastmod", fileOrVirtual),
        paired("if"),
        paired("goto"),
        paired("label"),
        paired("break"),
        paired("config", {quoted("errmsg"), quoted("timefmt"), quoted("sizefmt")}),
    };
}

// The Latin-1 entities, for the characters from U+00A0 on.
const char *const latin1Entities[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// HTML 4's special characters, symbols and Greek letters.
const std::pair<const char *, char16_t> otherEntities[] = {
    {"quot", 34},      {"amp", 38},       {"lt", 60},        {"gt", 62},
    {"OElig", 338},    {"oelig", 339},    {"Scaron", 352},   {"scaron", 353},
    {"Yuml", 376},     {"fnof", 402},     {"circ", 710},     {"tilde", 732},
    {"Alpha", 913},    {"Beta", 914},     {"Gamma", 915},    {"Delta", 916},
    {"Epsilon", 917},  {"Zeta", 918},     {"Eta", 919},      {"Theta", 920},
    {"Iota", 921},     {"Kappa", 922},    {"Lambda", 923},   {"Mu", 924},
    {"Nu", 925},       {"Xi", 926},       {"Omicron", 927},  {"Pi", 928},
    {"Rho", 929},      {"Sigma", 931},    {"Tau", 932},      {"Upsilon", 933},
    {"Phi", 934},      {"Chi", 935},      {"Psi", 936},      {"Omega", 937},
    {"alpha", 945},    {"beta", 946},     {"gamma", 947},    {"delta", 948},
    {"epsilon", 949},  {"zeta", 950},     {"eta", 951},      {"theta", 952},
    {"iota", 953},     {"kappa", 954},    {"lambda", 955},   {"mu", 956},
    {"nu", 957},       {"xi", 958},       {"omicron", 959},  {"pi", 960},
    {"rho", 961},      {"sigmaf", 962},   {"sigma", 963},    {"tau", 964},
    {"upsilon", 965},  {"phi", 966},      {"chi", 967},      {"psi", 968},
    {"omega", 969},    {"thetasym", 977}, {"upsih", 978},    {"piv", 982},
    {"ensp", 8194},    {"emsp", 8195},    {"thinsp", 8201},  {"zwnj", 8204},
    {"zwj", 8205},     {"lrm", 8206},     {"rlm", 8207},     {"ndash", 8211},
    {"mdash", 8212},   {"lsquo", 8216},   {"rsquo", 8217},   {"sbquo", 8218},
    {"ldquo", 8220},   {"rdquo", 8221},   {"bdquo", 8222},   {"dagger", 8224},
    {"Dagger", 8225},  {"bull", 8226},    {"hellip", 8230},  {"permil", 8240},
    {"prime", 8242},   {"Prime", 8243},   {"lsaquo", 8249},  {"rsaquo", 8250},
    {"oline", 8254},   {"frasl", 8260},   {"euro", 8364},    {"image", 8465},
    {"weierp", 8472},  {"real", 8476},    {"trade", 8482},   {"alefsym", 8501},
    {"larr", 8592},    {"uarr", 8593},    {"rarr", 8594},    {"darr", 8595},
    {"harr", 8596},    {"crarr", 8629},   {"lArr", 8656},    {"uArr", 8657},
    {"rArr", 8658},    {"dArr", 8659},    {"hArr", 8660},    {"forall", 8704},
    {"part", 8706},    {"exist", 8707},   {"empty", 8709},   {"nabla", 8711},
    {"isin", 8712},    {"notin", 8713},   {"ni", 8715},      {"prod", 8719},
    {"sum", 8721},     {"minus", 8722},   {"lowast", 8727},  {"radic", 8730},
    {"prop", 8733},    {"infin", 8734},   {"ang", 8736},     {"and", 8743},
    {"or", 8744},      {"cap", 8745},     {"cup", 8746},     {"int", 8747},
    {"there4", 8756},  {"sim", 8764},     {"cong", 8773},    {"asymp", 8776},
    {"ne", 8800},      {"equiv", 8801},   {"le", 8804},      {"ge", 8805},
    {"sub", 8834},     {"sup", 8835},     {"nsub", 8836},    {"sube", 8838},
    {"supe", 8839},    {"oplus", 8853},   {"otimes", 8855},  {"perp", 8869},
    {"sdot", 8901},    {"lceil", 8968},   {"rceil", 8969},   {"lfloor", 8970},
    {"rfloor", 8971},  {"lang", 9001},    {"rang", 9002},    {"loz", 9674},
    {"spades", 9824},  {"clubs", 9827},   {"hearts", 9829},  {"diams", 9830},
};

std::vector<Entity> htmlEntities()
{
    std::vector<Entity> entities;
    char16_t character = 0xA0;
    for (const char *name : latin1Entities)
        entities.push_back({QString::fromLatin1(name), character++});
    for (const auto &[name, code] : otherEntities)
        entities.push_back({QString::fromLatin1(name), code});
    std::sort(entities.begin(), entities.end(), [](const Entity &a, const Entity &b) {
        const int byLetters = a.name.compare(b.name, Qt::CaseInsensitive);
        return byLetters != 0 ? byLetters < 0 : a.name < b.name;
    });
    return entities;
}

template<class Item>
const Item *find(const std::vector<Item> &items, const QString &name, Qt::CaseSensitivity cs)
{
    const auto found = std::find_if(items.begin(), items.end(), [&](const Item &item) {
        return item.name.compare(name, cs) == 0;
    });
    return found == items.end() ? nullptr : &*found;
}
} // namespace

namespace Vocabulary {
const std::vector<Element> &elements()
{
    static const std::vector<Element> elements = htmlElements();
    return elements;
}

const std::vector<Element> &directives()
{
    static const std::vector<Element> directives = ssiDirectives();
    return directives;
}

const std::vector<Entity> &entities()
{
    static const std::vector<Entity> entities = htmlEntities();
    return entities;
}

const QStringList &documentTypes()
{
    static const QStringList types = [] {
        QStringList declarations;
        for (const char *identifier :
             {"-//IETF//DTD HTML//EN", "-//IETF//DTD HTML 1.0//EN", "-//IETF//DTD HTML 2.0//EN",
              "-//IETF//DTD HTML 3.0//EN", "-//W3C//DTD HTML 3.2//EN",
              "-//IETF//DTD HTML Level 0//EN", "-//IETF//DTD HTML Level 1//EN",
              "-//IETF//DTD HTML Level 2//EN", "-//IETF//DTD HTML Level 3//EN"})
            declarations << QStringLiteral("<!DOCTYPE HTML PUBLIC \"%1\">")
                                .arg(QLatin1String(identifier));
        return declarations;
    }();
    return types;
}

const Element *element(const QString &name)
{
    const QByteArray bytes = name.toLatin1();
    return element(bytes.constData(), bytes.size());
}

const Element *element(const char *name, qsizetype length)
{
    // Asked of every start tag of a page: the upper-case names in byte order, against which
    // the name is upper-cased on the way.
    using Key = std::pair<QByteArray, const Element *>;
    static const std::vector<Key> byName = [] {
        std::vector<Key> keys;
        for (const Element &element : elements())
            keys.emplace_back(element.name.toLatin1(), &element);
        return keys;
    }();
    const auto compare = [&](const QByteArray &known) {
        const qsizetype size = known.size();
        for (qsizetype i = 0; i < std::min(size, length); ++i) {
            const char c = name[i] >= 'a' && name[i] <= 'z' ? char(name[i] - 'a' + 'A') : name[i];
            if (known.at(i) != c)
                return uchar(known.at(i)) < uchar(c) ? -1 : 1;
        }
        return size < length ? -1 : size > length ? 1 : 0;
    };
    const auto found = std::partition_point(byName.begin(), byName.end(),
                                            [&](const Key &key) { return compare(key.first) < 0; });
    return found != byName.end() && compare(found->first) == 0 ? found->second : nullptr;
}

const Element *directive(const QString &name)
{
    return find(directives(), name, Qt::CaseInsensitive);
}

const Entity *entity(const QString &name)
{
    return find(entities(), name, Qt::CaseSensitive);
}
} // namespace Vocabulary
