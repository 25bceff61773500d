#include "course_history_loader.h"

#include <answer_history.h>
#include <course_history.h>

#include <QPointer>

CourseHistoryLoader::~CourseHistoryLoader()
{
    if (worker.joinable())
        worker.join();
}

void CourseHistoryLoader::start(const QString &historyPath, Delivery delivery)
{
    if (worker.joinable())
        return;
    QPointer<CourseHistoryLoader> self(this);
    worker = std::thread([self, historyPath, delivery = std::move(delivery)] {
        std::vector<Course::CourseAnswer> answers;
        std::int64_t lastRow = 0;
        {
            const AnswerHistory history(historyPath, AnswerHistory::Mode::ReadOnly);
            if (history.isOpen()) {
                history.forEachAfter(-1, [&](qint64 id, const AnswerRecord &record) {
                    answers.push_back(courseAnswerOf(record));
                    lastRow = id;
                });
            }
        }
        // The loader joins this thread before it goes, so `self` is alive
        // here; the delivery runs on the loader's thread, or not at all.
        QMetaObject::invokeMethod(
            self.data(),
            [self, delivery, answers = std::move(answers), lastRow] {
                if (self)
                    delivery(answers, lastRow);
            },
            Qt::QueuedConnection);
    });
}
