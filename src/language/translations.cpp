#include "translations.h"
#include "language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
const QString kResourceFolder = QStringLiteral(":/translations");

std::unique_ptr<QTranslator> installed(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}
} // namespace

Translations::Translations(const QString &language) : m_language(language)
{
    // Qt asks the translator installed last first: the language itself goes
    // last, English plurals stand behind it.
    m_plurals = installed(QStringLiteral("orvelle_en"), kResourceFolder);
    if (language.isEmpty() || language == Language::Pseudo())
        QLocale::setDefault(QLocale::system());  // numbers as the desktop writes them
    if (language.isEmpty()) {
        m_loaded = m_plurals != nullptr;
        return;
    }
    if (language != Language::Pseudo()) {
        QLocale::setDefault(QLocale(language));
        // Dialogs and context menus of Qt itself; missing files only leave
        // those in English.
        m_qt = installed(QStringLiteral("qt_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    }
    m_program = installed(QStringLiteral("orvelle_") + language, kResourceFolder);
    m_loaded = m_program != nullptr;
}

Translations::~Translations()
{
    for (const auto *translator : {m_program.get(), m_qt.get(), m_plurals.get()})
        if (translator)
            QCoreApplication::removeTranslator(const_cast<QTranslator *>(translator));
}
