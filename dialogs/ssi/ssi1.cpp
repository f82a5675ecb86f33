#include "ssi1.h"

#include "directive.h"

#include <QComboBox>

namespace {
const QStringList variables = {
    "DOCUMENT_NAME",   "DOCUMENT_URL",    "QUERY_STRING_UNESCAPED",
    "DATE_GMT",        "DATE_LOCAL",      "LAST_MODIFIED",
    "REMOTE_ADDR",     "QUERY_STRING",    "SERVER_NAME",
    "SERVER_SOFTWARE", "GATEWAY_INTERFACE", "SERVER_PROTOCOL",
    "SERVER_PORT",     "REQUEST_METHOD",  "PATH_INFO",
    "PATH_TRANSLATED", "SCRIPT_NAME",     "REMOTE_HOST",
    "AUTH_TYPE",       "REMOTE_USER",     "REMOTE_IDENT",
    "CONTENT_TYPE",    "CONTENT_LENGTH",  "HTTP_ACCEPT",
    "HTTP_USER_AGENT", "REFERER",         "FROM",
    "FORWARED",        "ACCEPT_LANGUAGE", "HTTP_COOKIE",
};
} // namespace

ssi1::ssi1(Form1 &form)
    : TagDialog(form, {"ssi1", "Echo...", "Echo", {3675, 1620}})
{
    Combo1 = addCombo("Combo1", {"Label1", "variable:"}, variables, 0);
}

QString ssi1::build()
{
    return directive("echo", attribute("var", Combo1->currentText(), Value::Quoted));
}
