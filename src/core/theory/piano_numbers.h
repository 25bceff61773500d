#pragma once

#include "piano.h"

#include <QObject>

// The piano's numbers for the interface documents, from the same header as
// the program's own ("piano" in every document).
class PianoNumbers : public QObject {
    Q_OBJECT
    Q_PROPERTY(int lowestNote MEMBER lowestNote CONSTANT)
    Q_PROPERTY(int keyCount MEMBER keyCount CONSTANT)
    Q_PROPERTY(int highestNote MEMBER highestNote CONSTANT)
    Q_PROPERTY(int middleC MEMBER middleC CONSTANT)
    Q_PROPERTY(int questionOctaves MEMBER questionOctaves CONSTANT)
    Q_PROPERTY(int lowestQuestion MEMBER lowestQuestion CONSTANT)
    Q_PROPERTY(int highestQuestion MEMBER highestQuestion CONSTANT)
    Q_PROPERTY(double defaultReferencePitch MEMBER defaultReferencePitch CONSTANT)
    Q_PROPERTY(double lowestReferencePitch MEMBER lowestReferencePitch CONSTANT)
    Q_PROPERTY(double highestReferencePitch MEMBER highestReferencePitch CONSTANT)
public:
    using QObject::QObject;

private:
    int lowestNote = Piano::kLowestNote;
    int keyCount = Piano::kKeyCount;
    int highestNote = Piano::kHighestNote;
    int middleC = Piano::kMiddleC;
    int questionOctaves = Piano::kQuestionOctaves;
    int lowestQuestion = Piano::kLowestQuestion;
    int highestQuestion = Piano::kHighestQuestion;
    double defaultReferencePitch = Piano::kDefaultReferencePitch;
    double lowestReferencePitch = Piano::kLowestReferencePitch;
    double highestReferencePitch = Piano::kHighestReferencePitch;
};
