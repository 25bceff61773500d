#pragma once

#include <adaptive_course.h>

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

// Reads the answer history on a thread of its own (its own connection) for
// the adaptive course, and hands the answers over on the thread that made
// the loader, which never waits on the file. A history that cannot be read
// gives no answers: the course starts from what it has.
class CourseHistoryLoader : public QObject {
    Q_OBJECT
public:
    using Delivery = std::function<void(const std::vector<Course::CourseAnswer> &, std::int64_t lastRowId)>;

    explicit CourseHistoryLoader(QObject *parent = nullptr) : QObject(parent) {}
    ~CourseHistoryLoader() override;

    void start(const QString &historyPath, Delivery delivery);

private:
    std::thread worker;
};
