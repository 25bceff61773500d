#pragma once

#include "course_random.h"

#include <vector>

namespace Course {

// The order that keeps a listener from answering by relative pitch: a tone
// heard just before lets an interval name the next one. Two successive
// questions lie more than an octave apart, are never a semitone apart
// ignoring octaves, and, once three or more classes are drilled, no class
// comes three times in a row. Notes are MIDI note numbers; -1 stands for
// no question (the start of a run).
bool followsOrderRules(int beforePrevious, int previous, int next, int classCount);

// The first place in `notes` where the order rules break; -1 when none does.
int firstOrderBreak(const std::vector<unsigned> &notes, int classCount);

// The same questions in an order that follows the rules, as random as the
// rules leave it, after the notes `beforePrevious` and `previous` already
// asked. When no such order is found the questions come back as given.
std::vector<unsigned> orderedForRelativePitchBlock(std::vector<unsigned> notes, int classCount, CourseRandom &random,
                                                   int beforePrevious = -1, int previous = -1);

} // namespace Course
