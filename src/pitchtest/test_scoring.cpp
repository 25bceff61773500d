#include "test_scoring.h"

#include <algorithm>
#include <cstdlib>

namespace PitchTest {

namespace {

int PitchClass(int note) { return ((note % 12) + 12) % 12; }

double Percent(int part, int whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

qint64 Median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Figures FiguresOf(const std::vector<const AnsweredTrial *> &trials)
{
    Figures f;
    f.trials = static_cast<int>(trials.size());
    std::vector<qint64> reactions;
    int signedSum = 0;
    int errorSum = 0;
    int fastRight = 0;
    for (const AnsweredTrial *t : trials) {
        const int asked = t->trial.note;
        const int answered = t->answer.answerNote;
        const int error = ClassError(asked, answered);
        const bool right = error == 0;
        f.rightClass += right;
        f.rightKey += asked == answered;
        f.points += PointsFor(asked, answered);
        errorSum += std::abs(error);
        signedSum += error == 6 ? 0 : error;
        f.trialsOfClass[static_cast<std::size_t>(PitchClass(asked))] += 1;
        f.rightOfClass[static_cast<std::size_t>(PitchClass(asked))] += right;
        f.confusion[static_cast<std::size_t>(PitchClass(asked))][static_cast<std::size_t>(PitchClass(answered))] += 1;
        reactions.push_back(t->answer.reactionMs);
        fastRight += right && t->answer.reactionMs <= kFastAnswerMs;
    }
    f.classPercent = Percent(f.rightClass, f.trials);
    f.keyPercent = Percent(f.rightKey, f.trials);
    if (f.trials > 0) {
        f.meanCircularError = double(errorSum) / f.trials;
        f.bias = double(signedSum) / f.trials;
    }
    f.medianReactionMs = Median(reactions);
    f.fastRightPercent = Percent(fastRight, f.rightClass);
    return f;
}

} // namespace

int ClassError(int askedNote, int answeredNote)
{
    const int step = PitchClass(answeredNote - askedNote);
    return step > 6 ? step - 12 : step;
}

double PointsFor(int askedNote, int answeredNote)
{
    const int error = std::abs(ClassError(askedNote, answeredNote));
    return error == 0 ? 1.0 : error == 1 ? 0.75 : 0.0;
}

TestReport Score(const std::vector<AnsweredTrial> &trials)
{
    std::vector<const AnsweredTrial *> piano, pure, all;
    for (const AnsweredTrial &t : trials) {
        all.push_back(&t);
        (t.trial.timbre == Timbre::Piano ? piano : pure).push_back(&t);
    }
    TestReport report;
    report.piano = FiguresOf(piano);
    report.pureTone = FiguresOf(pure);
    report.overall = FiguresOf(all);
    return report;
}

QString ClassName(int pitchClass)
{
    static const char *const names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return QString::fromLatin1(names[PitchClass(pitchClass)]);
}

} // namespace PitchTest
