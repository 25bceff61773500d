#include "adaptive_course.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace Course {

namespace {

constexpr double kConfusionWeight = 0.5;
constexpr double kWeightFloor = 0.05;
constexpr double kLowestShareTimesK = 0.5;
constexpr double kHighestShareTimesK = 3.0;
// Several classes tapering at once (a quick learner) never take more than this together.
constexpr double kMostForNewClasses = 0.9;
constexpr int kReaskWindow = AdaptiveCourse::kReaskMaxGap - AdaptiveCourse::kReaskMinGap + 1;

bool has(std::uint16_t mask, int noteIndex)
{
    return mask & (1u << noteIndex);
}

// Scales the shares by one factor and clamps each to [low, high], the
// factor chosen so that they sum to 1: a share held at a bound gives what it
// loses or gains to the others in proportion. The sum grows with the factor,
// from k·low (<= 1) to k·high (>= 1), so halving the interval finds it.
void clampShares(std::vector<double> &shares, double low, double high)
{
    auto clampedSum = [&](double factor) {
        double sum = 0.0;
        for (double s : shares)
            sum += std::clamp(s * factor, low, high);
        return sum;
    };
    double below = 0.0, above = 1.0;
    while (clampedSum(above) < 1.0 && above < 1e12)
        above *= 2.0;
    for (int i = 0; i < 100; ++i) {
        const double middle = (below + above) / 2.0;
        (clampedSum(middle) < 1.0 ? below : above) = middle;
    }
    double sum = 0.0;
    for (double &s : shares)
        sum += (s = std::clamp(s * above, low, high));
    for (double &s : shares) // the last rounding
        s /= sum;
}

} // namespace

AdaptiveCourse::AdaptiveCourse(int startClasses, std::uint64_t seed)
    : unlocked(std::clamp(startClasses, kStartClasses, kClassCount))
    , generator(seed)
{
    unlockedAt.fill(-1);
    roundStart = states();
}

void AdaptiveCourse::unlockAtLeast(int classes)
{
    unlocked = std::max(unlocked, std::clamp(classes, kStartClasses, kClassCount));
}

ClassState AdaptiveCourse::state(int noteIndex) const
{
    if (noteIndex < 0 || noteIndex >= unlocked)
        return ClassState::Locked;
    return windows[noteIndex].state();
}

std::array<ClassState, kClassCount> AdaptiveCourse::states() const
{
    std::array<ClassState, kClassCount> states {};
    for (int c = 0; c < kClassCount; ++c)
        states[c] = state(c);
    return states;
}

ClassReport AdaptiveCourse::report(int noteIndex) const
{
    ClassReport report;
    if (noteIndex < 0 || noteIndex >= kClassCount)
        return report;
    const AnswerWindow &window = windows[noteIndex];
    report.state = state(noteIndex);
    report.answers = std::min(window.count(), AnswerWindow::kSecureAnswers);
    if (report.answers > 0)
        report.accuracy = double(window.rightOfLast(AnswerWindow::kSecureAnswers)) / report.answers;
    report.octaveExactShare = window.octaveExactShare();
    return report;
}

double AdaptiveCourse::weightedShare(int noteIndex) const
{
    return (1.0 - stats.fastRightRate(noteIndex)) + kConfusionWeight * stats.confusionShare(noteIndex) + kWeightFloor;
}

std::array<double, kClassCount> AdaptiveCourse::shares() const
{
    const int k = unlocked;
    std::vector<double> shares(k);
    for (int c = 0; c < k; ++c)
        shares[c] = weightedShare(c);
    const double sum = std::accumulate(shares.begin(), shares.end(), 0.0);
    for (double &s : shares)
        s /= sum;
    clampShares(shares, kLowestShareTimesK / k, kHighestShareTimesK / k);

    // A new class starts at kNewClassShare and moves linearly to its
    // weighted share over its first kTaperQuestions questions.
    double newSum = 0.0, oldSum = 0.0;
    std::vector<bool> tapering(k, false);
    for (int c = 0; c < k; ++c) {
        const long long since = unlockedAt[c] < 0 ? kTaperQuestions : answered - unlockedAt[c];
        if (since < kTaperQuestions) {
            const double progress = double(since) / kTaperQuestions;
            shares[c] = kNewClassShare + progress * (shares[c] - kNewClassShare);
            tapering[c] = true;
            newSum += shares[c];
        } else {
            oldSum += shares[c];
        }
    }
    const double newScale = newSum > kMostForNewClasses ? kMostForNewClasses / newSum : 1.0;
    const double oldScale = oldSum > 0.0 ? (1.0 - newSum * newScale) / oldSum : 0.0;
    std::array<double, kClassCount> result {};
    for (int c = 0; c < k; ++c)
        result[c] = shares[c] * (tapering[c] ? newScale : oldScale);
    return result;
}

RecordedAnswer AdaptiveCourse::record(const CourseAnswer &answer)
{
    RecordedAnswer result;
    result.deadlineSeconds = deadline.seconds();
    const int asked = classOfNote(answer.askedNote);
    if (asked < 0)
        return result;
    const auto statesBefore = states();
    const int heard = classOfNote(answer.answeredNote);
    const int distance = heard < 0 ? 0 : std::abs(answer.answeredNote - answer.askedNote);
    result.counted = true;
    result.right = heard == asked;
    result.octaveExact = answer.answeredNote == answer.askedNote;
    // The octave is missed when the class was named elsewhere, or when a
    // wrong answer lies more than half an octave away.
    const bool octaveMissed = heard >= 0 && !result.octaveExact && (result.right || distance > 6);
    const long long reaction = answer.reactionMs >= 0 ? answer.reactionMs : -1;
    result.fast = deadline.isFast(reaction);
    const bool fastRight = result.right && result.fast;
    const int octave = octaveOfNote(answer.askedNote);

    stats.add(asked, heard, fastRight, octaveMissed ? octave : -1);
    windows[asked].add(result.right, reaction >= 0 && reaction <= AnswerWindow::kMasteredWithinMs,
                       result.octaveExact);
    ++answered;
    beforePrevious = previous;
    previous = answer.askedNote;

    if (answer.adaptive) {
        ++adaptiveAnswered;
        roundKeys.push_back(result.octaveExact);
        deadline.record(fastRight);
        if (result.right)
            ++roundRight;
        else if (heard >= 0)
            ++roundConfusions[asked][heard];
        Reask &reask = reasks[asked];
        if (!result.right) {
            reask.rightNeeded = kReaskRightNeeded;
            scheduleReask(asked, octave);
        } else if (reask.pending && --reask.rightNeeded > 0) {
            scheduleReask(asked, octave);
        } else {
            reask = Reask {};
        }
    }
    result.deadlineSeconds = deadline.seconds();
    checkUnlock(result);
    const auto statesAfter = states();
    for (int c = 0; c < kClassCount; ++c)
        if (statesAfter[c] != statesBefore[c])
            result.changedStates |= static_cast<std::uint16_t>(1u << c);
    if (answer.adaptive && adaptiveAnswered % kRoundQuestions == 0)
        closeRound(result);
    return result;
}

void AdaptiveCourse::checkUnlock(RecordedAnswer &result)
{
    if (unlocked >= kClassCount)
        return;
    for (int c = 0; c < unlocked; ++c)
        if (state(c) < ClassState::Secure)
            return;
    unlockedAt[unlocked] = answered;
    result.unlocked = unlocked;
    ++unlocked;
}

void AdaptiveCourse::closeRound(RecordedAnswer &result)
{
    RoundSummary summary;
    summary.round = static_cast<int>(adaptiveAnswered / kRoundQuestions);
    summary.questions = kRoundQuestions;
    summary.right = roundRight;
    summary.before = roundStart;
    summary.after = states();
    summary.deadlineBefore = roundStartDeadline;
    summary.deadlineSeconds = deadline.seconds();
    if (unlocked < kClassCount) {
        summary.nextUnlock = unlocked;
        for (int c = 0; c < unlocked; ++c)
            if (state(c) < ClassState::Secure)
                summary.notYetSecure.push_back(c);
    }
    for (int a = 0; a < kClassCount; ++a)
        for (int h = 0; h < kClassCount; ++h)
            if (roundConfusions[a][h] > 0)
                summary.confusions.push_back({a, h, roundConfusions[a][h]});
    std::stable_sort(summary.confusions.begin(), summary.confusions.end(),
                     [](const ConfusedPair &x, const ConfusedPair &y) { return x.times > y.times; });
    if (summary.confusions.size() > 2)
        summary.confusions.resize(2);
    finishedRound = std::move(summary);
    result.roundEnded = true;

    roundStart = states();
    roundStartDeadline = deadline.seconds();
    roundRight = 0;
    roundKeys.clear();
    roundConfusions = {};
}

std::optional<RoundSummary> AdaptiveCourse::takeRoundSummary()
{
    std::optional<RoundSummary> taken;
    taken.swap(finishedRound);
    return taken;
}

bool AdaptiveCourse::slotTaken(long long slot) const
{
    return classSlottedAt(slot) >= 0;
}

int AdaptiveCourse::classSlottedAt(long long slot) const
{
    for (int c = 0; c < kClassCount; ++c)
        if (reasks[c].pending && reasks[c].slot == slot)
            return c;
    return -1;
}

// The re-ask comes after kReaskMinGap..kReaskMaxGap other questions, at a
// question no other re-ask holds (each answer schedules at most one, so one
// of the five is always free) and, where it can, not beside a re-ask a
// semitone away. The place depends only on the answers, not on the
// generator, so that the history rebuilds it.
void AdaptiveCourse::scheduleReask(int noteIndex, int octave)
{
    Reask &reask = reasks[noteIndex];
    reask.pending = false;
    reask.lastOctave = octave;
    const long long first = answered + kReaskMinGap; // `answered` already counts the miss
    const int offset = static_cast<int>((answered * 7 + noteIndex * 3) % kReaskWindow);
    long long chosen = -1;
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (int i = 0; i < kReaskWindow; ++i) {
            const long long slot = first + (offset + i) % kReaskWindow;
            if (slotTaken(slot))
                continue;
            const int before = classSlottedAt(slot - 1), after = classSlottedAt(slot + 1);
            const bool besideSemitone = (before >= 0 && classDistance(before, noteIndex) == 1)
                                        || (after >= 0 && classDistance(after, noteIndex) == 1);
            if (pass == 0 && besideSemitone)
                continue;
            chosen = slot;
            break;
        }
    }
    reask.slot = chosen >= 0 ? chosen : first + kReaskWindow - 1;
    reask.pending = true;
}

// Whether the class may come next by the order rules' class part (the
// octave part is met by the octave drawn).
bool AdaptiveCourse::classMayFollow(int noteIndex) const
{
    if (!blockRelativePitch || previous < 0)
        return true;
    const int previousClass = classOfNote(previous);
    if (classDistance(previousClass, noteIndex) == 1)
        return false;
    return !(unlocked >= 3 && beforePrevious >= 0 && previousClass == noteIndex
             && classOfNote(beforePrevious) == noteIndex);
}

int AdaptiveCourse::drawOctave(int noteIndex, int avoidOctave)
{
    std::array<double, kOctaveCount> weights {};
    double sum = 0.0;
    for (int pass = 0; pass < 2 && sum <= 0.0; ++pass) {
        for (int o = 0; o < kOctaveCount; ++o) {
            const int note = noteOf(noteIndex, o);
            const bool tooClose = blockRelativePitch && previous >= 0 && std::abs(note - previous) <= 12;
            const bool avoided = o == avoidOctave && pass == 0;
            weights[o] = tooClose || avoided ? 0.0 : 1.0 + stats.octaveErrors(noteIndex, o);
            sum += weights[o];
        }
    }
    double pick = generator.uniform() * sum;
    for (int o = 0; o < kOctaveCount; ++o) {
        if (weights[o] <= 0.0)
            continue;
        if (pick < weights[o])
            return o;
        pick -= weights[o];
    }
    for (int o = kOctaveCount - 1; o >= 0; --o)
        if (weights[o] > 0.0)
            return o;
    return 0;
}

std::uint16_t AdaptiveCourse::normalDrawMask(bool lookAhead) const
{
    const int next = lookAhead && blockRelativePitch ? classSlottedAt(answered + 1) : -1;
    std::uint16_t mask = 0;
    for (int c = 0; c < unlocked; ++c) {
        if (!classMayFollow(c))
            continue;
        if (next >= 0 && classDistance(next, c) == 1)
            continue;
        mask |= static_cast<std::uint16_t>(1u << c);
    }
    return mask;
}

int AdaptiveCourse::drawClass(std::uint16_t allowed)
{
    const auto drawShares = shares();
    double sum = 0.0;
    for (int c = 0; c < unlocked; ++c)
        if (has(allowed, c))
            sum += drawShares[c];
    double pick = generator.uniform() * sum;
    int last = -1;
    for (int c = 0; c < unlocked; ++c) {
        if (!has(allowed, c))
            continue;
        last = c;
        if (pick < drawShares[c])
            return c;
        pick -= drawShares[c];
    }
    return last;
}

CourseQuestion AdaptiveCourse::next()
{
    // A re-ask due now (or overdue, when an order rule held it back).
    int due = -1;
    for (int c = 0; c < unlocked; ++c)
        if (reasks[c].pending && reasks[c].slot <= answered && classMayFollow(c)
            && (due < 0 || reasks[c].slot < reasks[due].slot))
            due = c;
    if (due >= 0) {
        const int octave = drawOctave(due, reasks[due].lastOctave);
        return {noteOf(due, octave), due, true};
    }

    // A class owed a re-ask is drawn as often as any other meanwhile (its
    // answer moves the re-ask on): holding it back would starve the class
    // that needs the most questions.
    std::uint16_t allowed = normalDrawMask(true);
    if (!allowed)
        allowed = normalDrawMask(false);
    if (!allowed) // only without a previous question's rules could this be empty
        allowed = static_cast<std::uint16_t>((1u << unlocked) - 1);
    const int noteIndex = drawClass(allowed);
    const int octave = drawOctave(noteIndex, -1);
    return {noteOf(noteIndex, octave), noteIndex, false};
}

} // namespace Course
