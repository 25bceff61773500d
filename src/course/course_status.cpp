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
        list << ClassName(c);
    return list;
}

void CourseStatus::update(const AdaptiveCourse &course)
{
    stateKeys.clear();
    texts.clear();
    accuracies.clear();
    octaveShares.clear();
    for (int c = 0; c < kClassCount; ++c) {
        const ClassReport report = course.Report(c);
        stateKeys << QString::fromLatin1(StateName(report.state));
        texts << StateText(report.state);
        accuracies << report.accuracy;
        octaveShares << report.octaveExactShare;
    }
    deadline = course.DeadlineSeconds();
    position = course.RoundPosition();
    emit changed();
}

} // namespace Course
