#pragma once

#include <QObject>
#include <QVariantMap>

// What the window shows of the session beyond the long-standing document
// calls: the notes of the answer just scored (the feedback line) and the
// summary of a finished session. The document binds to it as
// "sessionReport"; nothing is called on the document by name.
class SessionReport : public QObject {
    Q_OBJECT
    // The last scored answer's notes, as MIDI numbers; 0 before any.
    Q_PROPERTY(int answerNote READ answerNote NOTIFY answerShown)
    Q_PROPERTY(int questionNote READ questionNote NOTIFY answerShown)
    // From when the question became audible to the answer, "1.2 s"; empty
    // when unknown.
    Q_PROPERTY(QString reactionText READ reactionText NOTIFY answerShown)
    // The finished session: headline, detail, percent, level, nextLevel,
    // passed, perfectPitch, correct, total.
    Q_PROPERTY(QVariantMap summary READ summary NOTIFY sessionFinished)
public:
    using QObject::QObject;

    int answerNote() const { return answered; }
    int questionNote() const { return asked; }
    const QString &reactionText() const { return reaction; }
    const QVariantMap &summary() const { return finished; }

    // Told after every scored answer, even one with the same notes as before.
    void showAnswer(unsigned answerNote, unsigned questionNote, long long reactionMs = -1);
    void showSummary(const QVariantMap &summary);

signals:
    void answerShown();
    void sessionFinished();

private:
    int answered = 0;
    int asked = 0;
    QString reaction;
    QVariantMap finished;
};
