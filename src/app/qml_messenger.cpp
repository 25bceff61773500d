#include "qml_messenger.h"

#include "application.h"
#include "question_bank.h"
#include "training_session.h"

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
