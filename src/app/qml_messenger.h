#pragma once

#include <QObject>
#include <QVariant>

#include <functional>

class Preferences;
class QQuickItem;
class QuestionBank;
class StorageStatus;
class TrainingSession;

// What the bridge forwards to, handed in by the application right after
// construction. The window's own operations come as calls, so that the
// bridge needs nothing of the application itself.
struct BridgeTargets {
    QuestionBank *bank = nullptr;
    TrainingSession *session = nullptr;
    StorageStatus *storage = nullptr;
    Preferences *preferences = nullptr;
    std::function<void(const QVariant &)> setCursor;
    std::function<void()> minimise;
    std::function<void()> openWebsite;
};

// The one object through which the interface documents reach the engine.
class QMLMessenger : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showHelpOnStart READ showHelpOnStart WRITE setShowHelpOnStart)
    Q_PROPERTY(bool showColorMap READ showColorMap WRITE setShowColorMap)
    Q_PROPERTY(int maturityLevel READ maturityLevel WRITE setMaturityLevel)
    // The running session as stored, so that a restart shows where it stopped.
    Q_PROPERTY(bool hasProgress READ hasProgress)
    Q_PROPERTY(int sessionCorrect READ sessionCorrect)
    Q_PROPERTY(int sessionIncorrect READ sessionIncorrect)
    Q_PROPERTY(QVariantList sessionResults READ sessionResults)
    // One line for the user when something needs saying (the history failed).
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
    // The project's web page, empty when the build names none.
    Q_PROPERTY(QString websiteAddress READ websiteAddress CONSTANT)
    // The timbres offered ({program, name} maps) and the one chosen (-1 the
    // pure tone); the other sound options are the preferences'.
    Q_PROPERTY(QVariantList instruments READ instruments CONSTANT)
    Q_PROPERTY(int instrument READ instrument WRITE setInstrument NOTIFY soundOptionsChanged)
public:
    explicit QMLMessenger(QObject *parent = nullptr);

    bool showHelpOnStart() const;
    void setShowHelpOnStart(bool value);
    bool showColorMap() const;
    void setShowColorMap(bool value);
    int maturityLevel() const;
    void setMaturityLevel(int value);
    bool hasProgress() const;
    int sessionCorrect() const;
    int sessionIncorrect() const;
    QVariantList sessionResults() const;
    QString statusText() const;
    QString websiteAddress() const;

    QVariantList instruments() const;
    int instrument() const;
    void setInstrument(int program);

    // Set by the application; an instance a document creates on its own has
    // neither and answers with defaults.
    BridgeTargets targets;
    QQuickItem *rootObject = nullptr;

signals:
    void statusTextChanged();
    // The chosen instrument changed (and is stored).
    void soundOptionsChanged();

public slots:
    void startNewSession(uint maturityLevel);
    void continueSession();
    void nextRound();
    void replayQuestion();
    void changeCursor(QVariant cursor);
    void hideWindow();
    void showCompanyWebsite();
};

// The single bridge object of the process.
extern QMLMessenger *messenger;
