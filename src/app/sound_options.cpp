// The sound options of the settings: the questions' timbre and the
// reference pitch, handed from the store to the sound system.

#include "application.h"

#include "builtin_output.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "sound_system.h"

#include <theory/instruments.h>

#include <QCoreApplication>

#include <algorithm>

void Application::applySoundOptions()
{
    if (!soundSystem)
        return;
    SoundSystem::InstrumentChoice choice;
    choice.program = bank->midiInstrument;
    choice.chosen = bank->instrumentChosen;
    choice.vary = bank->varyInstrument;
    choice.varied = bank->variedInstruments;
    soundSystem->SetInstrumentChoice(choice);
    setBuiltInReferencePitch(*soundSystem->Controller(), bank->referencePitch);
}

// The bridge's side of the same options.

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
