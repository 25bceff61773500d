#include "chart_points.h"

#include <QtCharts/QXYSeries>

#include <QPointF>
#include <QVector>

ChartPoints &ChartPoints::instance()
{
    static ChartPoints points;
    return points;
}

bool ChartPoints::replace(QObject *series, const QVariantList &xs, const QVariantList &ys) const
{
    auto *line = qobject_cast<QtCharts::QXYSeries *>(series);
    if (!line || xs.size() != ys.size())
        return false;
    QVector<QPointF> points;
    points.reserve(xs.size());
    for (int i = 0; i < xs.size(); ++i)
        points.append(QPointF(xs[i].toDouble(), ys[i].toDouble()));
    line->replace(points);
    return true;
}
