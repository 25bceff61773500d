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
    void soundOptionsChanged();

public slots:
    void startNewSession(uint maturityLevel);
    void replayQuestion();
    void changeCursor(QVariant cursor);
    void hideWindow();
    void showCompanyWebsite();
};

// The single bridge object of the process.
extern QMLMessenger *messenger;
