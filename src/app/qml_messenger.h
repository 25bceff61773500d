#pragma once

#include <QObject>
#include <QVariant>

class Application;
class QQuickItem;

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
    // The sound options: the timbres offered ({program, name} maps), the one
    // chosen (-1 the pure tone), variation among the ticked ones, and A4.
    Q_PROPERTY(QVariantList instruments READ instruments CONSTANT)
    Q_PROPERTY(int instrument READ instrument WRITE setInstrument NOTIFY soundOptionsChanged)
    Q_PROPERTY(bool varyInstrument READ varyInstrument WRITE setVaryInstrument NOTIFY soundOptionsChanged)
    Q_PROPERTY(QVariantList variedInstruments READ variedInstruments WRITE setVariedInstruments
                   NOTIFY soundOptionsChanged)
    Q_PROPERTY(double referencePitch READ referencePitch WRITE setReferencePitch NOTIFY soundOptionsChanged)
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

    // Interface options of the settings panel, kept in the store's
    // [GlobalSetting] group under keys of their own and written at once.
    Q_INVOKABLE QVariant setting(const QString &key, const QVariant &fallback) const;
    Q_INVOKABLE void storeSetting(const QString &key, const QVariant &value);

    QVariantList instruments() const;
    int instrument() const;
    void setInstrument(int program);
    bool varyInstrument() const;
    void setVaryInstrument(bool value);
    QVariantList variedInstruments() const;
    void setVariedInstruments(const QVariantList &programs);
    double referencePitch() const;
    void setReferencePitch(double hertz);

    // Set by the application; an instance a document creates on its own has
    // neither and answers with defaults.
    Application *app = nullptr;
    QQuickItem *rootObject = nullptr;

signals:
    void statusTextChanged();
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
