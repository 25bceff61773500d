#include "qml_messenger.h"

#include "question_bank.h"
#include "storage_status.h"
#include "training_session.h"

#include <preferences.h>
#include <theory/instruments.h>

#include <QCoreApplication>

QMLMessenger *messenger = nullptr;


QMLMessenger::QMLMessenger(QObject *parent) : QObject(parent) {}

bool QMLMessenger::showHelpOnStart() const
{
    return targets.bank ? targets.bank->showHelpOnStartup : true;
}

void QMLMessenger::setShowHelpOnStart(bool value)
{
    if (!targets.bank)
        return;
    targets.bank->showHelpOnStartup = value;
    targets.bank->save();
}

bool QMLMessenger::showColorMap() const
{
    return targets.bank ? targets.bank->showColorMap : true;
}

void QMLMessenger::setShowColorMap(bool value)
{
    if (!targets.bank)
        return;
    targets.bank->showColorMap = value;
    targets.bank->save();
}

int QMLMessenger::maturityLevel() const
{
    return targets.bank ? static_cast<int>(targets.bank->maturityLevel) : 1;
}

void QMLMessenger::setMaturityLevel(int value)
{
    if (!targets.bank)
        return;
    targets.bank->setLevel(value);
    targets.bank->save();
}

bool QMLMessenger::hasProgress() const
{
    return targets.bank && targets.bank->hasProgress();
}

int QMLMessenger::sessionCorrect() const
{
    return targets.bank ? static_cast<int>(targets.bank->correctCount) : 0;
}

int QMLMessenger::sessionIncorrect() const
{
    return targets.bank ? static_cast<int>(targets.bank->incorrectCount) : 0;
}

// 1 right, 0 wrong, per answered question; empty when the store had none.
QVariantList QMLMessenger::sessionResults() const
{
    QVariantList results;
    if (targets.bank) {
        for (const std::uint32_t r : targets.bank->answerResults)
            results << static_cast<int>(r);
    }
    return results;
}

QString QMLMessenger::statusText() const
{
    return targets.storage ? targets.storage->line() : QString();
}

void QMLMessenger::continueSession()
{
    if (targets.session)
        targets.session->ContinueSession();
}

void QMLMessenger::nextRound()
{
    if (targets.session)
        targets.session->NextRound();
}

void QMLMessenger::startNewSession(uint maturityLevel)
{
    if (targets.session)
        targets.session->StartNewSession(QVariant(maturityLevel));
}

void QMLMessenger::replayQuestion()
{
    if (targets.session)
        targets.session->ReplayQuestion();
}

void QMLMessenger::changeCursor(QVariant cursor)
{
    if (targets.setCursor)
        targets.setCursor(cursor);
}

void QMLMessenger::hideWindow()
{
    if (targets.minimise)
        targets.minimise();
}

void QMLMessenger::showCompanyWebsite()
{
    if (targets.openWebsite)
        targets.openWebsite();
}

QString QMLMessenger::websiteAddress() const
{
    return QStringLiteral(ORVELLE_WEBSITE);
}

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
    return targets.bank ? targets.bank->midiInstrument : Core::kDefaultProgram;
}

void QMLMessenger::setInstrument(int program)
{
    if (!targets.bank || !targets.preferences || program < Core::kPureTone || program > 127)
        return;
    targets.bank->midiInstrument = static_cast<std::int8_t>(program);
    targets.bank->save();
    emit soundOptionsChanged();
    targets.preferences->setInstrumentChosen(true);
}
