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
public:
    explicit QMLMessenger(QObject *parent = nullptr);

    bool showHelpOnStart() const;
    void setShowHelpOnStart(bool value);
    bool showColorMap() const;
    void setShowColorMap(bool value);
    int maturityLevel() const;
    void setMaturityLevel(int value);

    // Set by the application; an instance a document creates on its own has
    // neither and answers with defaults.
    Application *app = nullptr;
    QQuickItem *rootObject = nullptr;

public slots:
    void startNewSession(uint maturityLevel);
    void replayQuestion();
    void changeCursor(QVariant cursor);
    void hideWindow();
    void showCompanyWebsite();
};

// The single bridge object of the process.
extern QMLMessenger *messenger;
