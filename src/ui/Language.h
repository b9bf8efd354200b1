#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace vorlenza {

/// The program's own translation and Qt's (dialog and message-box buttons) for the desktop's
/// language. Installed while the object lives; English, the texts in the code, when no
/// translation matches or a translation file cannot be read.
class Translations {
public:
    /// Where the program's .qm files are built into the resources.
    static QString builtInFolder();
    /// The languages the program has a translation for in `folder`, as file suffixes
    /// ("de", "pt_BR", "zh_CN"), sorted.
    static QStringList available(const QString& folder = builtInFolder());
    /// The translation file suffix to use for `uiLanguages` (as QLocale::uiLanguages() lists
    /// them, most wanted first), or an empty string for English: the first language that is
    /// English or has a translation in `available` decides.
    static QString choose(const QStringList& uiLanguages, const QStringList& available);

    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// Removes what an earlier call installed, then installs the translation chosen for
    /// `uiLanguages` from `folder`, and Qt's own for the same language from `qtFolder`.
    /// Returns the language installed, or an empty string when the program stays in English.
    QString use(const QStringList& uiLanguages, const QString& folder = builtInFolder(),
                const QString& qtFolder = qtTranslationsFolder());
    /// The language installed now, or an empty string for English.
    QString language() const { return m_language; }

    static QString qtTranslationsFolder();

private:
    void remove();

    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
    QString m_language;
};

} // namespace vorlenza
