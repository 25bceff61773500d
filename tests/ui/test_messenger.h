#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// Stands in for the application's bridge: the same slots and properties as
// the documents see them, recording every call instead of driving an engine.
class TestMessenger : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showHelpOnStart READ showHelpOnStart WRITE setShowHelpOnStart)
    Q_PROPERTY(bool showColorMap READ showColorMap WRITE setShowColorMap)
    Q_PROPERTY(int maturityLevel READ maturityLevel WRITE setMaturityLevel)
    Q_PROPERTY(QString websiteAddress READ websiteAddress CONSTANT)
    // The timbres as the settings panel reads them.
    Q_PROPERTY(QVariantList instruments MEMBER instruments CONSTANT)
    Q_PROPERTY(int instrument MEMBER instrument NOTIFY soundOptionsChanged)
public:
    using QObject::QObject;

    bool showHelpOnStart() const { return helpOnStart; }
    void setShowHelpOnStart(bool value) { helpOnStart = value; calls << QStringLiteral("showHelpOnStart=%1").arg(value); }
    bool showColorMap() const { return colorMap; }
    void setShowColorMap(bool value) { colorMap = value; calls << QStringLiteral("showColorMap=%1").arg(value); }
    int maturityLevel() const { return level; }
    void setMaturityLevel(int value) { level = value; }
    QString websiteAddress() const { return website; }

    QVariantList instruments{QVariantMap{{"program", 0}, {"name", "Piano"}}};
    int instrument = 0;
    bool helpOnStart = false;
    bool colorMap = true;
    int level = 1;
    QString website = QStringLiteral("https://orvelle.test/");
    QStringList calls;
    QList<uint> sessionLevels;
    QVariantList cursors;
    QObject *rootObject = nullptr;
    bool firstQuestionAtOnce = false;
    uint firstNote = 0;

    int count(const QString &call) const { return calls.count(call); }

signals:
    void soundOptionsChanged();

public slots:
    void startNewSession(uint maturityLevel)
    {
        sessionLevels << maturityLevel;
        calls << QStringLiteral("startNewSession");
        // The engine plays the very first question of a run at once, from
        // inside this call.
        if (firstQuestionAtOnce && rootObject) {
            firstQuestionAtOnce = false;
            QVariant unused;
            QMetaObject::invokeMethod(rootObject, "onCurrentNote", Q_RETURN_ARG(QVariant, unused),
                                      Q_ARG(QVariant, QVariant(uint(firstNote))));
        }
    }
    void replayQuestion() { calls << QStringLiteral("replayQuestion"); }
    void nextRound() { calls << QStringLiteral("nextRound"); }
    void continueSession() { calls << QStringLiteral("continueSession"); }
    void changeCursor(QVariant cursor) { cursors << cursor; }
    void hideWindow() { calls << QStringLiteral("hideWindow"); }
    void showCompanyWebsite() { calls << QStringLiteral("showCompanyWebsite"); }
};

// Stands in for the application's device lists and choices.
class TestDeviceChoice : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList inputEntries MEMBER inputEntries NOTIFY changed)
    Q_PROPERTY(int inputIndex MEMBER inputIndex NOTIFY changed)
    Q_PROPERTY(QStringList outputEntries MEMBER outputEntries NOTIFY changed)
    Q_PROPERTY(int outputIndex MEMBER outputIndex NOTIFY changed)
    Q_PROPERTY(QString deviceLine MEMBER deviceLine NOTIFY changed)
public:
    using QObject::QObject;

    QStringList inputEntries{QStringLiteral("All MIDI keyboards"), QStringLiteral("Harness:keyboard")};
    int inputIndex = 0;
    QStringList outputEntries{QStringLiteral("Built-in synthesizer")};
    int outputIndex = 0;
    QString deviceLine = QStringLiteral("Using the Harness:keyboard keyboard device");
    QList<int> inputChoices, outputChoices;

public slots:
    void chooseInput(int index) { inputChoices << index; }
    void chooseOutput(int index) { outputChoices << index; }

signals:
    void changed();
};
