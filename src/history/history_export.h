#pragma once

#include <QString>
#include <QStringList>

class AnswerHistory;

// Why an export may not go to `target`, for the user; empty when it may.
// Each of `ownFiles` stands for itself and for every file in its folder
// whose name begins with its name (journal, -wal and -shm, copies set aside,
// lock files). Paths are compared with symbolic links resolved, and an
// existing target also by its inode, so that no other name of one of them
// gets through.
QString exportTargetRefusal(const QString &target, const QStringList &ownFiles);

// The history as CSV (RFC 4180, a header row, note names beside numbers).
// A text field that a spreadsheet would take for a formula gets a leading '.
// "-" is standard output; a FIFO or a device is written straight into; a
// regular file is replaced only once the whole export has succeeded.
// False with a message for the user when it fails; `written` gets the
// number of answers written.
bool exportHistoryCsv(const AnswerHistory &history, const QString &target, QString &error, int *written = nullptr);
