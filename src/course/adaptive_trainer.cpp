#include "adaptive_trainer.h"

namespace Course {

AdaptiveTrainer::AdaptiveTrainer(int startClasses, std::uint64_t seed)
    : startClasses(startClasses)
    , course(startClasses, seed)
{
}

void AdaptiveTrainer::Restore(const StoredQuestion &stored)
{
    if (!stored.randomState.isEmpty())
        course.Random().SetStateText(stored.randomState);
    const int noteIndex = ClassOfNote(stored.note);
    if (stored.note >= kLowestQuestionNote && stored.note <= kHighestQuestionNote && noteIndex >= 0
        && noteIndex < course.UnlockedCount())
        current = CourseQuestion {stored.note, noteIndex, stored.reask};
    else
        current.reset();
}

StoredQuestion AdaptiveTrainer::Stored() const
{
    StoredQuestion stored;
    if (current) {
        stored.note = current->note;
        stored.reask = current->reask;
    }
    stored.randomState = course.Random().StateText();
    return stored;
}

void AdaptiveTrainer::TakeHistory(const std::vector<CourseAnswer> &answers, std::int64_t lastRowId)
{
    if (historyTaken)
        return;
    historyTaken = true;
    // The course so far learnt only from this run's answers: start again
    // from the history, then this run's answers it does not hold yet.
    const CourseRandom random = course.Random();
    const bool block = course.BlocksRelativePitch();
    course = AdaptiveCourse(startClasses, 0);
    course.Random() = random;
    course.SetBlockRelativePitch(block);
    for (const CourseAnswer &answer : answers)
        course.Record(answer);
    for (const Given &given : beforeHistory)
        if (given.rowId <= 0 || given.rowId > lastRowId)
            course.Record(given.answer);
    beforeHistory.clear();
    course.TakeRoundSummary(); // rounds closed by old answers were shown then
}

CourseQuestion AdaptiveTrainer::Question()
{
    if (!current)
        current = course.Next();
    return *current;
}

RecordedAnswer AdaptiveTrainer::Answer(int answeredNote, long long reactionMs, std::int64_t rowId)
{
    const CourseQuestion asked = Question();
    const CourseAnswer answer {asked.note, answeredNote, reactionMs, true};
    if (!historyTaken)
        beforeHistory.push_back({answer, rowId});
    const RecordedAnswer recorded = course.Record(answer);
    current = course.Next();
    return recorded;
}

} // namespace Course
