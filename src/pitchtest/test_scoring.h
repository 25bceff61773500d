#pragma once

#include "trial_order.h"

#include <QString>

#include <array>
#include <vector>

namespace PitchTest {

// One scored trial as answered: the key pressed and the time from the
// moment the tone became audible to the answer.
struct TrialAnswer {
    int answerNote = -1;
    qint64 reactionMs = 0;
};

struct AnsweredTrial {
    Trial trial;
    TrialAnswer answer;
};

// Reference points the result is placed among: chance, and the mean scores
// of non-possessors and possessors of absolute pitch over many studies.
constexpr double kChancePercent = 8.3;
constexpr double kNonPossessorPercent = 17.0;
constexpr double kPossessorPercent = 85.9;
// The points on pure tones at and above which a listener counts as having
// absolute pitch.
constexpr double kApLinePoints = 24.5;
constexpr qint64 kFastAnswerMs = 2000;

struct Figures {
    int trials = 0;
    int rightClass = 0;           // pitch class named right
    int rightKey = 0;             // the exact key, octave included
    double points = 0.0;          // 1 for a right class, 0.75 a semitone off
    double classPercent = 0.0;
    double keyPercent = 0.0;
    double meanCircularError = 0.0; // semitones, 0..6
    double bias = 0.0;              // mean signed error; + sharp, − flat
    std::array<int, 12> trialsOfClass {};
    std::array<int, 12> rightOfClass {};
    std::array<std::array<int, 12>, 12> confusion {}; // [asked class][answered class]
    qint64 medianReactionMs = 0;
    double fastRightPercent = 0.0; // right answers given within kFastAnswerMs
};

struct TestReport {
    Figures piano;
    Figures pureTone;
    Figures overall;
    bool ApLineReached() const { return pureTone.points >= kApLinePoints; }
};

// Signed error from the asked to the answered pitch class, −5..+6; a
// tritone has no direction and counts +6 for the error, 0 for the bias.
int ClassError(int askedNote, int answeredNote);
double PointsFor(int askedNote, int answeredNote);

TestReport Score(const std::vector<AnsweredTrial> &trials);

QString ClassName(int pitchClass);

} // namespace PitchTest
