#include "course_status.h"

#include "course_texts.h"

namespace Course {

CourseStatus::CourseStatus(QObject *parent) : QObject(parent)
{
    update(AdaptiveCourse());
}

void CourseStatus::setAdaptive(bool on)
{
    if (on == isAdaptive)
        return;
    isAdaptive = on;
    emit adaptiveChanged();
}

QStringList CourseStatus::names() const
{
    QStringList list;
    for (int c = 0; c < kClassCount; ++c)
        list << className(c);
    return list;
}

void CourseStatus::update(const AdaptiveCourse &course)
{
    stateKeys.clear();
    texts.clear();
    accuracies.clear();
    octaveShares.clear();
    for (int c = 0; c < kClassCount; ++c) {
        const ClassReport report = course.report(c);
        stateKeys << QString::fromLatin1(stateName(report.state));
        texts << stateText(report.state);
        accuracies << report.accuracy;
        octaveShares << report.octaveExactShare;
    }
    deadline = course.deadlineSeconds();
    position = course.roundPosition();
    results.clear();
    for (const bool right : course.roundResults())
        results << right;
    emit changed();
}

} // namespace Course
