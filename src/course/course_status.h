#pragma once

#include "adaptive_course.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

namespace Course {

// What the window shows of the adaptive course: in the level strip's place,
// the twelve classes in the order they unlock, each with its state, its
// accuracy over its last 20 answers and its octave-exact share; the
// deadline and the position in the round.
class CourseStatus : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool adaptive READ adaptive NOTIFY adaptiveChanged)
    Q_PROPERTY(QStringList names READ names CONSTANT)
    // "locked", "learning", "secure" or "mastered" per class: the colours' keys.
    Q_PROPERTY(QStringList states READ states NOTIFY changed)
    Q_PROPERTY(QStringList stateTexts READ stateTexts NOTIFY changed)
    // Shares 0..1; -1 where a class has no answers yet.
    Q_PROPERTY(QVariantList accuracy READ accuracy NOTIFY changed)
    Q_PROPERTY(QVariantList octaveShare READ octaveShare NOTIFY changed)
    Q_PROPERTY(double deadlineSeconds READ deadlineSeconds NOTIFY changed)
    Q_PROPERTY(int roundPosition READ roundPosition NOTIFY changed)
    // The running round's answers so far: true where the very key was named.
    Q_PROPERTY(QVariantList roundResults READ roundResults NOTIFY changed)
    Q_PROPERTY(int roundQuestions READ roundQuestions CONSTANT)
public:
    explicit CourseStatus(QObject *parent = nullptr);

    bool adaptive() const { return isAdaptive; }
    void setAdaptive(bool on);
    void update(const AdaptiveCourse &course);

    QStringList names() const;
    QStringList states() const { return stateKeys; }
    QStringList stateTexts() const { return texts; }
    QVariantList accuracy() const { return accuracies; }
    QVariantList octaveShare() const { return octaveShares; }
    double deadlineSeconds() const { return deadline; }
    int roundPosition() const { return position; }
    QVariantList roundResults() const { return results; }
    int roundQuestions() const { return AdaptiveCourse::kRoundQuestions; }

signals:
    void adaptiveChanged();
    void changed();

private:
    bool isAdaptive = false;
    QStringList stateKeys;
    QStringList texts;
    QVariantList accuracies;
    QVariantList octaveShares;
    double deadline = ResponseDeadline::kStartSeconds;
    int position = 0;
    QVariantList results;
};

} // namespace Course
