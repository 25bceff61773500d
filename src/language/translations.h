#pragma once

#include <QString>

#include <memory>

class QTranslator;

// The program's texts and Qt's own in one language, installed for the life of
// this object. English needs a translation too: the plural forms of counted
// texts ("%n answers" -> "1 answer").
class Translations {
public:
    // `language` as Language::Choose gives it; empty for English.
    explicit Translations(const QString &language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    QString language() const { return m_language; }
    // False when the program's own translation could not be loaded.
    bool loaded() const { return m_loaded; }

private:
    QString m_language;
    bool m_loaded = false;
    std::unique_ptr<QTranslator> m_plurals;
    std::unique_ptr<QTranslator> m_qt;
    std::unique_ptr<QTranslator> m_program;
};
