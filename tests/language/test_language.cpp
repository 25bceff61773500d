// Which translation a desktop gets, and loading it from the resources.
#include <language_choice.h>
#include <translations.h>
#include <pitchtest/report_text.h>
#include <pitchtest/test_controller.h>
#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QLocale>
#include <QtTest>

namespace {
QProcessEnvironment environment(const QStringList &assignments)
{
    QProcessEnvironment env;
    for (const QString &a : assignments)
        env.insert(a.section(QLatin1Char('='), 0, 0), a.section(QLatin1Char('='), 1));
    return env;
}
} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void fromTheDesktop_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("noteNames");

        QTest::newRow("nothing set") << QStringList{} << "" << "" << "";
        QTest::newRow("C locale") << QStringList{"LANG=C.UTF-8"} << "" << "" << "";
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << "" << "de" << "de_DE";
        QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=fr", "LANG=de_DE.UTF-8"} << "" << "fr" << "fr";
        // Honoured even beside a C locale, as the learner plainly asked for it.
        QTest::newRow("LANGUAGE with C") << QStringList{"LANGUAGE=de", "LANG=C"} << "" << "de" << "de";
        QTest::newRow("list, first we lack") << QStringList{"LANGUAGE=pt_BR:it"} << "" << "it" << "pt_BR";
        QTest::newRow("English listed first") << QStringList{"LANGUAGE=en_GB:de"} << "" << "" << "en_GB";
        QTest::newRow("LC_ALL over LANG") << QStringList{"LC_ALL=es_ES.UTF-8", "LANG=de_DE"} << "" << "es" << "es_ES";
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=ja_JP.UTF-8", "LANG=de_DE"} << ""
                                               << "ja" << "ja_JP";
        QTest::newRow("modifier") << QStringList{"LANG=fr_BE.UTF-8@euro"} << "" << "fr" << "fr_BE";
        QTest::newRow("Simplified Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << "" << "zh_CN" << "zh_CN";
        QTest::newRow("Singapore") << QStringList{"LANG=zh_SG"} << "" << "zh_CN" << "zh_SG";
        QTest::newRow("Traditional Chinese") << QStringList{"LANG=zh_TW.UTF-8"} << "" << "" << "zh_TW";
        QTest::newRow("no translation") << QStringList{"LANG=pt_PT.UTF-8"} << "" << "" << "pt_PT";
        QTest::newRow("setting wins") << QStringList{"LANG=de_DE.UTF-8"} << "fr" << "fr" << "fr";
        QTest::newRow("setting English") << QStringList{"LANG=de_DE.UTF-8"} << "en" << "" << "en";
        QTest::newRow("unknown setting") << QStringList{"LANG=de_DE.UTF-8"} << "xx" << "de" << "xx";
        QTest::newRow("pseudo") << QStringList{"LANGUAGE=pseudo"} << "" << "pseudo" << "pseudo";
    }

    void fromTheDesktop()
    {
        QFETCH(QStringList, env);
        QFETCH(QString, setting);
        const QStringList desktop = Language::FromEnvironment(environment(env));
        QTEST(Language::Choose(setting, desktop), "translation");
        QTEST(Language::ForNoteNames(setting, desktop), "noteNames");
    }

    // Every language is built into the program, with Qt's own texts beside
    // it, and sets the numbers' form.
    void everyLanguageLoads()
    {
        for (const QString &language : Language::Translated()) {
            const Translations t(language);
            QVERIFY2(t.loaded(), qPrintable(language));
            QCOMPARE(QLocale().name().left(2), language.left(2));
            // Qt's own: the Cancel of its dialogs.
            QVERIFY2(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"),
                     qPrintable(language));
        }
        QLocale::setDefault(QLocale::c());
    }

    void englishHasItsPlurals()
    {
        const Translations english{QString()};
        QVERIFY(english.loaded());
        QCOMPARE(QCoreApplication::translate("StatisticsColors", "%n answers", "", 1), QStringLiteral("1 answer"));
        QCOMPARE(QCoreApplication::translate("StatisticsColors", "%n answers", "", 2), QStringLiteral("2 answers"));
        QCOMPARE(QCoreApplication::translate("StatisticsColors", "%n days", "", 1), QStringLiteral("1 day"));
        QCOMPARE(QCoreApplication::translate("CommandLine", "Wrote %n pitch test trials to %1", "", 1),
                 QStringLiteral("Wrote 1 pitch test trial to %1"));
    }

    // The pitch test's report is written by plain functions, outside any
    // class: its texts must be found under the context they ask for, and its
    // notes read as the learner reads them everywhere else.
    void pitchTestSpeaksTheLearnersLanguage()
    {
        const Translations german(QStringLiteral("de"));
        QVERIFY(german.loaded());
        QVERIFY2(PitchTest::TestsListText({}).startsWith(QStringLiteral("Noch kein Test")),
                 qPrintable(PitchTest::TestsListText({})));
        const std::vector<PitchTest::ReportRow> rows = PitchTest::ReportRows(PitchTest::TestReport{});
        QCOMPARE(rows.front().label, QStringLiteral("Tonklasse richtig"));
        QVERIFY(PitchTest::ApLineText(PitchTest::TestReport{}).endsWith(QStringLiteral("nicht erreicht")));
        const PitchTest::TestStore nowhere(QStringLiteral("/nonexistent/orvelle/history.sqlite"), 1);
        QVERIFY2(nowhere.problem().startsWith(QStringLiteral("Tests des absoluten")), qPrintable(nowhere.problem()));

        const Theory::NoteNaming before = Theory::CurrentNoteNaming();
        Theory::SetCurrentNoteNaming(Theory::DefaultNoteNaming(QStringLiteral("de")));
        QCOMPARE(PitchTest::NoteName(59), QStringLiteral("H3"));
        Theory::SetCurrentNoteNaming(Theory::DefaultNoteNaming(QStringLiteral("it")));
        QVERIFY2(PitchTest::NoteName(67).startsWith(QStringLiteral("Sol")), qPrintable(PitchTest::NoteName(67)));
        Theory::SetCurrentNoteNaming(before);
        QLocale::setDefault(QLocale::c());
    }

    // The pseudo-language makes every text longer and keeps its arguments.
    void pseudoGrowsEveryText()
    {
        const Translations pseudo(Language::Pseudo());
        QVERIFY(pseudo.loaded());
        const QString source = QString::fromUtf8("You played %1 \u2014 it was %2");
        const QString grown = QCoreApplication::translate("FeedbackLine", source.toUtf8().constData());
        QVERIFY2(grown.size() >= source.size() * 1.4 - 1, qPrintable(grown));
        QVERIFY(grown.contains(QLatin1String("%1")) && grown.contains(QLatin1String("%2")));
        QVERIFY(grown != source);
        const QString counted = QCoreApplication::translate("StatisticsColors", "%n answers", "", 3);
        QVERIFY2(counted.startsWith(QLatin1String("3 ")), qPrintable(counted));
    }

    void translatorsLeaveWithTheirObject()
    {
        {
            const Translations german(QStringLiteral("de"));
            QVERIFY(german.loaded());
        }
        QCOMPARE(QCoreApplication::translate("Header", "Help"), QStringLiteral("Help"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "test_language.moc"
