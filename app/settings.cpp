#include "settings.h"

#include "editor/editor.h"

#include <algorithm>

namespace {
const char lineNumbersKey[] = "View/LineNumbers";
const char foldingKey[] = "View/Folding";
const char completionKey[] = "Options/AutoComplete";
const char zoomKey[] = "View/Zoom";
const char livePreviewKey[] = "View/LivePreview";
const char previewSplitKey[] = "View/PreviewSplit";
const char spellingKey[] = "Options/Spelling";
const char spellingLanguageKey[] = "Options/SpellingLanguage";

bool readFlag(const QSettings &store, const char *key, bool firstStart)
{
    const QString text = store.value(QLatin1String(key)).toString();
    if (text == QLatin1String("true"))
        return true;
    return text == QLatin1String("false") ? false : firstStart;
}

int readNumber(const QSettings &store, const char *key, int least, int most, int firstStart)
{
    bool ok = false;
    const int number = store.value(QLatin1String(key)).toString().toInt(&ok);
    return ok && number >= least && number <= most ? number : firstStart;
}
} // namespace

// In the platform's own format unless a test has chosen another, with a folder of its own.
Settings::Settings()
    : m_store(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Quillet"),
              QStringLiteral("Quillet"))
{
    // The user's own choices only, none of the system's.
    m_store.setFallbacksEnabled(false);
    m_lineNumbers = readFlag(m_store, lineNumbersKey, true);
    m_folding = readFlag(m_store, foldingKey, true);
    m_completion = readFlag(m_store, completionKey, true);
    m_zoom = readNumber(m_store, zoomKey, Editor::minimumZoom, Editor::maximumZoom, 0);
    m_livePreview = readFlag(m_store, livePreviewKey, false);
    m_previewSplit = readNumber(m_store, previewSplitKey, 100, 900, 500);
    m_spelling = readFlag(m_store, spellingKey, true);
    m_spellingLanguage = m_store.value(QLatin1String(spellingLanguageKey)).toString();
}

void Settings::setLineNumbers(bool on)
{
    keep(m_lineNumbers, on, lineNumbersKey);
}

void Settings::setFolding(bool on)
{
    keep(m_folding, on, foldingKey);
}

void Settings::setCompletion(bool on)
{
    keep(m_completion, on, completionKey);
}

void Settings::setZoom(int level)
{
    keep(m_zoom, level, zoomKey);
}

void Settings::setLivePreview(bool on)
{
    keep(m_livePreview, on, livePreviewKey);
}

void Settings::setPreviewSplit(int share)
{
    keep(m_previewSplit, std::clamp(share, 100, 900), previewSplitKey);
}

void Settings::setSpelling(bool on)
{
    keep(m_spelling, on, spellingKey);
}

void Settings::setSpellingLanguage(const QString &language)
{
    keep(m_spellingLanguage, language, spellingLanguageKey);
}

template<class T>
void Settings::keep(T &held, T value, const char *key)
{
    if (held == value)
        return;
    held = value;
    m_store.setValue(QLatin1String(key), value);
    m_store.sync();
}
