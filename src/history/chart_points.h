#pragma once

#include <QObject>
#include <QVariant>

// Puts a whole line of points into a chart's series at once. A series'
// append() from QML lays out the whole series again for every point, so that
// a chart of a few thousand days took seconds to fill.
class ChartPoints : public QObject {
    Q_OBJECT
public:
    // One for the program: it keeps no state.
    static ChartPoints &instance();

    // The points (xs[i], ys[i]) in place of the series' own. False, leaving
    // the series alone, when `series` is no line or scatter series or the
    // lists differ in length.
    Q_INVOKABLE bool replace(QObject *series, const QVariantList &xs, const QVariantList &ys) const;
};
