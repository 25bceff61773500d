#include "session_report.h"

#include <course_texts.h>

void SessionReport::showAnswer(unsigned answerNote, unsigned questionNote, long long reactionMs)
{
    answered = static_cast<int>(answerNote);
    asked = static_cast<int>(questionNote);
    reaction = Course::secondsText(reactionMs);
    emit answerShown();
}

void SessionReport::showSummary(const QVariantMap &summary)
{
    finished = summary;
    emit sessionFinished();
}
