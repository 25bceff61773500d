#include "qml_messenger.h"

#include "application.h"
#include "question_bank.h"
#include "storage_status.h"
#include "training_session.h"

#include <answer_history.h>
#include <theory/instruments.h>

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>

QMLMessenger *messenger = nullptr;


QMLMessenger::QMLMessenger(QObject *parent) : QObject(parent) {}

bool QMLMessenger::showHelpOnStart() const
{
    return app ? app->questionBank().showHelpOnStartup : true;
}

void QMLMessenger::setShowHelpOnStart(bool value)
{
    if (!app)
        return;
    app->questionBank().showHelpOnStartup = value;
    app->questionBank().save();
}

bool QMLMessenger::showColorMap() const
{
    return app ? app->questionBank().showColorMap : true;
}

void QMLMessenger::setShowColorMap(bool value)
{
    if (!app)
        return;
    app->questionBank().showColorMap = value;
    app->questionBank().save();
}

int QMLMessenger::maturityLevel() const
{
    return app ? static_cast<int>(app->questionBank().maturityLevel) : 1;
}

void QMLMessenger::setMaturityLevel(int value)
{
    if (!app)
        return;
    app->questionBank().setLevel(value);
    app->questionBank().save();
}

bool QMLMessenger::hasProgress() const
{
    return app && app->questionBank().hasProgress();
}

int QMLMessenger::sessionCorrect() const
{
    return app ? static_cast<int>(app->questionBank().correctCount) : 0;
}

int QMLMessenger::sessionIncorrect() const
{
    return app ? static_cast<int>(app->questionBank().incorrectCount) : 0;
}

// 1 right, 0 wrong, per answered question; empty when the store had none.
QVariantList QMLMessenger::sessionResults() const
{
    QVariantList results;
    if (app) {
        for (const std::uint32_t r : app->questionBank().answerResults)
            results << static_cast<int>(r);
    }
    return results;
}

QString QMLMessenger::statusText() const
{
    return app ? app->storageStatus().line() : QString();
}

void QMLMessenger::continueSession()
{
    if (app)
        app->session().ContinueSession();
}

void QMLMessenger::nextRound()
{
    if (app)
        app->session().NextRound();
}

void QMLMessenger::startNewSession(uint maturityLevel)
{
    if (app)
        app->session().StartNewSession(QVariant(maturityLevel));
}

void QMLMessenger::replayQuestion()
{
    if (app)
        app->session().ReplayQuestion();
}

void QMLMessenger::changeCursor(QVariant cursor)
{
    if (app)
        app->onChangeCursor(cursor);
}

void QMLMessenger::hideWindow()
{
    if (app)
        app->onHideWindow();
}

void QMLMessenger::showCompanyWebsite()
{
    if (app)
        app->onShowCompanyWebsite();
}

QString QMLMessenger::websiteAddress() const
{
    return QStringLiteral(ORVELLE_WEBSITE);
}

QVariant QMLMessenger::setting(const QString &key, const QVariant &fallback) const
{
    // The store the question bank keeps its state in; none when it refused
    // the store's path.
    const auto store = app ? app->questionBank().openSameStore() : nullptr;
    return store ? store->value(QStringLiteral("GlobalSetting/") + key, fallback) : fallback;
}

void QMLMessenger::storeSetting(const QString &key, const QVariant &value)
{
    if (!app)
        return;
    if (const auto store = app->questionBank().openSameStore()) {
        store->setValue(QStringLiteral("GlobalSetting/") + key, value);
        store->sync();
    }
    app->applySetting(key, value);
}

// The sound options.

QVariantList QMLMessenger::instruments() const
{
    QVariantList list;
    for (const Core::Instrument &instrument : Core::TrainingInstruments()) {
        list << QVariantMap {{QStringLiteral("program"), instrument.program},
                             {QStringLiteral("name"), QCoreApplication::translate("Instruments", instrument.name)}};
    }
    return list;
}

int QMLMessenger::instrument() const
{
    return app ? app->questionBank().midiInstrument : Core::kDefaultProgram;
}

void QMLMessenger::setInstrument(int program)
{
    if (!app || program < Core::kPureTone || program > 127)
        return;
    QuestionBank &bank = app->questionBank();
    bank.midiInstrument = static_cast<std::int8_t>(program);
    bank.instrumentChosen = true;
    bank.save();
    app->applySoundOptions();
    emit soundOptionsChanged();
}

bool QMLMessenger::varyInstrument() const
{
    return app && app->questionBank().varyInstrument;
}

void QMLMessenger::setVaryInstrument(bool value)
{
    if (!app || value == app->questionBank().varyInstrument)
        return;
    QuestionBank &bank = app->questionBank();
    bank.varyInstrument = value;
    // Varying is a choice of timbres too.
    bank.instrumentChosen = true;
    bank.save();
    app->applySoundOptions();
    emit soundOptionsChanged();
}

QVariantList QMLMessenger::variedInstruments() const
{
    QVariantList list;
    if (app) {
        for (const int program : app->questionBank().variedInstruments)
            list << program;
    }
    return list;
}

void QMLMessenger::setVariedInstruments(const QVariantList &programs)
{
    if (!app)
        return;
    std::vector<int> varied;
    for (const QVariant &entry : programs) {
        const int program = entry.toInt();
        if (Core::IsTrainingInstrument(program) && std::find(varied.begin(), varied.end(), program) == varied.end())
            varied.push_back(program);
    }
    QuestionBank &bank = app->questionBank();
    bank.variedInstruments = varied;
    bank.save();
    app->applySoundOptions();
    emit soundOptionsChanged();
}

double QMLMessenger::referencePitch() const
{
    return app ? app->questionBank().referencePitch : QuestionBank::kDefaultReferencePitch;
}

void QMLMessenger::setReferencePitch(double hertz)
{
    if (!app || !(hertz >= QuestionBank::kLowestReferencePitch && hertz <= QuestionBank::kHighestReferencePitch))
        return;
    app->questionBank().referencePitch = hertz;
    app->questionBank().save();
    app->applySoundOptions();
    emit soundOptionsChanged();
}
