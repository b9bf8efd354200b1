#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlenza {

namespace {

const QString kPrefix = QStringLiteral("vorlenza_");

/// A translator that never hands back an empty text: an entry translated to nothing (a damaged
/// or hand-edited file) falls through to the next translator and finally to the English text,
/// so no caption ever goes blank.
class NonEmptyTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty())
            return {};
        return text;
    }
};

/// Qt's own translations. Several languages' files still hold the texts Qt 6 moved from the file
/// dialog to the file icon provider ("Folder", "Drive", "%1 File") under their old context, so the
/// dialog's file types stayed English: those are looked up there as well.
class QtTranslator : public NonEmptyTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString text = NonEmptyTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
            text = NonEmptyTranslator::translate("QFileDialog", sourceText, disambiguation, n);
        return text;
    }
};

template <class Translator = NonEmptyTranslator>
std::unique_ptr<QTranslator> loaded(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<Translator>();
    if (!translator->load(file, folder) || translator->isEmpty())
        return nullptr;
    return translator;
}

} // namespace

QString Translations::builtInFolder() { return QStringLiteral(":/i18n"); }

QString Translations::qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

QStringList Translations::available(const QString& folder)
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - 3);
    return languages;
}

QString Translations::choose(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::C)
            continue; // not a language name ("C", "POSIX", garbage)
        if (locale.language() == QLocale::English)
            return {};
        // "de-AT" is served by "de"; "zh-Hans" and "zh" by "zh_CN"; "pt" by "pt_BR"
        const QString full = locale.name();
        const QString bare = QLocale::languageToCode(locale.language());
        for (const QString& candidate : {full, bare})
            if (available.contains(candidate))
                return candidate;
    }
    return {};
}

Translations::Translations() = default;

Translations::~Translations() { remove(); }

void Translations::remove()
{
    for (auto* t : {&m_own, &m_qt})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    m_language.clear();
}

QString Translations::use(const QStringList& uiLanguages, const QString& folder, const QString& qtFolder)
{
    remove();
    const QString language = choose(uiLanguages, available(folder));
    if (language.isEmpty())
        return {};
    m_own = loaded(kPrefix + language, folder);
    if (!m_own)
        return {}; // unreadable: the program stays in English
    // Qt's own texts (save dialog, message-box buttons), only together with the program's, so
    // that an English program never shows foreign buttons.
    m_qt = loaded<QtTranslator>(QStringLiteral("qtbase_") + language, qtFolder);
    if (m_qt)
        QCoreApplication::installTranslator(m_qt.get());
    QCoreApplication::installTranslator(m_own.get());
    m_language = language;
    return language;
}

} // namespace vorlenza
