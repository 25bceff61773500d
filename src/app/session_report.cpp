#include "session_report.h"

void SessionReport::showAnswer(unsigned answerNote, unsigned questionNote)
{
    answered = static_cast<int>(answerNote);
    asked = static_cast<int>(questionNote);
    emit answerShown();
}

void SessionReport::showSummary(const QVariantMap &summary)
{
    finished = summary;
    emit sessionFinished();
}
