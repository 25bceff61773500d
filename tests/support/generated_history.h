#pragma once

// A made-up but lifelike answer history for tests and benchmarks: a learner
// who answers 400 questions a day, gets better over the weeks, confuses
// neighbouring notes and octaves, and answers from a MIDI keyboard now and
// then. The same seed gives the same history.

#include "answer_history.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <random>
#include <vector>

namespace GeneratedHistory {

constexpr qint64 kFirstDayUtcMs = 1767286800000; // 2026-01-01T17:00:00Z
constexpr int kAnswersPerDay = 400;

inline std::vector<AnswerRecord> make(int count, unsigned seed = 20261208)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<unsigned> note(24, 107);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<AnswerRecord> answers;
    answers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        AnswerRecord a;
        const int day = i / kAnswersPerDay;
        a.timeUtcMs = kFirstDayUtcMs + qint64(day) * 86400000 + qint64(i % kAnswersPerDay) * 4500;
        a.level = 1 + unsigned(day % 12);
        a.questionIndex = unsigned(i % 84);
        a.questionNote = note(random);
        const unsigned pitchClass = a.questionNote % 12;
        // Some notes are learnt sooner than others, and all get better.
        const double skill = std::min(0.95, 0.35 + 0.04 * pitchClass + 0.002 * day);
        a.answerNote = a.questionNote;
        if (unit(random) > skill) {
            const double kind = unit(random);
            if (kind < 0.3)
                a.answerNote = a.questionNote <= 95 ? a.questionNote + 12 : a.questionNote - 12;
            else if (kind < 0.75)
                a.answerNote = kind < 0.55 ? a.questionNote + 1 : a.questionNote - 1;
            else
                a.answerNote = kind < 0.9 ? a.questionNote + 2 : a.questionNote - 5;
        }
        a.correct = a.answerNote == a.questionNote;
        a.source = i % 3 == 0 ? QStringLiteral("Keystation 88 MK3 MIDI 1") : QStringLiteral("screen keyboard");
        a.reactionMs = 700 + 60 * qint64(pitchClass) + qint64(unit(random) * 1500);
        a.duringNote = a.reactionMs < 5000;
        a.replays = unit(random) < 0.1 ? 1 : 0;
        answers.push_back(a);
    }
    return answers;
}

// Writes the answers into a history file at `path` in one transaction.
inline bool write(const QString &path, const std::vector<AnswerRecord> &answers)
{
    {
        AnswerHistory created(path); // the schema, as the program makes it
        if (!created.problem().isEmpty())
            return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "generated-history");
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            QSqlQuery insert(db);
            insert.prepare("INSERT INTO answers (time_utc_ms, level, question_index, question_note, answer_note,"
                           " correct, source, reaction_ms, during_note, replays) VALUES (?,?,?,?,?,?,?,?,?,?)");
            ok = true;
            for (const AnswerRecord &a : answers) {
                insert.bindValue(0, a.timeUtcMs);
                insert.bindValue(1, a.level);
                insert.bindValue(2, a.questionIndex);
                insert.bindValue(3, a.questionNote);
                insert.bindValue(4, a.answerNote);
                insert.bindValue(5, a.correct ? 1 : 0);
                insert.bindValue(6, a.source);
                insert.bindValue(7, a.reactionMs);
                insert.bindValue(8, a.duringNote ? 1 : 0);
                insert.bindValue(9, a.replays);
                ok = ok && insert.exec();
            }
            ok = db.commit() && ok;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("generated-history");
    return ok;
}

} // namespace GeneratedHistory
