#pragma once

#include <QSettings>

// The choices Quillet keeps between runs, in the user's own settings (the configuration
// folder on Linux, the registry on Windows): read once at start, written as each changes.
// Settings that cannot be read, or that read as no choice Quillet knows, give the first
// start's choices; settings that cannot be written are lost without a word.
class Settings
{
public:
    Settings();

    bool lineNumbers() const { return m_lineNumbers; }
    void setLineNumbers(bool on);
    bool folding() const { return m_folding; }
    void setFolding(bool on);
    bool completion() const { return m_completion; }
    void setCompletion(bool on);
    int zoom() const { return m_zoom; }
    void setZoom(int level);
    bool livePreview() const { return m_livePreview; }
    void setLivePreview(bool on);
    // The editor's share of the width it has with the live preview, in thousandths.
    int previewSplit() const { return m_previewSplit; }
    void setPreviewSplit(int share);
    bool spelling() const { return m_spelling; }
    void setSpelling(bool on);
    // The dictionary of pages without a LANG of their own; empty for the system's.
    QString spellingLanguage() const { return m_spellingLanguage; }
    void setSpellingLanguage(const QString &language);

    // Where they are kept: a file, or a key of the registry.
    QString location() const { return m_store.fileName(); }

private:
    template<class T>
    void keep(T &held, T value, const char *key);

    QSettings m_store;
    bool m_lineNumbers;
    bool m_folding;
    bool m_completion;
    int m_zoom;
    bool m_livePreview;
    int m_previewSplit;
    bool m_spelling;
    QString m_spellingLanguage;
};
