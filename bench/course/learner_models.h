#pragma once

// Simulated learners for comparing the courses. Each keeps, per pitch
// class, a memory strength s in [0, 1]:
//
// - It answers among the classes it has heard in its last 100 questions (a
//   learner drilled on C alone soon answers C). The class is named with
//   probability 1/h + (1 - 1/h)·e for h classes heard, where e, the
//   effective strength, is s (times the confusion factor below).
// - Feedback on a class moves s towards 1 by `gain`; every question of
//   another class lets it fade by the factor (1 - fade).
// - A wrong answer names another heard class: any, evenly, or for the
//   confusable learner mostly a neighbour (weight 6 a semitone away, 2 a
//   whole tone, 1 further).
// - Reaction time: 0.8 s + 2.4 s·(1 - e) + noise (sd 0.25 s), at least 0.4 s.
// - The octave is named with probability 0.85 + 0.1·s when the class is.
//
// Even: gain 0.03, fade 0.0001. Forgetful: gain 0.03, fade 0.0003 (what is not
// heard for a while is lost). Confusable: as even, but each heard class a
// semitone away lowers e by up to a third, and a pair's discrimination
// d (0..1, starting at 0) grows by 0.15·(1 - d) whenever one is taken for
// the other and corrected, by 0.01·(1 - d) when one is named right beside
// the other: e = s·Π(1 - 0.35·(1 - d)) over heard semitone neighbours.

#include <course_random.h>
#include <pitch_classes.h>

#include <array>
#include <cmath>
#include <deque>

namespace Bench {

enum class LearnerKind { Even, Confusable, Forgetful };

inline const char *learnerName(LearnerKind kind)
{
    switch (kind) {
    case LearnerKind::Even:
        return "even";
    case LearnerKind::Confusable:
        return "confusable";
    case LearnerKind::Forgetful:
        return "forgetful";
    }
    return "";
}

struct LearnerAnswer {
    int note = 0;
    long long reactionMs = 0;
};

class Learner {
public:
    Learner(LearnerKind kind, std::uint64_t seed) : kind(kind), random(seed)
    {
        gain = 0.03;
        fade = kind == LearnerKind::Forgetful ? 0.0003 : 0.0001;
        confusion = kind == LearnerKind::Confusable ? 0.35 : 0.0;
    }

    // Classes here are semitones above C (0..11).
    LearnerAnswer answer(int askedNote)
    {
        const int asked = askedNote % 12;
        hear(asked);
        const double e = effective(asked);
        const int heard = heardCount();
        const double pRight = 1.0 / heard + (1.0 - 1.0 / heard) * e;
        int answered = asked;
        if (random.uniform() >= pRight && heard > 1)
            answered = wrongClass(asked);
        int note = askedNote - asked + answered;
        if (note - askedNote > 6)
            note -= 12;
        else if (askedNote - note > 6)
            note += 12;
        if (answered == asked && random.uniform() >= 0.85 + 0.1 * strength[asked])
            note += random.uniform() < 0.5 ? -12 : 12;
        const double noise = gaussian() * 0.25;
        const double seconds = std::max(0.4, 0.8 + 2.4 * (1.0 - e) + noise);
        lastAsked = asked;
        lastAnswered = answered;
        return {note, static_cast<long long>(std::lround(seconds * 1000.0))};
    }

    // The feedback after the answer: the asked class was shown.
    void learn()
    {
        const int p = lastAsked, q = lastAnswered;
        for (int c = 0; c < 12; ++c)
            if (c != p)
                strength[c] *= 1.0 - fade;
        strength[p] += gain * (1.0 - strength[p]);
        if (confusion <= 0.0)
            return;
        if (q != p && semitoneApart(p, q))
            apart[p][q] = apart[q][p] = apart[p][q] + 0.15 * (1.0 - apart[p][q]);
        if (q == p)
            for (int n : {(p + 1) % 12, (p + 11) % 12})
                if (heardIn[n] > 0)
                    apart[p][n] = apart[n][p] = apart[p][n] + 0.01 * (1.0 - apart[p][n]);
    }

private:
    static bool semitoneApart(int a, int b) { return (a - b + 12) % 12 == 1 || (b - a + 12) % 12 == 1; }

    void hear(int c)
    {
        recent.push_back(c);
        ++heardIn[c];
        if (recent.size() > 100) {
            --heardIn[recent.front()];
            recent.pop_front();
        }
    }

    int heardCount() const
    {
        int n = 0;
        for (int c = 0; c < 12; ++c)
            n += heardIn[c] > 0;
        return n;
    }

    double effective(int p) const
    {
        double e = strength[p];
        for (int n : {(p + 1) % 12, (p + 11) % 12})
            if (heardIn[n] > 0)
                e *= 1.0 - confusion * (1.0 - apart[p][n]);
        return e;
    }

    int wrongClass(int asked)
    {
        std::array<double, 12> weight {};
        double sum = 0.0;
        for (int c = 0; c < 12; ++c) {
            if (c == asked || heardIn[c] == 0)
                continue;
            const int d = std::min((c - asked + 12) % 12, (asked - c + 12) % 12);
            weight[c] = kind == LearnerKind::Confusable ? (d == 1 ? 6.0 : d == 2 ? 2.0 : 1.0) : 1.0;
            sum += weight[c];
        }
        double pick = random.uniform() * sum;
        for (int c = 0; c < 12; ++c) {
            if (weight[c] <= 0.0)
                continue;
            if (pick < weight[c])
                return c;
            pick -= weight[c];
        }
        return asked;
    }

    double gaussian()
    {
        const double u = std::max(random.uniform(), 1e-12), v = random.uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * M_PI * v);
    }

    LearnerKind kind;
    Course::CourseRandom random;
    double gain, fade, confusion;
    std::array<double, 12> strength {};
    std::array<std::array<double, 12>, 12> apart {};
    std::array<int, 12> heardIn {};
    std::deque<int> recent;
    int lastAsked = 0, lastAnswered = 0;
};

} // namespace Bench
