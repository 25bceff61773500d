#include "adaptive_trainer.h"

#include <algorithm>

namespace Course {

AdaptiveTrainer::AdaptiveTrainer(int startClasses, std::uint64_t seed)
    : firstClasses(std::clamp(startClasses, AdaptiveCourse::kStartClasses, kClassCount))
    , engine(startClasses, seed)
{
}

void AdaptiveTrainer::restore(const StoredQuestion &stored)
{
    if (!stored.randomState.isEmpty())
        engine.random().setStateText(stored.randomState);
    const int noteIndex = classOfNote(stored.note);
    if (stored.note >= kLowestQuestionNote && stored.note <= kHighestQuestionNote && noteIndex >= 0
        && noteIndex < engine.unlockedCount())
        current = CourseQuestion {stored.note, noteIndex, stored.reask};
    else
        current.reset();
}

StoredQuestion AdaptiveTrainer::stored() const
{
    StoredQuestion stored;
    if (current) {
        stored.note = current->note;
        stored.reask = current->reask;
    }
    stored.randomState = engine.random().stateText();
    return stored;
}

void AdaptiveTrainer::takeHistory(const std::vector<CourseAnswer> &answers, std::int64_t lastRowId)
{
    if (historyTaken)
        return;
    historyTaken = true;
    // The engine so far learnt only from this run's answers: start again
    // from the history, then this run's answers it does not hold yet.
    const CourseRandom random = engine.random();
    const bool block = engine.blocksRelativePitch();
    engine = AdaptiveCourse(firstClasses, 0);
    engine.random() = random;
    engine.setBlockRelativePitch(block);
    for (const CourseAnswer &answer : answers)
        engine.record(answer);
    for (const Given &given : beforeHistory)
        if (given.rowId <= 0 || given.rowId > lastRowId)
            engine.record(given.answer);
    beforeHistory.clear();
    engine.takeRoundSummary(); // rounds closed by old answers were shown then
}

void AdaptiveTrainer::startWithAtLeast(int classes)
{
    firstClasses = std::max(firstClasses, std::clamp(classes, AdaptiveCourse::kStartClasses, kClassCount));
    engine.unlockAtLeast(firstClasses);
}

CourseQuestion AdaptiveTrainer::question()
{
    if (!current)
        current = engine.next();
    return *current;
}

RecordedAnswer AdaptiveTrainer::answer(int answeredNote, long long reactionMs, std::int64_t rowId)
{
    const CourseQuestion asked = question();
    const CourseAnswer answer {asked.note, answeredNote, reactionMs, true};
    if (!historyTaken)
        beforeHistory.push_back({answer, rowId});
    const RecordedAnswer recorded = engine.record(answer);
    current = engine.next();
    return recorded;
}

void AdaptiveTrainer::observe(const CourseAnswer &other, std::int64_t rowId)
{
    if (!historyTaken)
        beforeHistory.push_back({other, rowId});
    engine.record(other);
    engine.takeRoundSummary();
}

} // namespace Course
