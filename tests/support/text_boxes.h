#pragma once

// Where the texts of a window lie, for the tests that check that every text
// stays inside its box whatever the language.
#include <QList>
#include <QQuickItem>
#include <QString>

// Every visible text under `parent`, with its scene box.
inline void collectTexts(QQuickItem *parent, QList<QQuickItem *> &texts)
{
    for (QQuickItem *child : parent->childItems()) {
        if (!child->isVisible() || child->opacity() == 0)
            continue;
        if (qstrcmp(child->metaObject()->className(), "QQuickText") == 0 && !child->property("text").toString().isEmpty()
            && child->width() > 0 && child->height() > 0)
            texts << child;
        collectTexts(child, texts);
    }
}

inline QRectF sceneBox(QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// The nearest ancestor that clips (a scrolling area), or none.
inline QQuickItem *clipper(QQuickItem *item)
{
    for (QQuickItem *p = item->parentItem(); p; p = p->parentItem())
        if (p->clip())
            return p;
    return nullptr;
}

inline QString rectText(const QRectF &r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What a text shows stays inside its own item, unless it elides, and a text
// on a drawn box (a button, a tile) inside that box. Empty when all fit; else
// the first that does not.
inline QString textOutOfItsBox(const QList<QQuickItem *> &texts)
{
    for (QQuickItem *t : texts) {
        const QString shown = t->property("text").toString();
        const bool elides = t->property("elide").toInt() != 0;
        if (!elides && (t->property("contentWidth").toReal() > t->width() + 1 ||
                        t->property("contentHeight").toReal() > t->height() + 1))
            return shown + " is larger than its item";
        QQuickItem *holder = t->parentItem();
        if (holder && holder->inherits("QQuickRectangle") && holder->width() > 0 && holder->height() > 0 &&
            !holder->clip() &&
            !sceneBox(holder).adjusted(-1, -1, 1, 1).contains(sceneBox(t)))
            return QString("%1 leaves %2 (%3): %4 in %5")
                .arg(shown, QString::fromLatin1(holder->metaObject()->className()), holder->objectName(),
                     rectText(sceneBox(t)), rectText(sceneBox(holder)));
    }
    return QString();
}

